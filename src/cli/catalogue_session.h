// What the catalogue commands share: the workspace's catalogue, names typed in UTF-8, and the
// open product.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "catalogue/catalogue_context.h"
#include "catalogue/company_list.h"
#include "catalogue/product_editor.h"
#include "catalogue/product_list.h"
#include "cli/arguments.h"
#include "cli/command.h"
#include "engine/session.h"
#include "store/prompter.h"
#include "store/result.h"

namespace listrider::cli {

/// Passes the core's questions and messages (code-page text) to the terminal in UTF-8.
class CodePagePrompter final : public store::Prompter
{
public:
    CodePagePrompter(store::Prompter& terminal, store::CodePage codePage);

    std::optional<bool> Ask(std::string_view question) override;
    void Inform(std::string_view message) override;

private:
    store::Prompter& m_terminal;
    store::CodePage m_codePage;
};

/// The command's workspace opened as start-up opens it, with the catalogue's name helpers.
class CatalogueSession
{
public:
    /// Returns the session of the workspace (created on first use).
    static store::Result<std::unique_ptr<CatalogueSession>> Open(CommandContext& command);

    catalogue::CatalogueContext& Context() { return m_session->Catalogue(); }

    const catalogue::CatalogueContext& Context() const { return m_session->Catalogue(); }

    engine::Session& Workspace() { return *m_session; }

    const store::CodePage& CodePage() const { return Context().codePage; }

    store::Prompter& GetPrompter() { return m_prompter; }

    /// Returns a UTF-8 argument in the store's code page.
    std::string ToStore(std::string_view utf8) const { return CodePage().FromUtf8(utf8); }

    /// Returns a store text in UTF-8.
    std::string ToUtf8(std::string_view stored) const { return CodePage().ToUtf8(stored); }

    /// Returns the listed company of a UTF-8 name (exact, else ignoring case).
    store::Result<catalogue::CompanyEntry> FindCompany(std::string_view utf8Name) const;

    /// Returns the listed product of a UTF-8 name under the company (exact, else ignoring case).
    store::Result<catalogue::ProductEntry> FindProduct(const catalogue::CompanyEntry& company,
                                                       std::string_view utf8Name) const;

    /// Returns an editor whose accounts list holds the site table's rows.
    catalogue::ProductEditor NewEditor() const;

    /// Opens the named product of the named company into the editor ("Edit"); the site list is
    /// rebuilt for it.
    store::Result<void>
    OpenProduct(catalogue::ProductEditor& editor, std::string_view company, std::string_view product) const;

private:
    CatalogueSession(std::unique_ptr<engine::Session> session, store::Prompter& terminal);

    std::unique_ptr<engine::Session> m_session;
    CodePagePrompter m_prompter;
};

} // namespace listrider::cli

namespace listrider::cli {

/// Prints a core error whose texts are in the code page, the way every command does.
int FailInCodePage(CommandContext& command, const CatalogueSession& session, const store::Error& error);

/// A command's workspace with one product open in an editor.
struct OpenedProduct
{
    std::unique_ptr<CatalogueSession> session;
    catalogue::ProductEditor editor;
};

/// Opens the workspace and the product named in UTF-8 into `opened`; returns the success exit
/// code, or the exit code of the failure it printed.
int OpenProductSession(CommandContext& command,
                       std::string_view company,
                       std::string_view product,
                       OpenedProduct& opened);

/// As OpenProductSession for the product of --company and --product, the last options the
/// command reads: a missing one, a positional word or an unknown option is a usage error of `verb`.
int OpenProductSession(CommandContext& command,
                       Arguments& arguments,
                       std::string_view verb,
                       std::string_view usage,
                       OpenedProduct& opened);

} // namespace listrider::cli
