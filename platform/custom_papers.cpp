#include "platform/custom_papers.h"

#include <atomic>
#include <cstdlib>

#include "platform/small_file.h"

namespace pd {

namespace {

CustomPaperPreferences noCustomPapers() {
    return {};
}

constinit std::atomic<CustomPaperReader> installedReader{noCustomPapers};

std::string_view trimmed(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

bool isTrue(std::string_view value) {
    return value == "true" || value == "yes" || value == "1";
}

}  // namespace

CustomPaperPreferences parseCustomPapers(std::string_view text) {
    CustomPaperPreferences papers;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            papers.emplace_back(CustomPaperPreference{});
            continue;
        }
        const std::size_t equals = line.find('=');
        if (papers.empty() || equals == std::string_view::npos) continue;
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string_view value = trimmed(line.substr(equals + 1));
        if (key == "name")
            papers.back()->name = std::string(value);
        else if (key == "fromengine")
            papers.back()->fromEngine = isTrue(value);
    }
    return papers;
}

std::string customPapersPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && config[0] == '/')
        return std::string(config) + "/printdriver/custompapers";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return std::string(home) + "/.config/printdriver/custompapers";
    return {};
}

CustomPaperPreferences userCustomPapers() {
    const std::string path = customPapersPath();
    if (path.empty()) return {};
    const std::optional<std::string> text = readSmallFile(path);
    return text ? parseCustomPapers(*text) : CustomPaperPreferences{};
}

void setCustomPaperReader(CustomPaperReader reader) {
    installedReader.store(reader != nullptr ? reader : noCustomPapers);
}

void useUserCustomPapers() {
    setCustomPaperReader(userCustomPapers);
}

CustomPaperPreferences readCustomPapers() {
    return installedReader.load()();
}

}  // namespace pd
