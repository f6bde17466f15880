#include "filter/job_ppd.h"

// libcups marks its PPD interface deprecated in favour of IPP destinations, but a CUPS filter is
// handed a PPD file, and the PPD is where the feature code lives.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace pd {

// Neither the PPD's defaults nor the job's options are marked: nothing reads the marks (feature
// code is looked up by keyword and choice), and marking a "media" option makes libcups build its
// whole media cache at every job's start.
ppd_file_t* openJobPpd(const char* path) {
    return path != nullptr ? ppdOpenFile(path) : nullptr;
}

void closeJobPpd(ppd_file_t* ppd) {
    if (ppd != nullptr) ppdClose(ppd);
}

std::string_view findFeatureCode(ppd_file_t* ppd, const std::string& keyword,
                                 const std::string& choice) {
    if (ppd == nullptr) return {};
    ppd_option_t* option = ppdFindOption(ppd, keyword.c_str());
    if (option == nullptr) return {};
    ppd_choice_t* found = ppdFindChoice(option, choice.c_str());
    if (found == nullptr || found->code == nullptr) return {};
    return found->code;
}

}  // namespace pd
