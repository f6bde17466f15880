#include "filter/pjl/pjl_line.h"

#include <algorithm>

namespace pd {
namespace {

constexpr std::string_view setPrefix = "@PJL SET ";
constexpr std::string_view lineEnd = "\r\n";

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isAsciiAlphanumeric(char c) {
    return isAsciiDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool needsQuotes(std::string_view value) {
    if (value.empty()) return false;
    if (value.front() == '-') return !std::all_of(value.begin() + 1, value.end(), isAsciiDigit);
    return !std::all_of(value.begin(), value.end(), isAsciiAlphanumeric);
}

}  // namespace

std::string pjlSafeValue(std::string_view value) {
    std::string safe(value);
    for (char& c : safe) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"') {
            c = '\'';
        } else if (byte < 0x20 || byte == 0x7F) {
            c = ' ';
        }
    }
    return safe;
}

std::string pjlSetLine(std::string_view name, std::string_view value, int forceQuotes) {
    if (name.empty()) return {};
    const std::string safe = pjlSafeValue(value);
    const bool quoted = forceQuotes == 1 || needsQuotes(safe);

    std::string line;
    line.reserve(setPrefix.size() + name.size() + safe.size() + 5);
    line.append(setPrefix).append(name).append("=");
    if (quoted) line.append("\"");
    line.append(safe);
    if (quoted) line.append("\"");
    line.append(lineEnd);
    return line;
}

std::string pjlSetLineText(std::string_view name, const char* value) {
    if (value == nullptr) return {};
    return pjlSetLine(name, value, 0);
}

}  // namespace pd
