#include "cli/console_run_view.h"

namespace listrider::cli {

ConsoleRunView::ConsoleRunView(std::ostream& out, store::CodePage codePage, bool terminal)
    : m_out(out)
    , m_codePage(std::move(codePage))
    , m_terminal(terminal)
{}

void ConsoleRunView::Line(const std::string& text)
{
    if (m_terminal && !m_progress.empty()) {
        m_out << "\r\033[K";
    }
    m_out << m_codePage.ToUtf8(text) << "\n";
    if (m_terminal && !m_progress.empty()) {
        m_out << m_progress;
    }
    m_out.flush();
}

void ConsoleRunView::Apply(const engine::RunEvent& event)
{
    namespace ev = engine::run_event;
    std::lock_guard lock(m_mutex);
    if (const auto* row = std::get_if<ev::DetailResult>(&event)) {
        Line("  " + row->row.time + "  " + row->row.site + "  " + row->row.action + "  " + row->row.result);
    } else if (const auto* log = std::get_if<ev::LogResult>(&event)) {
        Line(log->row.time + "  " + log->row.site + "  " + log->row.result);
    } else if (const auto* status = std::get_if<ev::Status>(&event)) {
        Line("Status: " + status->text);
    } else if (const auto* message = std::get_if<ev::Message>(&event)) {
        Line("Message: " + message->text);
    } else if (const auto* link = std::get_if<ev::LinkChecked>(&event)) {
        Line("Link " + link->label + ": " + link->state);
    } else if (const auto* timeout = std::get_if<ev::TimeoutLabel>(&event);
               timeout != nullptr && timeout->shown) {
        Line("HTTP Timeout!!!");
    } else if (const auto* trace = std::get_if<ev::Trace>(&event)) {
        Line(trace->fileName);
        Line(trace->url);
        Line("OnSuccess: " + std::to_string(trace->onSuccess));
        Line("OnFailure: " + std::to_string(trace->onFailure));
        for (const std::string& command : trace->commands) {
            Line("  command: " + command);
        }
        Line(trace->commandsResult);
        for (std::size_t i = 0; i + 1 < trace->source.size(); i += 2) {
            Line("  source: " + trace->source[i] + " = " + trace->source[i + 1]);
            Line("  expanded: " + trace->expanded[i] + " = " + trace->expanded[i + 1]);
        }
        for (const std::string& custom : trace->customs) {
            Line("  " + custom);
        }
        Line("Press Enter to send the request.");
    } else if (const auto* progress = std::get_if<ev::Progress>(&event); progress != nullptr && m_terminal) {
        m_progress = std::to_string(progress->percent) + "% Complete";
        m_out << "\r\033[K" << m_progress;
        m_out.flush();
    } else if (const auto* finished = std::get_if<ev::RunFinished>(&event)) {
        m_nextStep = finished->nextStep;
        m_crashed = finished->crashed;
        if (finished->crashed) {
            Line("Internal error: " + finished->what);
        }
        if (m_terminal && !m_progress.empty()) {
            m_out << "\n";
            m_progress.clear();
        }
    }
}

void ConsoleRunView::ShowProgress(const std::string&) {}

int ConsoleRunView::NextStep() const
{
    std::lock_guard lock(m_mutex);
    return m_nextStep;
}

bool ConsoleRunView::Crashed() const
{
    std::lock_guard lock(m_mutex);
    return m_crashed;
}

} // namespace listrider::cli
