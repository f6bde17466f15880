// The printer's PPD as the filter uses it: opened from the "PPD" variable, marked with the job's
// options, and asked for the code of feature choices.
#pragma once

#include <cups/cups.h>
#include <cups/ppd.h>

#include <optional>
#include <string>
#include <string_view>

namespace pd {

// Opens path (none when null or unreadable), then marks the defaults and the job's options.
ppd_file_t* openJobPpd(const char* path, int optionCount, cups_option_t* options);
void closeJobPpd(ppd_file_t* ppd);

// The code the PPD holds for a choice of keyword, empty when the choice has none (the usual
// form of a "None" choice); nothing without a PPD, or when it has no such option or choice.
std::optional<std::string_view> findFeatureCode(ppd_file_t* ppd, const std::string& keyword,
                                                const std::string& choice);

}  // namespace pd
