// A plug-in's bundle: the folder that holds the plug-in's code and resources.
//
// On Linux a bundle is a folder laid out as
//
//     printpanel.so                 the plug-in module
//     strings/LANGUAGE.strings      localised texts, one file per language tag ("de", "pt-BR")
//     NAME.view                     view descriptions (see views.h)
//     APP.app/APP                   the executable of a helper application APP.app
//
// A strings file holds one "key=value" line per text, split at the first "=", taken as it stands
// (a key may begin with "#"); lines without "=" are ignored. UTF-8.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/views.h"
#include "platform/preferred_languages.h"

namespace pd {

using StringsTable = std::map<std::string, std::string, std::less<>>;

class Bundle {
  public:
    virtual ~Bundle() = default;

    // The text of key in the user's language: looked up in the strings files of the preferred
    // languages in their order ("de-AT", then "de"), then of English; defaultValue when none has
    // the key.
    virtual std::string localizedString(std::string_view key,
                                        std::string_view defaultValue) const = 0;

    // The objects of the view description name ("PDE"); nullopt when the bundle has none or it
    // is not a view description.
    virtual std::optional<LoadedViews> loadView(std::string_view name) const = 0;

    // The path of the executable of the helper application applicationName ("x.app") inside the
    // bundle; nullopt when the bundle holds no such application folder.
    virtual std::optional<std::string> applicationExecutablePath(
        std::string_view applicationName) const = 0;
};

// The strings files to try for a preference list, in order: each tag, then the tag without its
// last sub-code, down to the bare language ("sr-Latn-RS", "sr-Latn", "sr"), and "en" last; no
// name twice.
std::vector<std::string> localizationSearchOrder(const PreferredLanguages& languages);

// The entries of a strings file's text.
StringsTable parseStringsFile(std::string_view text);

// A bundle in a folder of the file system.
class DirectoryBundle final : public Bundle {
  public:
    explicit DirectoryBundle(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    std::string localizedString(std::string_view key, std::string_view defaultValue) const override;
    std::optional<LoadedViews> loadView(std::string_view name) const override;
    std::optional<std::string> applicationExecutablePath(
        std::string_view applicationName) const override;

  private:
    std::string path_;
};

// A bundle held in memory, for tests: strings tables by language tag, view descriptions by name,
// helper executables by application name.
class MemoryBundle final : public Bundle {
  public:
    std::map<std::string, StringsTable, std::less<>> strings;
    std::map<std::string, std::string, std::less<>> viewDescriptions;
    std::map<std::string, std::string, std::less<>> applicationExecutables;

    std::string localizedString(std::string_view key, std::string_view defaultValue) const override;
    std::optional<LoadedViews> loadView(std::string_view name) const override;
    std::optional<std::string> applicationExecutablePath(
        std::string_view applicationName) const override;
};

}  // namespace pd
