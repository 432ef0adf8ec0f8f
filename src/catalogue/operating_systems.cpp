#include "catalogue/operating_systems.h"

#include "store/ascii.h"

namespace listrider::catalogue {
namespace {

constexpr std::array<std::string_view, kOsCount> kCaptions = {
    "Windows 3.1x", "Windows 95",  "Windows 98",   "Windows ME",  "Windows NT 3.x", "Windows NT 4.x",
    "Windows 2000", "Windows XP",  "Windows 2003", "Windows CE",  "Palm OS 1.0",    "Palm OS 2.0",
    "Palm OS 2.1",  "Palm OS 3.0", "Palm OS 3.1",  "Palm OS 3.2", "Palm OS 3.5",    "Palm OS 4.0",
    "Palm OS 4.1",  "Palm OS 5",   "Pocket PC",    "Symbian",     "OS/2",           "OS/2 Warp",
    "OS/2 Warp 4",  "MAC 68k",     "Mac PPC",      "Mac OS X",    "Mac Other",      "Unix",
    "Linux",        "MS-DOS",      "BEOS"};

struct WindowsWord
{
    std::string_view test; ///< searched in the caption, in this order
    std::string_view padWord;
    std::string_view shortWord;
};

constexpr std::array<WindowsWord, 10> kWindowsWords = {{
    {"3.1x", "Win 3.1x", "3.x"},
    {"95", "Win95", "95"},
    {"98", "Win98", "98"},
    {"s ME", "WinME", "ME"},
    {"NT 3", "WinNT 3.x", "NT3"},
    {"NT 4", "WinNT 4.x", "NT4"},
    {"2000", "Windows2000", "2000"},
    {"s XP", "WinXP", "XP"},
    {"2003", "Windows2003", "2003"},
    {"s CE", "Windows CE", "CE"},
}};

constexpr std::size_t kWindowsEntries = 10;

// Returns the words of a Windows entry, found by the first test its caption passes.
const WindowsWord* WindowsWordOf(std::size_t index)
{
    if (index >= kWindowsEntries) {
        return nullptr;
    }
    const std::string_view caption = kCaptions[index];
    for (const WindowsWord& word : kWindowsWords) {
        if (store::ContainsNoCase(caption, word.test)) {
            return &word;
        }
    }
    return nullptr;
}

// Drops at most three trailing commas, as the writer of the lists always has.
std::string TrimListCommas(std::string text)
{
    for (int i = 0; i < 3 && !text.empty() && text.back() == ','; ++i) {
        text.pop_back();
    }
    return text;
}

} // namespace

std::span<const std::string_view> OsCaptions()
{
    return kCaptions;
}

std::string_view OsPadWord(std::size_t index)
{
    const WindowsWord* word = WindowsWordOf(index);
    return word != nullptr ? word->padWord : kCaptions[index];
}

bool OsSelection::Any() const
{
    for (const bool t : ticked) {
        if (t) {
            return true;
        }
    }
    return false;
}

std::string EncodeOsList(const OsSelection& selection)
{
    std::string text;
    for (std::size_t i = 0; i < kOsCount; ++i) {
        if (selection.ticked[i]) {
            text.append(OsPadWord(i)).push_back(',');
        }
    }
    return TrimListCommas(std::move(text));
}

OsSelection DecodeOsList(std::string_view stored)
{
    OsSelection selection;
    for (std::size_t i = 0; i < kOsCount; ++i) {
        selection.ticked[i] =
            store::ContainsNoCase(stored, OsPadWord(i)) || store::ContainsNoCase(stored, kCaptions[i]);
    }
    return selection;
}

std::string OsShortList(const OsSelection& selection)
{
    std::string text;
    for (std::size_t i = 0; i < kOsCount; ++i) {
        if (!selection.ticked[i]) {
            continue;
        }
        const WindowsWord* word = WindowsWordOf(i);
        text.append(word != nullptr ? word->shortWord : kCaptions[i]).push_back(' ');
    }
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    for (std::string_view windows : {"3.x", "95", "98", "ME", "NT3", "NT4", "200", "XP", "CE"}) {
        if (text.find(windows) != std::string::npos) {
            return "Win " + text;
        }
    }
    return text;
}

std::size_t FindOs(std::string_view text)
{
    for (std::size_t i = 0; i < kOsCount; ++i) {
        if (store::EqualsNoCase(kCaptions[i], text) || store::EqualsNoCase(OsPadWord(i), text)) {
            return i;
        }
    }
    return kOsCount;
}

} // namespace listrider::catalogue
