#include "cli/commands/sitedb_expand.h"

#include <filesystem>
#include <ostream>

#include "catalogue/value_set.h"
#include "cli/catalogue_session.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "engine/run_values.h"
#include "engine/step_preview.h"

namespace listrider::cli {
namespace {

void PrintText(std::ostream& out,
               const CatalogueSession& session,
               const std::string& stepFile,
               const ExpandRequest& request,
               const engine::StepPreview& preview,
               const engine::RunValues& values)
{
    auto utf8 = [&](const std::string& text) {
        return session.ToUtf8(text);
    };
    const engine::LoadedStep& step = preview.step;
    out << "Step " << stepFile << " expanded for " << request.product << " (" << request.company << ")\n";
    out << "Channel: " << step.channel << "\n";
    if (step.IsWeb()) {
        out << "Request: " << step.method << " " << utf8(step.host) << utf8(preview.path) << "\n";
        out << "Fields:" << (preview.names.empty() ? " none\n" : "\n");
        for (std::size_t i = 0; i < preview.names.size(); ++i) {
            out << "  " << utf8(preview.names[i]) << " = "
                << (i < preview.values.size() ? utf8(preview.values[i]) : "(no value)") << "\n";
        }
        if (!step.commands.empty()) {
            out << "Text commands (not run here; what they extract stays empty):\n";
            for (const std::string& line : step.commands) {
                out << "  " << utf8(line) << "\n";
            }
        }
    } else {
        out << "Recipient: " << utf8(preview.recipient) << "\nSubject: " << utf8(step.subject) << "\nBody:\n";
        for (const std::string& line : preview.values) {
            out << "  " << utf8(line) << "\n";
        }
    }
    out << "Category: " << utf8(values.categories.category)
        << "\nSubcategory: " << utf8(values.categories.subCategory) << "\n";
}

void PrintJson(std::ostream& out,
               const CatalogueSession& session,
               const std::string& stepFile,
               const ExpandRequest& request,
               const engine::StepPreview& preview,
               const engine::RunValues& values)
{
    auto utf8 = [&](const std::string& text) {
        return session.ToUtf8(text);
    };
    JsonWriter json;
    json.BeginObject().Key("stepFile").String(stepFile);
    json.Key("company").String(request.company).Key("product").String(request.product);
    json.Key("channel").String(preview.step.channel);
    if (preview.step.IsWeb()) {
        json.Key("host").String(utf8(preview.step.host)).Key("path").String(utf8(preview.path));
        json.Key("method").String(preview.step.method);
        json.Key("fields").BeginArray();
        for (std::size_t i = 0; i < preview.names.size(); ++i) {
            json.BeginObject().Key("name").String(utf8(preview.names[i]));
            if (i < preview.values.size()) {
                json.Key("value").String(utf8(preview.values[i]));
            }
            json.EndObject();
        }
        json.EndArray();
    } else {
        json.Key("recipient")
            .String(utf8(preview.recipient))
            .Key("subject")
            .String(utf8(preview.step.subject));
        json.Key("body").BeginArray();
        for (const std::string& line : preview.values) {
            json.String(utf8(line));
        }
        json.EndArray();
    }
    json.Key("category").String(utf8(values.categories.category));
    json.Key("subCategory").String(utf8(values.categories.subCategory));
    if (preview.failure) {
        json.Key("error").String(utf8(preview.failure->message));
    }
    json.EndObject();
    out << json.Text() << "\n";
}

} // namespace

int PrintExpandedStep(CommandContext& context,
                      sites::SiteTable& table,
                      int position,
                      const store::InstallationConfig& config,
                      const std::string& stepFile,
                      const ExpandRequest& request,
                      bool json)
{
    store::Result<std::unique_ptr<CatalogueSession>> opened = CatalogueSession::Open(context);
    if (!opened) {
        return context.Fail(opened.GetError());
    }
    CatalogueSession& session = *opened.Value();
    catalogue::ProductEditor editor = session.NewEditor();
    if (store::Result<void> product = session.OpenProduct(editor, request.company, request.product);
        !product) {
        return FailInCodePage(context, session, product.GetError());
    }
    sites::SitesR& site = table.sites[static_cast<std::size_t>(position)];
    if (request.category) {
        site.Category = session.ToStore(*request.category);
    }

    engine::RunValues values;
    engine::PrepareRunValues(values,
                             catalogue::GetValues(editor.product, session.Context()),
                             engine::MakeRunEnvironment(table, config));
    engine::StartSiteValues(values, position, editor.accounts);
    if (request.subCategory) {
        values.categories.subCategory = session.ToStore(*request.subCategory);
    }
    store::Result<engine::StepPreview> preview = engine::PreviewStep(values, stepFile);
    const std::string fileName = std::filesystem::path(stepFile).filename().string();
    if (!preview) {
        context.Err() << "listrider-cli: step " << fileName << ": " << preview.GetError().message
                      << " (the run ends the site with \"Error Loading Site\")\n";
        return kExitFailure;
    }
    if (json) {
        PrintJson(context.Out(), session, fileName, request, preview.Value(), values);
    } else {
        PrintText(context.Out(), session, fileName, request, preview.Value(), values);
    }
    if (preview.Value().failure) {
        context.Err() << "listrider-cli: " << session.ToUtf8(preview.Value().failure->message)
                      << " (the run ends the site with \"Error\")\n";
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace listrider::cli
