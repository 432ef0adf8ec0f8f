#include "cli/report_views.h"

#include <string>

namespace listrider::cli {
namespace {

struct ListShape
{
    const char* title = nullptr;
    const char* textColumn = nullptr;
    const char* jsonKey = nullptr;
    const char* jsonTextKey = nullptr;
    const std::vector<engine::SummaryRow>* rows = nullptr;
};

std::vector<ListShape> Lists(const engine::ReportSummary& summary)
{
    return {
        {"Successful", "History", "successful", "history", &summary.successful},
        {"Failed", "Error", "failed", "error", &summary.failed},
        {"Skipped", "Reason", "skipped", "reason", &summary.skipped},
    };
}

} // namespace

void PrintErrorsView(std::ostream& out,
                     const store::CodePage& codePage,
                     std::span<const engine::ErrorsRow> errors)
{
    out << "Step 4 (Errors Report)\n";
    out << "Site\tProblem\tPossible Reason\tSuggested Solution\n";
    for (const engine::ErrorsRow& row : errors) {
        out << codePage.ToUtf8(row.site) << "\t" << codePage.ToUtf8(row.texts.problem) << "\t"
            << codePage.ToUtf8(row.texts.reason) << "\t" << codePage.ToUtf8(row.texts.solution) << "\n";
    }
    out << engine::kStep4Status << "\n";
}

void PrintReportView(std::ostream& out,
                     const store::CodePage& codePage,
                     const engine::ReportSummary& summary,
                     const engine::ReportTotals& totals)
{
    out << "Step 5 (Report)\n";
    for (const ListShape& list : Lists(summary)) {
        out << "\n" << list.title << "\n";
        out << "Site\t" << list.textColumn << "\n";
        for (const engine::SummaryRow& row : *list.rows) {
            out << codePage.ToUtf8(row.site) << "\t" << codePage.ToUtf8(row.text) << "\n";
        }
    }
    out << "\n";
    for (const auto& [label, value] : engine::TotalsLabels(totals)) {
        out << label << " " << value << "\n";
    }
    out << engine::kStep5Status << "\n";
}

void WriteErrorsJson(JsonWriter& json,
                     const store::CodePage& codePage,
                     std::span<const engine::ErrorsRow> errors)
{
    json.BeginArray();
    for (const engine::ErrorsRow& row : errors) {
        json.BeginObject()
            .Key("site")
            .String(codePage.ToUtf8(row.site))
            .Key("problem")
            .String(codePage.ToUtf8(row.texts.problem))
            .Key("reason")
            .String(codePage.ToUtf8(row.texts.reason))
            .Key("solution")
            .String(codePage.ToUtf8(row.texts.solution))
            .EndObject();
    }
    json.EndArray();
}

void WriteReportJson(JsonWriter& json,
                     const store::CodePage& codePage,
                     const engine::ReportSummary& summary,
                     const engine::ReportTotals& totals)
{
    for (const ListShape& list : Lists(summary)) {
        json.Key(list.jsonKey).BeginArray();
        for (const engine::SummaryRow& row : *list.rows) {
            json.BeginObject()
                .Key("site")
                .String(codePage.ToUtf8(row.site))
                .Key(list.jsonTextKey)
                .String(codePage.ToUtf8(row.text))
                .EndObject();
        }
        json.EndArray();
    }
    json.Key("totals")
        .BeginObject()
        .Key("sitesSubmitted")
        .Number(totals.sitesSubmitted)
        .Key("successful")
        .Number(totals.successful)
        .Key("failed")
        .Number(totals.failed)
        .Key("submissionTime")
        .String(totals.submissionTime)
        .Key("percentage")
        .String(totals.percentage)
        .Key("emailsSent")
        .Number(totals.emailsSent)
        .Key("httpRequests")
        .Number(totals.httpRequests)
        .Key("httpBytesReceived")
        .Number(totals.bytesReceived)
        .Key("httpBytesSent")
        .Number(totals.bytesSent)
        .Key("ftpBytesReceived")
        .Number(0LL)
        .Key("ftpBytesSent")
        .Number(0LL)
        .Key("ftpRequests")
        .Number(0LL)
        .EndObject();
}

} // namespace listrider::cli
