#include "cli/catalogue_session.h"

#include "catalogue/data_set.h"
#include "cli/exit_codes.h"

namespace listrider::cli {

CodePagePrompter::CodePagePrompter(store::Prompter& terminal, store::CodePage codePage)
    : m_terminal(terminal)
    , m_codePage(std::move(codePage))
{}

std::optional<bool> CodePagePrompter::Ask(std::string_view question)
{
    return m_terminal.Ask(m_codePage.ToUtf8(question));
}

void CodePagePrompter::Inform(std::string_view message)
{
    m_terminal.Inform(m_codePage.ToUtf8(message));
}

CatalogueSession::CatalogueSession(std::unique_ptr<engine::Session> session, store::Prompter& terminal)
    : m_session(std::move(session))
    , m_prompter(terminal, m_session->Catalogue().codePage)
{}

store::Result<std::unique_ptr<CatalogueSession>> CatalogueSession::Open(CommandContext& command)
{
    store::Result<std::filesystem::path> workspace = command.Workspace();
    if (!workspace) {
        return workspace.GetError();
    }
    store::Result<std::unique_ptr<engine::Session>> session = engine::Session::Open(workspace.Value());
    if (!session) {
        return session.GetError();
    }
    return std::unique_ptr<CatalogueSession>(
        new CatalogueSession(std::move(session.Value()), command.GetPrompter()));
}

store::Result<catalogue::CompanyEntry> CatalogueSession::FindCompany(std::string_view utf8Name) const
{
    const std::string name = ToStore(utf8Name);
    const std::vector<catalogue::CompanyEntry> companies = catalogue::ListCompanies(Context());
    const catalogue::CompanyEntry* company = catalogue::FindCompany(companies, name, false);
    if (company == nullptr) {
        company = catalogue::FindCompany(companies, name, true);
    }
    if (company == nullptr) {
        return store::MakeError(store::ErrorKind::NotFound,
                                "No company named \"" + std::string(utf8Name) + "\"");
    }
    return *company;
}

store::Result<catalogue::ProductEntry> CatalogueSession::FindProduct(const catalogue::CompanyEntry& company,
                                                                     std::string_view utf8Name) const
{
    const std::string name = ToStore(utf8Name);
    const std::vector<catalogue::ProductEntry> products = catalogue::ShowListOfProducts(company, CodePage());
    const catalogue::ProductEntry* product = catalogue::FindProduct(products, name, false);
    if (product == nullptr) {
        product = catalogue::FindProduct(products, name, true);
    }
    if (product == nullptr) {
        return store::MakeError(store::ErrorKind::NotFound,
                                "No product named \"" + std::string(utf8Name) + "\" in " +
                                    ToUtf8(company.name));
    }
    return *product;
}

catalogue::ProductEditor CatalogueSession::NewEditor() const
{
    return m_session->NewEditor();
}

store::Result<void> CatalogueSession::OpenProduct(catalogue::ProductEditor& editor,
                                                  std::string_view companyName,
                                                  std::string_view productName) const
{
    store::Result<catalogue::CompanyEntry> company = FindCompany(companyName);
    if (!company) {
        return company.GetError();
    }
    store::Result<catalogue::ProductEntry> product = FindProduct(company.Value(), productName);
    if (!product) {
        return product.GetError();
    }
    catalogue::EditProduct(editor, m_session->Catalogue(), company.Value(), product.Value().name);
    m_session->ProductOpened(editor);
    return {};
}

} // namespace listrider::cli

namespace listrider::cli {

int FailInCodePage(CommandContext& command, const CatalogueSession& session, const store::Error& error)
{
    std::string message = session.ToUtf8(error.message);
    if (error.kind == store::ErrorKind::Cancelled) {
        message += "; run it again with --yes or --no";
    }
    return command.Fail(store::MakeError(error.kind, message, session.ToUtf8(error.detail)));
}

int OpenProductSession(CommandContext& command,
                       std::string_view company,
                       std::string_view product,
                       OpenedProduct& opened)
{
    store::Result<std::unique_ptr<CatalogueSession>> session = CatalogueSession::Open(command);
    if (!session) {
        return command.Fail(session.GetError());
    }
    opened.session = std::move(session.Value());
    opened.editor = opened.session->NewEditor();
    if (store::Result<void> open = opened.session->OpenProduct(opened.editor, company, product); !open) {
        return FailInCodePage(command, *opened.session, open.GetError());
    }
    return kExitOk;
}

int OpenProductSession(CommandContext& command,
                       Arguments& arguments,
                       std::string_view verb,
                       std::string_view usage,
                       OpenedProduct& opened)
{
    const std::optional<std::string> company = arguments.Option("company");
    const std::optional<std::string> product = arguments.Option("product");
    if (std::string problem = arguments.FinishWithoutPositionals(); !problem.empty()) {
        return command.UsageError(problem, usage);
    }
    if (!company || !product) {
        return command.UsageError(std::string(verb) + " needs --company and --product", usage);
    }
    return OpenProductSession(command, *company, *product, opened);
}

} // namespace listrider::cli
