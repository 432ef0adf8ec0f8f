// product: lists, creates, shows, edits, renames and deletes the products of a company.
#include <ostream>

#include "catalogue/data_set.h"
#include "catalogue/description_languages.h"
#include "catalogue/field_access.h"
#include "catalogue/field_examiner.h"
#include "catalogue/product_list.h"
#include "cli/arguments.h"
#include "cli/catalogue_session.h"
#include "cli/commands/commands.h"
#include "cli/exit_codes.h"
#include "cli/json_writer.h"
#include "store/unicode.h"

namespace listrider::cli {
namespace {

using catalogue::FieldId;
using catalogue::FieldInfo;
using catalogue::FieldKind;

constexpr std::string_view kUsage =
    "Usage: listrider-cli product list --company C [--json]\n"
    "       listrider-cli product new --company C NAME VERSION\n"
    "       listrider-cli product show --company C --product P [--json]\n"
    "       listrider-cli product set --company C --product P [--language L] FIELD VALUE\n"
    "       listrider-cli product rename --company C --product P NEW_NAME\n"
    "       listrider-cli product delete --company C --product P\n"
    "       listrider-cli product add-language --company C --product P LANGUAGE\n"
    "       listrider-cli product delete-language --company C --product P LANGUAGE\n"
    "\n"
    "list              prints the company's products with version, edit date and submitted version\n"
    "new               creates a product and saves its data set\n"
    "show              prints every field of the product\n"
    "set               sets one field, named by its store tag (Program_Version, Char_Desc_45 ...; 'show'\n"
    "                  lists them), checks it as the editor does when the field is left, and saves;\n"
    "                  memo lines are separated by newlines; --language picks a description tab\n"
    "rename            gives the product a new name and folder; its journal and accounts move along\n"
    "delete            asks, then removes the product from the list (its folder stays on disk)\n"
    "add-language      adds a description language\n"
    "delete-language   asks, then removes a description language\n";

std::string Utf8(const std::u16string& text)
{
    return store::WideToUtf8(text);
}

struct Target
{
    std::string company;
    std::string product;
};

class ProductCommand final : public Command
{
public:
    std::string_view Name() const override { return "product"; }

    std::string_view Summary() const override
    {
        return "list, create, show, edit, rename or delete products";
    }

    std::string_view Usage() const override { return kUsage; }

    int Run(std::span<const std::string> args, CommandContext& context) override
    {
        Arguments arguments(args);
        const bool json = arguments.Flag("json");
        const std::optional<std::string> company = arguments.Option("company");
        const std::optional<std::string> product = arguments.Option("product");
        const std::optional<std::string> language = arguments.Option("language");
        const std::vector<std::string> words = arguments.Positionals();
        if (std::string problem = arguments.Finish(); !problem.empty()) {
            return context.UsageError(problem, kUsage);
        }
        if (words.empty()) {
            return context.UsageError("product needs an action", kUsage);
        }
        const std::string& action = words[0];
        const std::vector<std::string> rest(words.begin() + 1, words.end());

        struct Shape
        {
            std::string_view action;
            std::size_t arguments;
            bool needsProduct;
        };

        static constexpr Shape kShapes[] = {{"list", 0, false},
                                            {"new", 2, false},
                                            {"show", 0, true},
                                            {"set", 2, true},
                                            {"rename", 1, true},
                                            {"delete", 0, true},
                                            {"add-language", 1, true},
                                            {"delete-language", 1, true}};
        const Shape* shape = nullptr;
        for (const Shape& candidate : kShapes) {
            if (candidate.action == action) {
                shape = &candidate;
            }
        }
        if (shape == nullptr) {
            return context.UsageError("unknown action '" + action + "'", kUsage);
        }
        if (rest.size() != shape->arguments) {
            return context.UsageError(rest.size() < shape->arguments ? action + " needs more arguments"
                                                                     : "too many arguments",
                                      kUsage);
        }
        if (!company || (shape->needsProduct && !product)) {
            return context.UsageError(
                action + " needs --company" + (shape->needsProduct ? " and --product" : ""), kUsage);
        }
        store::Result<std::unique_ptr<CatalogueSession>> opened = CatalogueSession::Open(context);
        if (!opened) {
            return context.Fail(opened.GetError());
        }
        CatalogueSession& session = *opened.Value();
        if (action == "list") {
            return List(context, session, *company, json);
        }
        if (action == "new") {
            return New(context, session, *company, rest[0], rest[1]);
        }
        const Target target{*company, *product};
        if (action == "delete") {
            return Delete(context, session, target);
        }
        catalogue::ProductEditor editor = session.NewEditor();
        if (store::Result<void> open = session.OpenProduct(editor, target.company, target.product); !open) {
            return context.Fail(open.GetError());
        }
        if (action == "show") {
            return Show(context, session, editor, json);
        }
        if (action == "set") {
            return Set(context, session, editor, language, rest[0], rest[1]);
        }
        if (action == "rename") {
            return Rename(context, session, editor, rest[0]);
        }
        if (action == "add-language") {
            return AddLanguage(context, session, editor, rest[0]);
        }
        return DeleteLanguage(context, session, editor, rest[0]);
    }

private:
    static int Save(CommandContext& context, CatalogueSession& session, catalogue::ProductEditor& editor)
    {
        if (store::Result<void> saved = catalogue::SaveProduct(editor, session.Context()); !saved) {
            return FailInCodePage(context, session, saved.GetError());
        }
        return kExitOk;
    }

