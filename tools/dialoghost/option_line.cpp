#include "tools/dialoghost/option_line.h"

#include <string_view>

namespace pd {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isReadableName(std::string_view name) {
    if (name.empty()) return false;
    for (const char c : name)
        if (isBlank(c) || c == '=' || c == '\'' || c == '"' || c == '\\') return false;
    return true;
}

bool needsEscape(char c) {
    return isBlank(c) || c == '\'' || c == '"' || c == '\\' || c == '{' || c == '}';
}

}  // namespace

std::string formatOptionLine(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string line;
    for (const auto& [name, value] : entries) {
        if (!isReadableName(name)) continue;
        if (!line.empty()) line += ' ';
        line += name;
        line += '=';
        if (value.empty()) line += "''";
        for (const char c : value) {
            if (needsEscape(c)) line += '\\';
            line += c;
        }
    }
    return line;
}

}  // namespace pd
