// The user's preferred user-interface languages, as the system states them.
//
// Languages are language tags, most preferred first: a lower-case language code, then optional
// script and region sub-codes after a '-' ("fr-FR", "zh-Hans", "sr-Latn-RS", "en"). On Linux they
// come from the locale variables; tests and the filter install a fixed list instead.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pd {

// The preference list, or nullopt when the system states no preference at all.
using PreferredLanguages = std::optional<std::vector<std::string>>;

// Looks an environment variable up; null when it is not set.
using EnvironmentLookup = const char* (*)(const char* name);

// The preference list of the installed fixed list if there is one, else of the process
// environment.
PreferredLanguages readPreferredLanguages();

// The preference list that the locale variables state, as gettext reads them: the first non-empty
// of LC_ALL, LC_MESSAGES and LANG names the locale; LANGUAGE, a ':'-separated list of locale names,
// takes precedence over it unless that locale is "C" or "POSIX", which ask for untranslated
// (US English) texts. Nothing set gives nullopt.
PreferredLanguages preferredLanguagesFromEnvironment(EnvironmentLookup lookup);

// The language tag of a POSIX locale name (language[_territory][.codeset][@modifier]):
// "zh_CN.UTF-8" gives "zh-CN", "sr_RS@latin" gives "sr-Latn-RS". "C", "POSIX" and names without a
// language give nullopt.
std::optional<std::string> languageTagFromLocaleName(const std::string& localeName);

// In-memory stand-in for the system's preferences: while it lives, readPreferredLanguages()
// answers its list. Instances nest; destroying one restores what was installed before it.
class FakePreferredLanguages {
  public:
    explicit FakePreferredLanguages(PreferredLanguages languages);
    ~FakePreferredLanguages();
    FakePreferredLanguages(const FakePreferredLanguages&) = delete;
    FakePreferredLanguages& operator=(const FakePreferredLanguages&) = delete;

  private:
    PreferredLanguages previous_;
    bool hadPrevious_;
};

}  // namespace pd
