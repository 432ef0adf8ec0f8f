#include "received_log.h"

namespace sitesim {

std::string EscapeField(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\n':
            escaped += "\\n";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

void ReceivedLog::Add(ReceivedRequest request)
{
    std::lock_guard lock(m_mutex);
    m_requests.push_back(std::move(request));
}

std::vector<ReceivedRequest> ReceivedLog::Of(std::string_view site) const
{
    std::lock_guard lock(m_mutex);
    std::vector<ReceivedRequest> found;
    for (const ReceivedRequest& request : m_requests) {
        if (request.site == site) {
            found.push_back(request);
        }
    }
    return found;
}

std::string ReceivedLog::Render(std::string_view site) const
{
    std::string text;
    for (const ReceivedRequest& request : Of(site)) {
        text += "request\t" + EscapeField(request.method) + "\t" + EscapeField(request.path) + "\n";
        for (const auto& [name, value] : request.headers) {
            text += "header\t" + EscapeField(name) + "\t" + EscapeField(value) + "\n";
        }
        for (const FormField& field : request.fields) {
            if (field.filename) {
                text += "file\t" + EscapeField(field.name) + "\t" + EscapeField(*field.filename) + "\t" +
                        EscapeField(field.contentType) + "\t" + EscapeField(field.value) + "\n";
            } else {
                text += "field\t" + EscapeField(field.name) + "\t" + EscapeField(field.value) + "\n";
            }
        }
    }
    return text;
}

} // namespace sitesim
