// The text commands that search a page character by character, on generated 1 MB pages with
// many candidate positions (the form pages sites return are far smaller).
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "engine/text_commands.h"

namespace {

using namespace listrider;

constexpr std::size_t kPageBytes = 1u << 20;

std::string Repeat(const std::string& piece, const std::string& end = {})
{
    std::string page;
    page.reserve(kPageBytes + end.size() + piece.size());
    while (page.size() + piece.size() + end.size() <= kPageBytes) {
        page += piece;
    }
    return page + end;
}

// A form page: every "V" and "v" is a candidate for "Version:", and the text stands only at the end.
std::string FormPage()
{
    return Repeat(
        "<tr><td class=\"v\">Value</td><td><input type=\"text\" name=\"v1\" value=\"vv\"></td></tr> ",
        "<b>Ver</b>sion: 4.2 ");
}

// Every candidate matches a long part of the text across tags and spaces before it fails.
std::string NearMissPage()
{
    return Repeat("a <i>a</i>  a <b>a</b> a a ", "a a a a a a z ");
}

// After every candidate a '<' whose tag closes only at the end of the page.
std::string LongTagPage()
{
    return Repeat("x<", "> xy tail");
}

// Split labels to rejoin: every occurrence is a replacement.
std::string SplitLabelPage()
{
    return Repeat("<td>Pass<b>word</b>:</td><td>x</td> ");
}

// Editions before the version: every occurrence is passed over.
std::string EditionsPage()
{
    return Repeat("Version: Pro Edition <br> ", "Version: 2.1 Beta 7 ");
}

// One long word holding the label again and again; every occurrence in it is an edition.
std::string LongWordPage()
{
    return Repeat("vV", "pro1 v3 ");
}

void RunCommand(benchmark::State& state, const std::string& page, std::string word, std::string operand)
{
    const std::vector<std::string> commands = {std::move(word), std::move(operand)};
    engine::TextCommandPages pages;
    engine::CustomValues custom;
    const store::NarrowMacroResolver asWritten = [](std::string_view token, std::string& out) {
        out += token;
    };
    const engine::TextCommandContext context{pages, custom, asWritten};
    for (auto _ : state) {
        std::vector<std::string> names;
        std::vector<std::string> values;
        store::Result<engine::TextCommandOutcome> outcome =
            engine::RunTextCommandsOnPage(page, commands, names, values, context);
        benchmark::DoNotOptimize(outcome);
        if (!outcome || outcome.Value().result != "0") {
            state.SkipWithError("the command failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}

void BM_SmartFindTextFormPage(benchmark::State& state)
{
    RunCommand(state, FormPage(), "SMARTFINDTEXT", "Version: 4.2");
}

BENCHMARK(BM_SmartFindTextFormPage)->Unit(benchmark::kMillisecond);

void BM_SmartFindTextNearMisses(benchmark::State& state)
{
    RunCommand(state, NearMissPage(), "SMARTFINDTEXT", "a a a a a a z");
}

BENCHMARK(BM_SmartFindTextNearMisses)->Unit(benchmark::kMillisecond);

void BM_SmartFindTextAcrossOneLongTag(benchmark::State& state)
{
    RunCommand(state, LongTagPage(), "SMARTFINDTEXT", "xy");
}

BENCHMARK(BM_SmartFindTextAcrossOneLongTag)->Unit(benchmark::kMillisecond);

void BM_UnsmartSplitLabels(benchmark::State& state)
{
    RunCommand(state, SplitLabelPage(), "UNSMART", "Password:");
}

BENCHMARK(BM_UnsmartSplitLabels)->Unit(benchmark::kMillisecond);

void BM_UnsmartNearMisses(benchmark::State& state)
{
    RunCommand(state, NearMissPage(), "UNSMART", "a a a a a a z");
}

BENCHMARK(BM_UnsmartNearMisses)->Unit(benchmark::kMillisecond);

void BM_FindVersionAfterEditions(benchmark::State& state)
{
    RunCommand(state, EditionsPage(), "FINDVERSION", "Version: ");
}

BENCHMARK(BM_FindVersionAfterEditions)->Unit(benchmark::kMillisecond);

void BM_FindVersionInsideOneLongWord(benchmark::State& state)
{
    RunCommand(state, LongWordPage(), "FINDVERSION", "v");
}

BENCHMARK(BM_FindVersionInsideOneLongWord)->Unit(benchmark::kMillisecond);

} // namespace
