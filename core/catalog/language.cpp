#include "core/catalog/language.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>

#include "core/catalog/option_catalogue.h"
#include "platform/preferred_languages.h"

namespace pd {

// Among rows of one code the earlier row is tried first, so the order matters. "zh-CN" selects
// Simplified Chinese: it is what a Simplified Chinese system states (LANG=zh_CN.UTF-8).
const std::array<LanguageCodeRow, languageCodeRowCount> languageCodeTable = {{
    {0, "en", {"US", "CA", "CB"}},
    {1, "en", {}},
    {2, "ja", {}},
    {3, "de", {}},
    {4, "fr", {}},
    {5, "it", {}},
    {6, "es", {}},
    {7, "pt", {}},
    {8, "ru", {}},
    {46, "sv", {"FI"}},
    {47, "sv", {}},
    {9, "nl", {}},
    {10, "tr", {}},
    {11, "pl", {}},
    {13, "zh", {"Hans", "SG", "CN"}},
    {12, "zh", {"Hant", "HK", "MO", "TW"}},
    {14, "ko", {}},
    {15, "th", {}},
    {16, "sq", {}},
    {17, "be", {}},
    {18, "bs", {}},
    {19, "bg", {}},
    {20, "ca", {}},
    {21, "hr", {}},
    {22, "cs", {}},
    {23, "da", {}},
    {24, "nl", {"BE"}},
    {25, "et", {}},
    {26, "fi", {}},
    {27, "el", {}},
    {28, "hu", {}},
    {29, "is", {}},
    {30, "ga", {}},
    {31, "lv", {}},
    {32, "lt", {}},
    {33, "lb", {}},
    {34, "mk", {}},
    {35, "mt", {}},
    {36, "nb", {}},
    {37, "nn", {}},
    {38, "ro", {}},
    {39, "rm", {}},
    {40, "sr", {"BA"}},
    {41, "sr", {"Latn", "BA"}},
    {42, "sr", {"SP"}},
    {43, "sr", {}},
    {44, "sk", {}},
    {45, "sl", {}},
    {48, "uk", {}},
}};

const std::array<LanguageIndexRow, 9> languageIndexTable = {{
    {languageUsEnglish, 0, {1, languageNumberEnd}},
    {languageJapanese, 2, {languageNumberEnd, languageNumberEnd}},
    {languageGerman, 3, {languageNumberEnd, languageNumberEnd}},
    {languageFrench, 4, {languageNumberEnd, languageNumberEnd}},
    {languageItalian, 5, {languageNumberEnd, languageNumberEnd}},
    {languageSpanish, 6, {languageNumberEnd, languageNumberEnd}},
    {languageSimplifiedChinese, 13, {languageNumberEnd, languageNumberEnd}},
    {languageTraditionalChinese, 12, {languageNumberEnd, languageNumberEnd}},
    {languageKorean, 14, {languageNumberEnd, languageNumberEnd}},
}};

namespace {

constexpr std::string_view entrySeparators = "-_:";

bool listsNoSubCode(const LanguageCodeRow& row) {
    return row.subCodes[0] == nullptr;
}

bool listsSubCode(const LanguageCodeRow& row, std::string_view subCode) {
    if (subCode.empty()) return false;
    for (const std::string_view listed : row.subCodes)
        if (!listed.empty() && listed == subCode) return true;
    return false;
}

bool selects(const LanguageIndexRow& row, LanguageNumber number) {
    if (row.number == number) return true;
    for (const LanguageNumber alternative : row.alternatives) {
        if (alternative == languageNumberEnd) break;
        if (alternative == number) return true;
    }
    return false;
}

// The list of this process, built once by the first reader or by the filter.
struct PreferredLanguageList {
    std::mutex mutex;
    std::atomic<bool> ready{false};
    std::vector<LanguageNumber> numbers;
};

PreferredLanguageList& preferredLanguageList() {
    static PreferredLanguageList list;
    return list;
}

// Builds the list under its lock unless it is ready; returns whether this call built it. A build
// that throws leaves the list not ready, so that the next call tries again.
template <typename Build>
bool buildPreferredLanguageList(Build build) {
    PreferredLanguageList& list = preferredLanguageList();
    if (list.ready.load(std::memory_order_acquire)) return false;
    const std::lock_guard lock(list.mutex);
    if (list.ready.load(std::memory_order_relaxed)) return false;
    list.numbers = build();
    list.ready.store(true, std::memory_order_release);
    return true;
}

}  // namespace

std::optional<LanguageNumber> languageNumberOfEntry(std::string_view entry) {
    const auto codeEnd = entry.find_first_of(entrySeparators);
    const std::string_view code = entry.substr(0, codeEnd);
    std::string_view subCode;
    if (codeEnd != std::string_view::npos) {
        subCode = entry.substr(codeEnd + 1);
        subCode = subCode.substr(0, subCode.find_first_of(entrySeparators));
    }

    const LanguageCodeRow* last = nullptr;
    for (const LanguageCodeRow& row : languageCodeTable) {
        if (row.code != code) continue;
        if (listsNoSubCode(row) || listsSubCode(row, subCode)) return row.number;
        last = &row;
    }
    if (!last) return std::nullopt;
    return last->number;
}

std::vector<LanguageNumber> languageNumbersOfEntries(std::span<const std::string> entries) {
    std::vector<LanguageNumber> numbers;
    for (const std::string& entry : entries)
        if (const auto number = languageNumberOfEntry(entry)) numbers.push_back(*number);
    return numbers;
}

LanguageIndex languageIndexOfNumbers(std::span<const LanguageNumber> numbers) {
    for (const LanguageNumber number : numbers)
        for (const LanguageIndexRow& row : languageIndexTable)
            if (selects(row, number)) return row.index;
    return languageUsEnglish;
}

const std::vector<LanguageNumber>& preferredLanguageNumbers() {
    buildPreferredLanguageList([] {
        const PreferredLanguages entries = readPreferredLanguages();
        return entries ? languageNumbersOfEntries(*entries) : std::vector<LanguageNumber>{};
    });
    return preferredLanguageList().numbers;
}

bool usePreferredLanguagesOfFilter() {
    buildPreferredLanguageList([] { return std::vector<LanguageNumber>{0}; });
    return preferredLanguageList().numbers == std::vector<LanguageNumber>{0};
}

LanguageIndex systemLanguageIndex() {
    return languageIndexOfNumbers(preferredLanguageNumbers());
}

LanguageIndex languageVersionIndex(const char* languageVersion) {
    if (languageVersion) {
        const std::uint32_t count = std::min<std::uint32_t>(languageVersionOption.choiceCount,
                                                            languageVersionOption.choices.size());
        for (std::uint32_t choice = 0; choice < count; ++choice) {
            const char* keyword = languageVersionOption.choices[choice].names.ppdName;
            if (!keyword || std::strcmp(keyword, languageVersion) != 0) continue;
            // English, the first choice, leaves the language to the user's preference.
            if (choice != 0) return choice;
            break;
        }
    }
    return systemLanguageIndex();
}

}  // namespace pd
