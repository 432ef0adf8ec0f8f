#include "catalogue/password_file.h"

#include "store/ascii.h"
#include "store/tag_document.h"

namespace listrider::catalogue {
namespace {

// One record of a password file: a Site_Name line and the lines that follow it.
struct PasswordRecord
{
    std::optional<std::string> name;
    std::optional<std::string> login;
    std::optional<std::string> password;
    std::optional<std::string> requested;
};

struct PasswordFile
{
    std::optional<std::string> commonLogin;
    std::optional<std::string> commonEmailLogin;
    std::optional<std::string> commonPassword;
    std::vector<PasswordRecord> records;
};

PasswordFile ParsePasswordFile(store::LineSpan lines)
{
    PasswordFile file;
    for (std::string_view line : lines) {
        if (store::ContainsNoCase(line, "<Common_Login>")) {
            file.commonLogin = store::TagValue(line);
        }
        if (store::ContainsNoCase(line, "<Common_EMail_Login>")) {
            file.commonEmailLogin = store::TagValue(line);
        }
        if (store::ContainsNoCase(line, "<Common_Password>")) {
            file.commonPassword = store::TagValue(line);
        }
        if (store::ContainsNoCase(line, "<Site_Name>")) {
            file.records.push_back({store::TagValue(line), {}, {}, {}});
        }
        if (file.records.empty()) {
            continue;
        }
        PasswordRecord& record = file.records.back();
        if (store::ContainsNoCase(line, "<Site_Login>")) {
            record.login = store::TagValue(line);
        }
        if (store::ContainsNoCase(line, "<Site_Password>")) {
            record.password = store::TagValue(line);
        }
        if (store::ContainsNoCase(line, "<Requested>")) {
            record.requested = store::TagValue(line);
        }
    }
    return file;
}

void TakeIfEmpty(std::string& cell, const std::optional<std::string>& value)
{
    if (cell.empty() && value) {
        cell = *value;
    }
}

void WriteRow(store::TagWriter& writer, const AccountRow& row)
{
    writer.Element("Site_Name", row.siteName);
    writer.Element("Site_Login", row.login);
    writer.Element("Site_Password", row.password);
    writer.Element("Requested", row.requested);
}

void WriteDefaults(store::TagWriter& writer, const AccountDefaults& defaults)
{
    writer.Element("Common_Login", defaults.login);
    writer.Element("Common_EMail_Login", defaults.emailLogin);
    writer.Element("Common_Password", defaults.password);
}

void WritePasswordo(store::TagWriter& writer, const std::vector<Passwordo>& records)
{
    for (const Passwordo& record : records) {
        writer.Element("Site_Name", record.siteName);
        writer.Element("Site_Login", record.login);
        writer.Element("Site_Password", record.password);
    }
}

} // namespace

void ReadCompanyPasswords(store::LineSpan lines, AccountsList& accounts)
{
    const PasswordFile file = ParsePasswordFile(lines);
    if (file.commonLogin) {
        accounts.defaults.login = *file.commonLogin;
    }
    if (file.commonEmailLogin) {
        accounts.defaults.emailLogin = *file.commonEmailLogin;
    }
    if (file.commonPassword) {
        accounts.defaults.password = *file.commonPassword;
    }
    for (const PasswordRecord& record : file.records) {
        if (AccountRow* row = accounts.FindExact(*record.name)) {
            row->login = record.login.value_or(row->login);
            row->password = record.password.value_or(row->password);
            row->requested = record.requested.value_or(row->requested);
        } else {
            accounts.passwordo.push_back(
                {*record.name, record.login.value_or(""), record.password.value_or("")});
        }
    }
}

void ReadProductPasswords(store::LineSpan lines, AccountsList& accounts)
{
    const PasswordFile file = ParsePasswordFile(lines);
    TakeIfEmpty(accounts.defaults.login, file.commonLogin);
    TakeIfEmpty(accounts.defaults.emailLogin, file.commonEmailLogin);
    TakeIfEmpty(accounts.defaults.password, file.commonPassword);
    for (const PasswordRecord& record : file.records) {
        if (AccountRow* row = accounts.FindNoCase(*record.name)) {
            TakeIfEmpty(row->login, record.login);
            TakeIfEmpty(row->password, record.password);
            TakeIfEmpty(row->requested, record.requested);
        }
    }
}

void DropLoginsWithoutAt(AccountsList& accounts)
{
    for (AccountRow& row : accounts.rows) {
        if (IsEmailLogin(row) && row.login.find('@') == std::string::npos) {
            row.login.clear();
        }
    }
}

store::LineList ProductPasswordLines(const AccountsList& accounts)
{
    store::TagWriter writer;
    WriteDefaults(writer, accounts.defaults);
    for (const AccountRow& row : accounts.rows) {
        WriteRow(writer, row);
    }
    WritePasswordo(writer, accounts.passwordo);
    return writer.Lines();
}

std::optional<store::LineList> CompanyPasswordLines(const AccountsList& accounts, bool fileExists)
{
    store::TagWriter writer;
    WriteDefaults(writer, accounts.defaults);
    const AccountDefaults& defaults = accounts.defaults;
    bool anySet = !defaults.login.empty() || !defaults.emailLogin.empty() || !defaults.password.empty();
    for (const AccountRow& row : accounts.rows) {
        if (row.unique == "YES") {
            continue;
        }
        WriteRow(writer, row);
        anySet = anySet || !row.login.empty() || !row.password.empty() || !row.requested.empty();
    }
    WritePasswordo(writer, accounts.passwordo);
    if (fileExists && !anySet) {
        return std::nullopt;
    }
    return writer.Lines();
}

} // namespace listrider::catalogue
