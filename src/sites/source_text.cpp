#include "sites/source_text.h"

namespace listrider::sites {

std::string TextFromSourceFile(std::string_view fileBytes)
{
    std::string text;
    text.reserve(fileBytes.size() + fileBytes.size() / 16);
    for (std::size_t i = 0; i < fileBytes.size(); ++i) {
        if (fileBytes[i] == '\n' && (i == 0 || fileBytes[i - 1] != '\r')) {
            text.push_back('\r');
        }
        text.push_back(fileBytes[i]);
    }
    return text;
}

std::optional<std::string> SourceFileFromText(std::string_view text)
{
    std::string file;
    file.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        file.push_back(text[i]);
    }
    if (TextFromSourceFile(file) != text) {
        return std::nullopt;
    }
    return file;
}

} // namespace listrider::sites
