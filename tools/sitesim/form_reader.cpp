#include "form_reader.h"

#include <httplib.h>

namespace sitesim {
namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string_view Query(const httplib::Request& request)
{
    const std::string_view target(request.target);
    const std::size_t mark = target.find('?');
    return mark == std::string_view::npos ? std::string_view() : target.substr(mark + 1);
}

} // namespace

std::optional<std::string> Form::Get(std::string_view name) const
{
    for (const FormField& field : fields) {
        if (field.name == name) {
            return field.value;
        }
    }
    return std::nullopt;
}

const FormField* Form::File(std::string_view name) const
{
    for (const FormField& field : fields) {
        if (field.name == name && field.filename) {
            return &field;
        }
    }
    return nullptr;
}

std::string FormDecode(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            decoded += ' ';
        } else if (c == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
                   HexDigit(text[i + 2]) >= 0) {
            decoded += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            decoded += c;
        }
    }
    return decoded;
}

std::vector<FormField> ParseUrlEncoded(std::string_view text)
{
    std::vector<FormField> fields;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('&', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view pair = text.substr(start, end - start);
        if (!pair.empty()) {
            const std::size_t equals = pair.find('=');
            FormField field;
            field.name = FormDecode(pair.substr(0, equals));
            if (equals != std::string_view::npos) {
                field.value = FormDecode(pair.substr(equals + 1));
            }
            fields.push_back(std::move(field));
        }
        start = end + 1;
    }
    return fields;
}

Form ReadForm(const httplib::Request& request)
{
    Form form;
    form.fields = ParseUrlEncoded(Query(request));
    const std::string type = request.get_header_value("Content-Type");
    if (type.rfind("application/x-www-form-urlencoded", 0) == 0) {
        std::vector<FormField> body = ParseUrlEncoded(request.body);
        form.fields.insert(form.fields.end(), body.begin(), body.end());
    }
    for (const auto& [name, part] : request.files) {
        FormField field;
        field.name = part.name;
        field.value = part.content;
        // A text part carries no filename attribute at all; a file part carries one, even empty.
        if (!part.filename.empty() || !part.content_type.empty()) {
            field.filename = part.filename;
        }
        field.contentType = part.content_type;
        form.fields.push_back(std::move(field));
    }
    return form;
}

std::string CookieValue(const httplib::Request& request, std::string_view name)
{
    const std::string header = request.get_header_value("Cookie");
    std::size_t start = 0;
    while (start < header.size()) {
        std::size_t end = header.find(';', start);
        if (end == std::string::npos) {
            end = header.size();
        }
        std::string_view pair = std::string_view(header).substr(start, end - start);
        while (!pair.empty() && pair.front() == ' ') {
            pair.remove_prefix(1);
        }
        if (pair.size() > name.size() && pair.substr(0, name.size()) == name && pair[name.size()] == '=') {
            return std::string(pair.substr(name.size() + 1));
        }
        start = end + 1;
    }
    return {};
}

} // namespace sitesim
