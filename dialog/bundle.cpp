#include "dialog/bundle.h"

#include <sys/stat.h>

#include <algorithm>

#include "platform/small_file.h"

namespace pd {
namespace {

// The text of key in the first table of the search order that has it; tableOf gives the table of
// a language, or nullopt.
template <typename TableOf>
std::string lookUpLocalized(std::string_view key, std::string_view defaultValue,
                            TableOf&& tableOf) {
    for (const std::string& language : localizationSearchOrder(readPreferredLanguages())) {
        const std::optional<StringsTable> table = tableOf(language);
        if (!table) continue;
        const auto found = table->find(key);
        if (found != table->end()) return found->second;
    }
    return std::string(defaultValue);
}

// A name that stays inside the bundle's folder: one path component, not "." or "..".
bool isPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

// "x" for "x.app"; the name itself without that suffix.
std::string_view applicationStem(std::string_view applicationName) {
    constexpr std::string_view suffix = ".app";
    if (applicationName.size() > suffix.size() && applicationName.ends_with(suffix))
        applicationName.remove_suffix(suffix.size());
    return applicationName;
}

}  // namespace

std::vector<std::string> localizationSearchOrder(const PreferredLanguages& languages) {
    std::vector<std::string> order;
    const auto add = [&order](std::string_view name) {
        if (!name.empty() && std::find(order.begin(), order.end(), name) == order.end())
            order.emplace_back(name);
    };
    if (languages) {
        for (std::string_view tag : *languages) {
            while (!tag.empty()) {
                add(tag);
                const std::size_t dash = tag.rfind('-');
                tag = dash == std::string_view::npos ? std::string_view() : tag.substr(0, dash);
            }
        }
    }
    add("en");
    return order;
}

StringsTable parseStringsFile(std::string_view text) {
    StringsTable table;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        table.insert_or_assign(std::string(line.substr(0, equals)),
                               std::string(line.substr(equals + 1)));
    }
    return table;
}

std::string DirectoryBundle::localizedString(std::string_view key,
                                             std::string_view defaultValue) const {
    return lookUpLocalized(key, defaultValue, [this](const std::string& language) {
        std::optional<StringsTable> table;
        if (!isPlainName(language)) return table;
        if (const auto text = readSmallFile(path_ + "/strings/" + language + ".strings"))
            table = parseStringsFile(*text);
        return table;
    });
}

std::optional<LoadedViews> DirectoryBundle::loadView(std::string_view name) const {
    if (!isPlainName(name)) return std::nullopt;
    const auto text = readSmallFile(path_ + "/" + std::string(name) + ".view");
    if (!text) return std::nullopt;
    return instantiateViewDescription(*text);
}

std::optional<std::string> DirectoryBundle::applicationExecutablePath(
    std::string_view applicationName) const {
    if (!isPlainName(applicationName)) return std::nullopt;
    const std::string folder = path_ + "/" + std::string(applicationName);
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) return std::nullopt;
    return folder + "/" + std::string(applicationStem(applicationName));
}

std::string MemoryBundle::localizedString(std::string_view key,
                                          std::string_view defaultValue) const {
    return lookUpLocalized(key, defaultValue, [this](const std::string& language) {
        std::optional<StringsTable> table;
        if (const auto found = strings.find(language); found != strings.end())
            table = found->second;
        return table;
    });
}

std::optional<LoadedViews> MemoryBundle::loadView(std::string_view name) const {
    const auto found = viewDescriptions.find(name);
    if (found == viewDescriptions.end()) return std::nullopt;
    return instantiateViewDescription(found->second);
}

std::optional<std::string> MemoryBundle::applicationExecutablePath(
    std::string_view applicationName) const {
    const auto found = applicationExecutables.find(applicationName);
    if (found == applicationExecutables.end()) return std::nullopt;
    return found->second;
}

}  // namespace pd
