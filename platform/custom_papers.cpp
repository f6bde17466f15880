#include "platform/custom_papers.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace pd {

namespace {

CustomPaperPreferences noCustomPapers() {
    return {};
}

constinit std::atomic<CustomPaperReader> installedReader{noCustomPapers};

// A preferences file is a handful of lines; anything larger is not one.
constexpr std::size_t maximumFileSize = 1 << 20;

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
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               std::fclose);
    if (!file) return {};
    std::string text;
    char block[4096];
    while (text.size() <= maximumFileSize) {
        const std::size_t got = std::fread(block, 1, sizeof block, file.get());
        if (got == 0) break;
        text.append(block, got);
    }
    if (text.size() > maximumFileSize || std::ferror(file.get())) return {};
    return parseCustomPapers(text);
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
