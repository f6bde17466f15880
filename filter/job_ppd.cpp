#include "filter/job_ppd.h"

// libcups marks its PPD interface deprecated in favour of IPP destinations, but a CUPS filter is
// handed a PPD file, and the PPD is where the feature code lives.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace pd {

// Nothing here reads the marks: feature code is found by keyword and choice. The PPD is marked
// all the same, with its defaults and then the job's options, as a CUPS filter does with the
// PPD it is handed, so that libcups holds this job's choices for anything that asks it (a
// conflict check, the code of the marked choices); it costs less than parsing the PPD did.
ppd_file_t* openJobPpd(const char* path, int optionCount, cups_option_t* options) {
    ppd_file_t* ppd = path != nullptr ? ppdOpenFile(path) : nullptr;
    ppdMarkDefaults(ppd);
    cupsMarkOptions(ppd, optionCount, options);
    return ppd;
}

void closeJobPpd(ppd_file_t* ppd) {
    if (ppd != nullptr) ppdClose(ppd);
}

std::optional<std::string_view> findFeatureCode(ppd_file_t* ppd, const std::string& keyword,
                                                const std::string& choice) {
    if (ppd == nullptr) return std::nullopt;
    ppd_option_t* option = ppdFindOption(ppd, keyword.c_str());
    if (option == nullptr) return std::nullopt;
    ppd_choice_t* found = ppdFindChoice(option, choice.c_str());
    if (found == nullptr) return std::nullopt;
    return found->code != nullptr ? std::string_view(found->code) : std::string_view();
}

}  // namespace pd
