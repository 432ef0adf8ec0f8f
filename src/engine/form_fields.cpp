#include "engine/form_fields.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "store/web_encoding.h"

namespace listrider::engine {
namespace {

constexpr std::string_view kEmptyText = "-empty text-";
constexpr std::string_view kEmptyBinary = "-empty binary-";

std::string Expand(const std::string& text, const store::NarrowMacroResolver& resolve)
{
    return resolve ? store::SubstituteMacros(text, resolve) : text;
}

// A step whose lists differ in length still sends; the missing entries read as empty.
void EqualizeLengths(std::vector<std::string>& names, std::vector<std::string>& values)
{
    const std::size_t size = std::max(names.size(), values.size());
    names.resize(size);
    values.resize(size);
}

// A quote, CR or LF in a part's name or file name would break its header line.
std::string PartHeaderText(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '"') {
            out += "%22";
        } else if (c == '\r') {
            out += "%0D";
        } else if (c == '\n') {
            out += "%0A";
        } else {
            out += c;
        }
    }
    return out;
}

// The name of the file without its directories: a site never learns the user's folders.
std::string BaseName(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

store::Result<std::string> ReadWholeFile(const std::string& path)
{
    std::error_code ec;
    std::ifstream in(path, std::ios::binary);
    if (!std::filesystem::is_regular_file(path, ec) || !in) {
        return store::MakeError(store::ErrorKind::Io, "Cannot read the file to upload", path);
    }
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return store::MakeError(store::ErrorKind::Io, "Cannot read the file to upload", path);
    }
    return bytes;
}

bool IsUploadPath(const std::string& value, const UploadPaths& uploadPaths)
{
    return !value.empty() && std::find(uploadPaths.begin(), uploadPaths.end(), value) != uploadPaths.end();
}

} // namespace

std::string BuildFormBody(std::vector<std::string>& names,
                          std::vector<std::string>& values,
                          const store::NarrowMacroResolver& resolve,
                          FormBodyRules rules)
{
    EqualizeLengths(names, values);
    std::string body;
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = Expand(names[i], resolve);
        values[i] = Expand(values[i], resolve);
        body += store::UrlEncode(names[i]) + "=" + store::UrlEncode(values[i], rules.valueSpaceAs20) + "&";
    }
    for (std::size_t i = rules.keepEmptyPairs ? 0 : names.size(); i-- > 0;) {
        if (names[i].empty() && values[i].empty()) {
            names.erase(names.begin() + static_cast<std::ptrdiff_t>(i));
            values.erase(values.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    if (body.ends_with('&')) {
        body.pop_back();
    }
    return body;
}

std::string BuildQuery(std::vector<std::string>& names,
                       std::vector<std::string>& values,
                       bool hasPrb,
                       const store::NarrowMacroResolver& resolve)
{
    EqualizeLengths(names, values);
    std::string query;
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = Expand(names[i], resolve);
        values[i] = Expand(values[i], resolve);
        query += store::UrlEncode(names[i]) + "=" + store::UrlEncode(values[i], hasPrb) + "&";
    }
    if (query.ends_with('&')) {
        query.pop_back();
    }
    return query;
}

store::Result<std::string> BuildMultipartBody(std::vector<std::string>& names,
                                              std::vector<std::string>& values,
                                              const UploadPaths& uploadPaths,
                                              const std::string& boundary,
                                              const store::NarrowMacroResolver& resolve)
{
    EqualizeLengths(names, values);
    std::string body;
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = Expand(names[i], resolve);
        values[i] = Expand(values[i], resolve);
        const bool placeholder = values[i] == kEmptyText || values[i] == kEmptyBinary;
        const bool isFile = placeholder || IsUploadPath(values[i], uploadPaths);
        if (placeholder) {
            values[i].clear();
        }
        body += "\r\n" + boundary + "\r\n";
        body += "Content-Disposition: form-data; name=\"" + PartHeaderText(names[i]) + "\"";
        if (!isFile) {
            body += "\r\n\r\n" + values[i];
            continue;
        }
        body += "; filename=\"" + PartHeaderText(BaseName(values[i])) + "\"";
        body += "\r\nContent-Type: application/octet-stream\r\n\r\n";
        if (!values[i].empty()) {
            store::Result<std::string> bytes = ReadWholeFile(values[i]);
            if (!bytes) {
                return bytes.GetError();
            }
            body += bytes.Value();
        }
    }
    body += "\r\n" + boundary + "--\r\n";
    return body;
}

} // namespace listrider::engine
