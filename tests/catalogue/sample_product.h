// A filled-in product and a workspace to keep it in, shared by the catalogue tests.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue_context.h"
#include "catalogue/company_list.h"
#include "catalogue/product_editor.h"
#include "store/prompter.h"
#include "support/temp_dir.h"

namespace listrider::catalogue::testing {

/// Returns a product whose every field passes validation in the PAD variant; its texts hold
/// Windows-1252 letters, and it has German and "Chinise Traditional" descriptions.
Product SampleProduct();

/// Answers questions from a list and records them.
class ScriptedPrompter final : public store::Prompter
{
public:
    explicit ScriptedPrompter(std::deque<std::optional<bool>> answers = {})
        : m_answers(std::move(answers))
    {}

    std::optional<bool> Ask(std::string_view question) override;
    void Inform(std::string_view message) override;

    std::vector<std::string> questions;
    std::vector<std::string> messages;

private:
    std::deque<std::optional<bool>> m_answers;
};

/// A workspace in a temporary directory.
class Workspace
{
public:
    Workspace();

    CatalogueContext& Context() { return m_context; }

    const std::filesystem::path& Path() const { return m_dir.Path(); }

    testsupport::TempDir& Dir() { return m_dir; }

    /// Creates a company and returns it.
    CompanyEntry AddCompany(std::string_view name);

    /// Creates and saves the sample product (under another name when given) in the company and
    /// returns the editor that holds it open.
    ProductEditor AddSampleProduct(const CompanyEntry& company, std::string_view name = {});

private:
    testsupport::TempDir m_dir;
    CatalogueContext m_context;
};

/// Returns the bytes of every file below a folder, keyed by relative path.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& folder);

/// Returns the text of a test data file.
std::string ReadTestData(std::string_view name);

/// Returns the path of a test data file.
std::filesystem::path TestDataPath(std::string_view name);

} // namespace listrider::catalogue::testing