    static int
    List(CommandContext& context, CatalogueSession& session, const std::string& companyName, bool json)
    {
        store::Result<catalogue::CompanyEntry> company = session.FindCompany(companyName);
        if (!company) {
            return context.Fail(company.GetError());
        }
        const std::vector<catalogue::ProductEntry> products =
            catalogue::ShowListOfProducts(company.Value(), session.CodePage());
        if (json) {
            JsonWriter writer;
            writer.BeginArray();
            for (const catalogue::ProductEntry& product : products) {
                writer.BeginObject()
                    .Key("name")
                    .String(session.ToUtf8(product.name))
                    .Key("version")
                    .String(session.ToUtf8(product.version))
                    .Key("edited")
                    .String(session.ToUtf8(product.editDate))
                    .Key("submitted")
                    .String(session.ToUtf8(product.versionSubmitted))
                    .EndObject();
            }
            writer.EndArray();
            context.Out() << writer.Text() << "\n";
            return kExitOk;
        }
        for (const catalogue::ProductEntry& product : products) {
            context.Out() << session.ToUtf8(product.name) << "\t" << session.ToUtf8(product.version) << "\t"
                          << product.editDate << "\t" << session.ToUtf8(product.versionSubmitted) << "\n";
        }
        return kExitOk;
    }

    static int New(CommandContext& context,
                   CatalogueSession& session,
                   const std::string& companyName,
                   const std::string& name,
                   const std::string& version)
    {
        store::Result<catalogue::CompanyEntry> company = session.FindCompany(companyName);
        if (!company) {
            return FailInCodePage(
                context,
                session,
                store::MakeError(store::ErrorKind::Refused, "Company must be created first."));
        }
        catalogue::ProductEditor editor = session.NewEditor();
        if (store::Result<void> created = catalogue::NewProduct(
                editor, session.Context(), &company.Value(), session.ToStore(name), session.ToStore(version));
            !created) {
            return FailInCodePage(context, session, created.GetError());
        }
        // The editor saves a new product when its page is left; so does the command.
        if (const int code = Save(context, session, editor); code != kExitOk) {
            return code;
        }
        context.Out() << "Created product " << name << " " << version << "\n";
        return kExitOk;
    }

    static int Delete(CommandContext& context, CatalogueSession& session, const Target& target)
    {
        store::Result<catalogue::CompanyEntry> company = session.FindCompany(target.company);
        if (!company) {
            return context.Fail(company.GetError());
        }
        store::Result<catalogue::ProductEntry> product = session.FindProduct(company.Value(), target.product);
        if (!product) {
            return context.Fail(product.GetError());
        }
        store::Result<bool> deleted =
            catalogue::DeleteProduct(company.Value(), product.Value().name, session.GetPrompter());
        if (!deleted) {
            return FailInCodePage(context, session, deleted.GetError());
        }
        context.Out() << (deleted.Value() ? "Deleted product " : "Kept product ") << target.product << "\n";
        return kExitOk;
    }

    static void
    WriteShowJson(CommandContext& context, CatalogueSession& session, const catalogue::ProductEditor& editor)
    {
        const store::CodePage& codePage = session.CodePage();
        JsonWriter writer;
        writer.BeginObject()
            .Key("company")
            .String(session.ToUtf8(editor.company->name))
            .Key("product")
            .String(session.ToUtf8(editor.productName))
            .Key("imported")
            .Bool(editor.imported)
            .Key("fields")
            .BeginObject();
        for (const FieldInfo& info : catalogue::FieldInfos()) {
            if (!catalogue::IsDescriptionField(info.kind)) {
                writer.Key(info.name).String(Utf8(catalogue::GetFieldText(editor, {info.kind, 0}, codePage)));
            }
        }
        writer.EndObject().Key("descriptions").BeginArray();
        const std::size_t languages = editor.product.descriptions.others.size() + 1;
        for (std::size_t i = 0; i < languages; ++i) {
            const std::string name =
                i == 0 ? "English" : session.ToUtf8(editor.product.descriptions.others[i - 1].language);
            writer.BeginObject().Key("language").String(name);
            for (const FieldInfo& info : catalogue::FieldInfos()) {
                if (catalogue::IsDescriptionField(info.kind)) {
                    writer.Key(info.name).String(
                        Utf8(catalogue::GetFieldText(editor, {info.kind, static_cast<int>(i)}, codePage)));
                }
            }
            writer.EndObject();
        }
        writer.EndArray().EndObject();
        context.Out() << writer.Text() << "\n";
    }

    static void PrintField(std::ostream& out, std::string_view name, const std::string& value)
    {
        std::string shown = value;
        for (std::size_t pos = 0; (pos = shown.find('\n', pos)) != std::string::npos; pos += 3) {
            shown.replace(pos, 1, "\n  ");
        }
        out << name << ": " << (shown.find('\n') != std::string::npos ? "\n  " : "") << shown << "\n";
    }

