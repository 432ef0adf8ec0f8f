// Store and text helpers against a plain memchr line count over the same bytes.
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include <benchmark/benchmark.h>

#include "store/file_io.h"
#include "store/macro_scanner.h"
#include "store/site_text.h"
#include "store/web_encoding.h"

namespace {

namespace fs = std::filesystem;
using namespace listrider::store;

constexpr std::size_t kTenMegabytes = 10u << 20;
constexpr std::size_t kOneMegabyte = 1u << 20;

std::size_t MemchrLineCount(const char* data, std::size_t size)
{
    std::size_t lines = 0;
    const char* end = data + size;
    for (const char* p = data; p < end;) {
        const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
        if (lf == nullptr) {
            break;
        }
        ++lines;
        p = static_cast<const char*>(lf) + 1;
    }
    return lines;
}

// Lines like those of the stores: tag elements of 20 to 120 characters.
std::string StoreText(std::size_t size)
{
    std::mt19937 random(1);
    std::string text;
    text.reserve(size + 200);
    while (text.size() < size) {
        const std::size_t length = 20 + random() % 100;
        text += "<Tag_";
        text += std::to_string(random() % 50);
        text += ">";
        for (std::size_t i = 0; i < length; ++i) {
            text.push_back(static_cast<char>('a' + random() % 26));
        }
        text += "</Tag>\r\n";
    }
    return text;
}

// Form values as sites receive them: description lines of 60 to 100 characters (words,
// punctuation, some bytes above 127) joined by CR LF, as multi-line descriptions are sent.
std::string FormText(std::size_t size)
{
    std::mt19937 random(2);
    static const char kPunctuation[] = " .,-&=/:()";
    std::string text;
    text.reserve(size + 200);
    while (text.size() < size) {
        const std::size_t length = 60 + random() % 41;
        for (std::size_t i = 0; i < length; ++i) {
            const unsigned r = random() % 100;
            if (r < 80) {
                text.push_back(static_cast<char>('a' + random() % 26));
            } else if (r < 97) {
                text.push_back(kPunctuation[random() % (sizeof kPunctuation - 1)]);
            } else {
                text.push_back(static_cast<char>(0xC0 + random() % 64));
            }
        }
        text += "\r\n";
    }
    text.resize(size);
    return text;
}

std::string RandomBytes(std::size_t size)
{
    std::mt19937 random(3);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

// A text of `size` characters holding `macros` macros spread over it.
std::u16string MacroText(std::size_t size, std::size_t macros)
{
    std::u16string text;
    text.reserve(size);
    const std::size_t gap = size / macros - 14;
    for (std::size_t m = 0; m < macros; ++m) {
        text.append(gap, u'x');
        text.append(u"|ProgramName|");
        text.push_back(u'\n');
    }
    text.resize(size, u'y');
    return text;
}

void Baseline(benchmark::State& state, const std::string& bytes)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(MemchrLineCount(bytes.data(), bytes.size()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

const std::string& StoreBytes()
{
    static const std::string bytes = StoreText(kTenMegabytes);
    return bytes;
}

const fs::path& StoreFile()
{
    static const fs::path file = [] {
        const fs::path path = fs::temp_directory_path() / "listrider-bench-store.dat";
        if (!SaveStringToFile(path, StoreBytes())) {
            std::abort();
        }
        return path;
    }();
    return file;
}

void BM_LoadLines_Baseline(benchmark::State& state)
{
    Baseline(state, StoreBytes());
}

void BM_LoadLines(benchmark::State& state)
{
    const fs::path& file = StoreFile();
    for (auto _ : state) {
        LineList lines = LoadLines(file);
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * StoreBytes().size()));
}

// The split alone, without reading the file.
void BM_LineListFromText(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::string copy = StoreBytes();
        state.ResumeTiming();
        LineList lines = LineList::FromText(std::move(copy));
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * StoreBytes().size()));
}

void BM_DecodeSiteText_Baseline(benchmark::State& state)
{
    static const std::string bytes = RandomBytes(kOneMegabyte);
    Baseline(state, bytes);
}

void BM_DecodeSiteText(benchmark::State& state)
{
    static const std::string bytes = RandomBytes(kOneMegabyte);
    const SiteKey key{"LR-SiteData-7316", "Korvane"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeSiteText(bytes, key));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void BM_UrlEncode_Baseline(benchmark::State& state)
{
    static const std::string bytes = FormText(kOneMegabyte);
    Baseline(state, bytes);
}

void BM_UrlEncode(benchmark::State& state)
{
    static const std::string bytes = FormText(kOneMegabyte);
    for (auto _ : state) {
        benchmark::DoNotOptimize(UrlEncode(bytes));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

const std::u16string& Macros()
{
    static const std::u16string text = MacroText(kOneMegabyte, 10000);
    return text;
}

void BM_SubstituteMacros_Baseline(benchmark::State& state)
{
    const std::u16string& text = Macros();
    const std::string bytes(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
    Baseline(state, bytes);
}

void BM_SubstituteMacros(benchmark::State& state)
{
    const std::u16string& text = Macros();
    const MacroResolver resolve = [](std::u16string_view, std::u16string& out) {
        out += u"Listrider Demo Tool";
    };
    for (auto _ : state) {
        benchmark::DoNotOptimize(SubstituteMacros(text, resolve));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size() * sizeof(char16_t)));
}

} // namespace

BENCHMARK(BM_LoadLines_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LineListFromText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeSiteText_Baseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecodeSiteText)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UrlEncode_Baseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UrlEncode)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SubstituteMacros_Baseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SubstituteMacros)->Unit(benchmark::kMicrosecond);
