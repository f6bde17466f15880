#include "core/base/regex_match.h"

#include <cstring>

namespace pd {

void clearRegex(regex_t& regex) {
    std::memset(&regex, 0, sizeof regex);
}

int regexCompile(regex_t& regex, const char* pattern, int flags) {
    if (pattern == nullptr) return REG_BADPAT;
    return regcomp(&regex, pattern, flags);
}

void regexFree(regex_t& regex) {
    regfree(&regex);
    clearRegex(regex);
}

SubmatchList regexSubmatches(const regex_t& regex, const char* text, int flags) {
    if (text == nullptr) return {};
    std::vector<regmatch_t> slots(regex.re_nsub + 1);
    if (regexec(&regex, text, slots.size(), slots.data(), flags) != 0) return {};
    SubmatchList texts;
    texts.reserve(slots.size());
    for (const regmatch_t& slot : slots) {
        if (slot.rm_so != -1 && slot.rm_eo != -1) {
            texts.emplace_back(text + slot.rm_so,
                               static_cast<std::size_t>(slot.rm_eo - slot.rm_so));
        } else {
            texts.emplace_back();
        }
    }
    return texts;
}

}  // namespace pd