    static int Show(CommandContext& context,
                    CatalogueSession& session,
                    const catalogue::ProductEditor& editor,
                    bool json)
    {
        if (json) {
            WriteShowJson(context, session, editor);
            return kExitOk;
        }
        const store::CodePage& codePage = session.CodePage();
        for (const FieldInfo& info : catalogue::FieldInfos()) {
            if (!catalogue::IsDescriptionField(info.kind)) {
                PrintField(context.Out(),
                           info.name,
                           Utf8(catalogue::GetFieldText(editor, {info.kind, 0}, codePage)));
            }
        }
        const std::size_t languages = editor.product.descriptions.others.size() + 1;
        for (std::size_t i = 0; i < languages; ++i) {
            context.Out() << "["
                          << (i == 0 ? "English"
                                     : session.ToUtf8(editor.product.descriptions.others[i - 1].language))
                          << "]\n";
            for (const FieldInfo& info : catalogue::FieldInfos()) {
                if (catalogue::IsDescriptionField(info.kind)) {
                    PrintField(
                        context.Out(),
                        info.name,
                        Utf8(catalogue::GetFieldText(editor, {info.kind, static_cast<int>(i)}, codePage)));
                }
            }
        }
        return kExitOk;
    }

    static store::Result<int> LanguageIndex(const CatalogueSession& session,
                                            const catalogue::ProductEditor& editor,
                                            const std::string& language)
    {
        if (language == "English") {
            return 0;
        }
        const int index = editor.product.descriptions.FindLanguage(session.ToStore(language));
        if (index < 0) {
            return store::MakeError(store::ErrorKind::NotFound,
                                    "The product has no " + language +
                                        " description; add it with add-language");
        }
        return index + 1;
    }

    static int Set(CommandContext& context,
                   CatalogueSession& session,
                   catalogue::ProductEditor& editor,
                   const std::optional<std::string>& language,
                   const std::string& fieldName,
                   const std::string& value)
    {
        const std::optional<FieldKind> kind = catalogue::FieldKindByName(fieldName);
        if (!kind) {
            return context.Fail(store::MakeError(
                store::ErrorKind::Usage, "No field named " + fieldName, "'product show' lists the fields"));
        }
        FieldId field{*kind, 0};
        if (language) {
            if (!catalogue::IsDescriptionField(*kind)) {
                return context.Fail(store::MakeError(store::ErrorKind::Usage,
                                                     "--language applies to the description fields only"));
            }
            store::Result<int> index = LanguageIndex(session, editor, *language);
            if (!index) {
                return context.Fail(index.GetError());
            }
            field.language = index.Value();
        }
        if (!store::IsValidUtf8(value)) {
            return context.Fail(store::MakeError(store::ErrorKind::Usage, "The value is not UTF-8 text"));
        }
        if (store::Result<void> set =
                catalogue::SetFieldText(editor, field, store::Utf8ToWide(value), session.CodePage());
            !set) {
            return FailInCodePage(context, session, set.GetError());
        }
        catalogue::FieldChanged(editor, field);
        catalogue::FieldLeft(editor, field);
        const std::string message = editor.faults.Message(field);
        if (!message.empty()) {
            context.Err() << "warning: " << catalogue::InfoOf(field.kind).caption << " "
                          << session.ToUtf8(message) << "\n";
        }
        return Save(context, session, editor);
    }

    static int Rename(CommandContext& context,
                      CatalogueSession& session,
                      catalogue::ProductEditor& editor,
                      const std::string& newName)
    {
        const FieldId field{FieldKind::ProgramName, 0};
        editor.product.program.name = session.ToStore(newName);
        catalogue::FieldChanged(editor, field);
        if (const int code = Save(context, session, editor); code != kExitOk) {
            return code;
        }
        context.Out() << "Renamed product to " << newName << "\n";
        return kExitOk;
    }

    static int AddLanguage(CommandContext& context,
                           CatalogueSession& session,
                           catalogue::ProductEditor& editor,
                           const std::string& language)
    {
        if (store::Result<void> added =
                catalogue::AddDescriptionLanguage(editor.product.descriptions, session.ToStore(language));
            !added) {
            return FailInCodePage(context, session, added.GetError());
        }
        return Save(context, session, editor);
    }

    static int DeleteLanguage(CommandContext& context,
                              CatalogueSession& session,
                              catalogue::ProductEditor& editor,
                              const std::string& language)
    {
        store::Result<int> index = LanguageIndex(session, editor, language);
        if (!index) {
            return context.Fail(index.GetError());
        }
        store::Result<bool> deleted =
            catalogue::DeleteDescriptionLanguage(editor, index.Value(), session.GetPrompter());
        if (!deleted) {
            return FailInCodePage(context, session, deleted.GetError());
        }
        return deleted.Value() ? Save(context, session, editor) : kExitOk;
    }
};

} // namespace

std::unique_ptr<Command> MakeProductCommand()
{
    return std::make_unique<ProductCommand>();
}

} // namespace listrider::cli
