// POSIX regular expressions with the match returned as texts.
//
// The compiled expression belongs to the caller: clearRegex, regexCompile, any number of
// regexSubmatches, then regexFree (also after a failed compile).
#pragma once

#include <regex.h>

#include <string>
#include <vector>

namespace pd {

// The whole match first, then the text of each parenthesised group ("" for a group that took no
// part in the match); empty when the expression does not match.
using SubmatchList = std::vector<std::string>;

void clearRegex(regex_t& regex);

// regcomp with the caller's flags: 0 on success, the POSIX error code otherwise.
int regexCompile(regex_t& regex, const char* pattern, int flags);

void regexFree(regex_t& regex);

SubmatchList regexSubmatches(const regex_t& regex, const char* text, int flags);

}  // namespace pd
