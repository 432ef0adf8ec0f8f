// upload-pad: sends the product's PAD file to the author's FTP server.
#include <ostream>

#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/console_upload_view.h"
#include "cli/exit_codes.h"
#include "companions/pad_upload.h"
#include "companions/pad_upload_settings.h"
#include "store/file_io.h"
#include "store/prefs.h"

namespace listrider::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "Usage: listrider-cli upload-pad --company C --product P [--dir D] [--host H] [--port N]\n"
    "                                [--user U] [--password-file F] [--passive] [--lowercase]\n"
    "\n"
    "Uploads the product's PAD file (its \"PAD file location:\", Upload_PAD_Location) to the FTP\n"
    "server of the upload settings, creating and entering each part of the remote directory on the\n"
    "way. The options replace the stored settings (Upload_FTP_* in Prefs.ini), and the settings used,\n"
    "with the remote directory as the upload writes it (\"pub\\pad\" becomes \"/pub/pad\"), are stored\n"
    "back afterwards, as the upload window's \"Continue\" does. --password-file reads the password from\n"
    "the first line of F; --passive and --lowercase turn the passive mode and lower-case file names on.\n";

class UploadPadCommand final : public Command
{
public:
    std::string_view Name() const override { return "upload-pad"; }

    std::string_view Summary() const override { return "upload a product's PAD file over FTP"; }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const std::optional<std::string> company = arguments.Option("company");
        const std::optional<std::string> product = arguments.Option("product");
        const std::optional<std::string> dir = arguments.Option("dir");
        const std::optional<std::string> host = arguments.Option("host");
        const std::optional<std::string> port = arguments.Option("port");
        const std::optional<std::string> user = arguments.Option("user");
        const std::optional<std::string> passwordFile = arguments.Option("password-file");
        const bool passive = arguments.Flag("passive");
        const bool lowerCase = arguments.Flag("lowercase");
        if (std::string problem = arguments.FinishWithoutPositionals(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        if (!company || !product) {
            return context.UsageError("upload-pad needs --company and --product", kUsage);
        }
        std::optional<std::string> password;
        if (passwordFile) {
            std::error_code ec;
            if (!fs::is_regular_file(*passwordFile, ec)) {
                return context.Fail(store::MakeError(
                    store::ErrorKind::NotFound, "Cannot read the password file", *passwordFile));
            }
            const std::string text = store::LoadFileAsString(*passwordFile);
            password = text.substr(0, text.find_first_of("\r\n"));
        }

        store::Result<std::unique_ptr<CatalogueSession>> opened = CatalogueSession::Open(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        CatalogueSession& session = *opened.Value();
        catalogue::ProductEditor editor = session.NewEditor();
        if (store::Result<void> open = session.OpenProduct(editor, *company, *product); !open) {
            return FailInCodePage(context, session, open.GetError());
        }
        const fs::path& workspace = session.Context().workspace;
        store::Prefs prefs = store::LoadINI(workspace).prefs;
        companions::PadUploadSettings settings =
            companions::LoadPadUploadSettings(prefs, editor.product.urls.uploadPadLocation);
        // Options arrive in UTF-8; the preferences hold code-page text.
        const auto apply = [&session](const std::optional<std::string>& option, std::string& field) {
            if (option) {
                field = session.ToStore(*option);
            }
        };
        apply(dir, settings.remoteDir);
        apply(host, settings.host);
        apply(port, settings.port);
        apply(user, settings.user);
        apply(password, settings.password);
        settings.passive = settings.passive || passive;
        settings.lowerCase = settings.lowerCase || lowerCase;

        context.Out() << "PAD File Location: " << session.ToUtf8(settings.padLocation) << "\n";
        ConsoleUploadView view(context.Out());
        const store::Result<void> uploaded = companions::UploadPad(settings, prefs, view);

        companions::StorePadUploadSettings(settings, prefs);
        const store::Result<void> saved = store::SaveINI(workspace, prefs);

        int code = kExitOk;
        if (uploaded) {
            context.Out() << companions::kUploadSucceeded << "\n";
        } else {
            code = FailInCodePage(context, session, uploaded.GetError());
            if (settings.padLocation.empty()) {
                context.Err() << "note: the product has no PAD file location; import its PAD file or set "
                                 "Upload_PAD_Location with 'product set'\n";
            }
        }
        if (!saved) {
            return context.Fail(saved.GetError());
        }
        context.Out() << "Stored the upload settings in " << store::kPrefsFile << "\n";
        return code;
    }
};

} // namespace

std::unique_ptr<Command> MakeUploadPadCommand()
{
    return std::make_unique<UploadPadCommand>();
}

} // namespace listrider::cli
