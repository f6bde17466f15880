#include "platform/preferred_languages.h"

#include <cstdlib>
#include <mutex>
#include <string_view>
#include <utility>

namespace pd {
namespace {

// The fixed list installed by a FakePreferredLanguages, if any.
struct FixedPreferences {
    std::mutex mutex;
    std::optional<PreferredLanguages> languages;
};

FixedPreferences& fixedPreferences() {
    static FixedPreferences fixed;
    return fixed;
}

const char* nonEmpty(const char* value) {
    return value && *value ? value : nullptr;
}

bool isLowerAsciiLetters(std::string_view text) {
    for (const char c : text)
        if (c < 'a' || c > 'z') return false;
    return true;
}

bool isAsciiAlnum(std::string_view text) {
    for (const char c : text)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

// The script sub-code that a glibc locale modifier stands for, or empty.
std::string_view scriptOfModifier(std::string_view modifier) {
    if (modifier == "latin") return "Latn";
    if (modifier == "cyrillic") return "Cyrl";
    return {};
}

}  // namespace

std::optional<std::string> languageTagFromLocaleName(const std::string& localeName) {
    std::string_view rest = localeName;
    std::string_view modifier;
    if (const auto at = rest.find('@'); at != std::string_view::npos) {
        modifier = rest.substr(at + 1);
        rest = rest.substr(0, at);
    }
    if (const auto dot = rest.find('.'); dot != std::string_view::npos) rest = rest.substr(0, dot);
    std::string_view territory;
    if (const auto underscore = rest.find('_'); underscore != std::string_view::npos) {
        territory = rest.substr(underscore + 1);
        rest = rest.substr(0, underscore);
    }
    // "C" and "POSIX" fail here as well: they name no language.
    if (rest.size() < 2 || rest.size() > 3 || !isLowerAsciiLetters(rest)) return std::nullopt;

    std::string tag(rest);
    if (const auto script = scriptOfModifier(modifier); !script.empty()) {
        tag += '-';
        tag += script;
    }
    if (!territory.empty() && isAsciiAlnum(territory)) {
        tag += '-';
        tag += territory;
    }
    return tag;
}

PreferredLanguages preferredLanguagesFromEnvironment(EnvironmentLookup lookup) {
    const char* locale = nonEmpty(lookup("LC_ALL"));
    if (!locale) locale = nonEmpty(lookup("LC_MESSAGES"));
    if (!locale) locale = nonEmpty(lookup("LANG"));
    const char* list = nonEmpty(lookup("LANGUAGE"));
    if (!locale && !list) return std::nullopt;

    std::vector<std::string> languages;
    const std::string_view localeName = locale ? locale : "";
    if (localeName == "C" || localeName == "POSIX") return languages;

    if (list) {
        std::string_view rest = list;
        while (!rest.empty()) {
            const auto colon = rest.find(':');
            if (auto tag = languageTagFromLocaleName(std::string(rest.substr(0, colon))))
                languages.push_back(std::move(*tag));
            if (colon == std::string_view::npos) break;
            rest.remove_prefix(colon + 1);
        }
    } else if (auto tag = languageTagFromLocaleName(std::string(localeName))) {
        languages.push_back(std::move(*tag));
    }
    return languages;
}

PreferredLanguages readPreferredLanguages() {
    {
        FixedPreferences& fixed = fixedPreferences();
        const std::lock_guard lock(fixed.mutex);
        if (fixed.languages) return *fixed.languages;
    }
    return preferredLanguagesFromEnvironment(
        [](const char* name) -> const char* { return std::getenv(name); });
}

FakePreferredLanguages::FakePreferredLanguages(PreferredLanguages languages) {
    FixedPreferences& fixed = fixedPreferences();
    const std::lock_guard lock(fixed.mutex);
    hadPrevious_ = fixed.languages.has_value();
    if (hadPrevious_) previous_ = std::move(*fixed.languages);
    fixed.languages = std::move(languages);
}

FakePreferredLanguages::~FakePreferredLanguages() {
    FixedPreferences& fixed = fixedPreferences();
    const std::lock_guard lock(fixed.mutex);
    if (hadPrevious_)
        fixed.languages = std::move(previous_);
    else
        fixed.languages.reset();
}

}  // namespace pd
