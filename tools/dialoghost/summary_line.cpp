#include "tools/dialoghost/summary_line.h"

namespace pd {
namespace {

void appendEscaped(std::string& line, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '\\':
                line += "\\\\";
                break;
            case '\t':
                line += "\\t";
                break;
            case '\n':
                line += "\\n";
                break;
            case '\r':
                line += "\\r";
                break;
            default:
                line += c;
        }
    }
}

}  // namespace

std::string formatSummaryLine(std::string_view title, std::string_view value) {
    std::string line;
    line.reserve(title.size() + value.size() + 1);
    appendEscaped(line, title);
    line += '\t';
    appendEscaped(line, value);
    return line;
}

}  // namespace pd
