// One line of the PJL job header: "@PJL SET ", a name, "=", a value and CR LF.
#pragma once

#include <string>
#include <string_view>

namespace pd {

// The value as it may stand inside a header line: a double quote becomes a single quote and every
// control byte (below 0x20, and 0x7F) becomes a space, so that no value taken from a job or a
// record can close its quotes or its line and smuggle in a PJL command of its own.
std::string pjlSafeValue(std::string_view value);

// One header line, or the empty text when name is empty. The value is made safe first. With
// forceQuotes 1 it is always quoted; otherwise it stays bare when it is empty, when it is a minus
// sign followed by nothing but digits, or when it holds only ASCII letters and digits, and is
// quoted in every other case.
std::string pjlSetLine(std::string_view name, std::string_view value, int forceQuotes);

// pjlSetLine(name, value, 0), or the empty text when value is null.
std::string pjlSetLineText(std::string_view name, const char* value);

}  // namespace pd
