#include "engine/text_commands.h"

#include "engine/form_extraction.h"
#include "engine/page_search.h"
#include "engine/whole_number.h"
#include "engine/working_page.h"
#include "store/ascii.h"
#include "store/text_helpers.h"
#include "store/web_encoding.h"

namespace listrider::engine {
namespace {

// An operand "search text |CustomN|": the target is the text after the last space.
struct Extraction
{
    std::string_view search;
    std::size_t target = 0; ///< 0-based custom value
};

std::optional<Extraction> ParseExtraction(std::string_view operand)
{
    const std::size_t space = operand.rfind(' ');
    if (space == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view target = operand.substr(space + 1);
    for (std::size_t i = 0; i < 10; ++i) {
        if (target == "|Custom" + std::to_string(i + 1) + "|") {
            return Extraction{operand.substr(0, space), i};
        }
    }
    return std::nullopt;
}

std::string_view BeforeFirstOf(std::string_view text, char c)
{
    const std::size_t pos = text.find(c);
    return pos == std::string_view::npos ? text : text.substr(0, pos);
}

class Interpreter
{
public:
    Interpreter(std::string page,
                std::vector<std::string>& names,
                std::vector<std::string>& values,
                const TextCommandContext& context)
        : m_page(std::move(page))
        , m_names(names)
        , m_values(values)
        , m_context(context)
    {}

    store::Result<void> Run(std::string_view word, std::string_view operand)
    {
        if (word == "FINDFORM") {
            return FindFormCommand(operand);
        }
        if (word == "FINDTEXT") {
            Cut(FromFirst(m_page, Expand(operand)));
        } else if (word == "FINDTEXTBEFORE") {
            Cut(BeforeLast(m_page, Expand(operand)));
        } else if (word == "FINDTEXTCUTBEFORE") {
            Cut(BeforeFirst(m_page, Expand(operand)));
        } else if (word == "SMARTFINDTEXT") {
            const std::string text = Expand(operand);
            Cut(SmartAfter(store::HtmlUnescape(m_page), text));
        } else if (word == "SMARTFINDTEXTBEFORE") {
            Cut(SmartBefore(m_page, Expand(operand)));
        } else if (word == "UNSMART") {
            m_page = Unsmart(m_page, Expand(operand));
        } else if (word == "RELOADHTML") {
            Cut(m_context.pages.lastSuccessPage);
        } else if (word == "REMOVEAMPS") {
            Cut(store::HtmlUnescapeText(m_page));
        } else if (word == "ADDASLOGIN") {
            m_outcome.capturedLogin = Expand(operand);
        } else if (word == "ADDASPASSWORD") {
            m_outcome.capturedPassword = Expand(operand);
        } else if (word == "EXTRACT") {
            ExtractField(operand);
        } else if (word == "EXTRACTTEXT" || word == "EXTRACTTEXTBEFORE" || word == "CLEANEXTRACTTEXT" ||
                   word == "CLEANEXTRACTTEXTBEFORE") {
            ExtractText(word, operand);
        } else if (word == "FINDVERSION" || word == "FINDVERSIONCUTBEFORE") {
            FindVersionCommand(word, operand);
        } else if (word == "EXTRACTVERSION") {
            ExtractVersion(operand);
        }
        return {};
    }

    TextCommandOutcome Take() { return std::move(m_outcome); }

private:
    std::string Expand(std::string_view text) const
    {
        return store::SubstituteMacros(text, m_context.resolve);
    }

    void Fail() { m_outcome.result = "-1"; }

    // The cutting commands fail on an empty page and leave it empty, so the step's later
    // cutting commands fail too.
    void Cut(std::string page)
    {
        m_page = std::move(page);
        if (m_page.empty()) {
            Fail();
        }
    }

    store::Result<void> FindFormCommand(std::string_view operand)
    {
        const std::optional<std::int64_t> number = ParseWholeNumber(operand);
        if (!number) {
            return store::MakeError(
                store::ErrorKind::Malformed, "FINDFORM needs a form number", std::string(operand));
        }
        FormFields forms = FindForm(m_page, *number);
        m_names = std::move(forms.names);
        m_values = std::move(forms.values);
        m_outcome.path = std::move(forms.action);
        m_outcome.method = std::move(forms.method);
        if (m_names.empty()) {
            Fail();
        }
        return {};
    }

    void ExtractField(std::string_view operand)
    {
        const std::optional<Extraction> extraction = ParseExtraction(operand);
        if (!extraction) {
            Fail();
            return;
        }
        std::string value;
        const std::size_t fields = std::min(m_names.size(), m_values.size());
        for (std::size_t i = 0; i < fields; ++i) {
            if (store::EqualsNoCase(m_names[i], extraction->search)) {
                value = m_values[i];
            }
        }
        m_context.custom[extraction->target] = std::move(value);
    }

    void ExtractText(std::string_view word, std::string_view operand)
    {
        const std::optional<Extraction> extraction = ParseExtraction(operand);
        if (!extraction) {
            Fail();
            return;
        }
        const std::string search = Expand(extraction->search);
        const bool last = word.ends_with("BEFORE");
        std::optional<std::string> value = last ? ValueAfterLast(m_page, search) : ValueAfter(m_page, search);
        if (!value) {
            Fail();
            return;
        }
        m_context.custom[extraction->target] =
            word.starts_with("CLEAN") ? CleanExtractedValue(*value) : *value;
    }

    void FindVersionCommand(std::string_view word, std::string_view operand)
    {
        const std::string label = Expand(operand);
        const std::optional<FoundVersion> found = FindVersion(m_page, label, m_context.versionRules);
        if (!found) {
            Fail();
            return;
        }
        if (word == "FINDVERSION") {
            Cut(m_page.substr(found->occurrence));
        } else {
            Cut(m_page.substr(0, found->occurrence + label.size()));
        }
    }

    void ExtractVersion(std::string_view operand)
    {
        const std::optional<Extraction> extraction = ParseExtraction(operand);
        if (!extraction) {
            Fail();
            return;
        }
        const std::optional<FoundVersion> found =
            FindVersion(m_page, Expand(extraction->search), m_context.versionRules);
        if (!found) {
            Fail();
            return;
        }
        m_context.custom[extraction->target] = found->words;
    }

    std::string m_page;
    std::vector<std::string>& m_names;
    std::vector<std::string>& m_values;
    const TextCommandContext& m_context;
    TextCommandOutcome m_outcome;
};

} // namespace

void TextCommandPages::StartSite()
{
    previousPage.reset();
    lastSuccessPage.clear();
}

bool HasTextCommands(std::span<const std::string> commandLines)
{
    return !commandLines.empty() && commandLines.size() % 2 == 0;
}

std::string CleanExtractedValue(std::string_view value)
{
    for (const char stop : {'&', ')', '[', ']'}) {
        value = BeforeFirstOf(value, stop);
    }
    const std::size_t word = value.find_first_not_of(' ');
    if (word != std::string_view::npos) {
        const std::size_t space = value.find(' ', word);
        if (space != std::string_view::npos) {
            value = value.substr(0, space);
        }
    }
    return store::TrimTrailingSpaces(store::TrimLeadingSpaces(value));
}

store::Result<TextCommandOutcome> RunTextCommands(std::span<const std::string> commandLines,
                                                  std::vector<std::string>& names,
                                                  std::vector<std::string>& values,
                                                  const TextCommandContext& context)
{
    std::string page;
    if (context.pages.previousPage) {
        store::Result<std::string> read = ReadWorkingPage(*context.pages.previousPage);
        if (!read) {
            return read.GetError();
        }
        page = std::move(read).Value();
    }
    return RunTextCommandsOnPage(std::move(page), commandLines, names, values, context);
}

store::Result<TextCommandOutcome> RunTextCommandsOnPage(std::string workingPage,
                                                        std::span<const std::string> commandLines,
                                                        std::vector<std::string>& names,
                                                        std::vector<std::string>& values,
                                                        const TextCommandContext& context)
{
    Interpreter interpreter(std::move(workingPage), names, values, context);
    for (std::size_t i = 0; i + 1 < commandLines.size(); i += 2) {
        if (store::Result<void> ran = interpreter.Run(commandLines[i], commandLines[i + 1]); !ran) {
            return ran.GetError();
        }
    }
    return interpreter.Take();
}

} // namespace listrider::engine
