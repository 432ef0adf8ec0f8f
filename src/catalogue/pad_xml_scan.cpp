#include "catalogue/pad_xml_scan.h"

#include <cstdlib>

#include "store/unicode.h"

namespace listrider::catalogue {
namespace {

struct OpenElement
{
    std::string name;
    std::string text;
    bool hasChildren = false;
};

std::string PathOf(const std::vector<OpenElement>& stack)
{
    std::string path;
    for (const OpenElement& element : stack) {
        path.append(path.empty() ? "" : "/").append(element.name);
    }
    return path;
}

std::string NameAt(std::string_view tag)
{
    std::size_t end = 0;
    while (end < tag.size() && tag[end] != ' ' && tag[end] != '\t' && tag[end] != '\r' && tag[end] != '\n' &&
           tag[end] != '/' && tag[end] != '>') {
        ++end;
    }
    return std::string(tag.substr(0, end));
}

} // namespace

std::string DecodeXmlEntities(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != '&') {
            out.push_back(text[i++]);
            continue;
        }
        const std::size_t semicolon = text.find(';', i);
        if (semicolon == std::string_view::npos || semicolon - i > 10) {
            out.push_back(text[i++]);
            continue;
        }
        const std::string_view name = text.substr(i + 1, semicolon - i - 1);
        char32_t cp = 0;
        if (name == "lt") {
            cp = '<';
        } else if (name == "gt") {
            cp = '>';
        } else if (name == "amp") {
            cp = '&';
        } else if (name == "quot") {
            cp = '"';
        } else if (name == "apos") {
            cp = '\'';
        } else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const std::string digits(name.substr(hex ? 2 : 1));
            char* end = nullptr;
            const unsigned long value =
                digits.empty() ? 0 : std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
            if (end != nullptr && *end == '\0' && value > 0 && value <= 0x10FFFF) {
                cp = static_cast<char32_t>(value);
            }
        }
        if (cp == 0) {
            out.push_back(text[i++]);
            continue;
        }
        store::AppendUtf8(out, cp);
        i = semicolon + 1;
    }
    return out;
}

std::vector<PadLeaf> ScanXmlLeaves(std::string_view xml)
{
    std::vector<PadLeaf> leaves;
    std::vector<OpenElement> stack;
    std::size_t i = 0;
    auto addText = [&stack](std::string_view text, bool decode) {
        if (!stack.empty()) {
            stack.back().text += decode ? DecodeXmlEntities(text) : std::string(text);
        }
    };
    while (i < xml.size()) {
        const std::size_t lt = xml.find('<', i);
        addText(xml.substr(i, lt == std::string_view::npos ? std::string_view::npos : lt - i), true);
        if (lt == std::string_view::npos) {
            break;
        }
        const std::string_view rest = xml.substr(lt);
        auto skipTo = [&](std::string_view end) {
            const std::size_t at = xml.find(end, lt);
            return at == std::string_view::npos ? xml.size() : at + end.size();
        };
        if (rest.starts_with("<![CDATA[")) {
            const std::size_t end = xml.find("]]>", lt);
            addText(xml.substr(lt + 9, end == std::string_view::npos ? std::string_view::npos : end - lt - 9),
                    false);
            i = end == std::string_view::npos ? xml.size() : end + 3;
            continue;
        }
        if (rest.starts_with("<!--")) {
            i = skipTo("-->");
            continue;
        }
        if (rest.starts_with("<?")) {
            i = skipTo("?>");
            continue;
        }
        if (rest.starts_with("<!")) {
            i = skipTo(">");
            continue;
        }
        const std::size_t gt = xml.find('>', lt);
        const std::string_view tag =
            xml.substr(lt + 1, gt == std::string_view::npos ? std::string_view::npos : gt - lt - 1);
        i = gt == std::string_view::npos ? xml.size() : gt + 1;
        if (tag.starts_with("/")) {
            const std::string name = NameAt(tag.substr(1));
            std::size_t match = stack.size();
            while (match > 0 && stack[match - 1].name != name) {
                --match;
            }
            if (match == 0) {
                continue; // a closing tag of nothing open
            }
            while (stack.size() >= match) {
                OpenElement& top = stack.back();
                if (!top.hasChildren) {
                    leaves.push_back({PathOf(stack), top.text});
                }
                stack.pop_back();
            }
            continue;
        }
        if (!stack.empty()) {
            stack.back().hasChildren = true;
        }
        OpenElement element{NameAt(tag), {}, false};
        if (tag.ends_with("/")) {
            stack.push_back(std::move(element));
            leaves.push_back({PathOf(stack), {}});
            stack.pop_back();
            continue;
        }
        stack.push_back(std::move(element));
    }
    return leaves;
}

} // namespace listrider::catalogue
