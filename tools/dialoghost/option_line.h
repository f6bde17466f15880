// The print settings as one CUPS option string, as `lp -o` and `cupsParseOptions` take it.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace pd {

// "name=value" for each entry, separated by single blanks. Characters of a value that the option
// parser would read as a separator, a quote, an escape or the start of a collection are escaped
// with a backslash, and an empty value is written as ''. An entry whose name the parser cannot
// read back (empty, or holding a blank, "=", a quote or a backslash) is left out.
std::string formatOptionLine(const std::vector<std::pair<std::string, std::string>>& entries);

}  // namespace pd
