// A row of the summary pane as one line of dialoghost's output.
#pragma once

#include <string>
#include <string_view>

namespace pd {

// "TITLE<TAB>VALUE", without a line end. A backslash, tab, line feed or carriage return inside
// either text is written as "\\", "\t", "\n" or "\r", so that every row stays one line of two
// fields; every other byte is written as it is.
std::string formatSummaryLine(std::string_view title, std::string_view value);

}  // namespace pd
