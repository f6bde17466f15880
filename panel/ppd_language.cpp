#include "panel/ppd_language.h"

namespace pd {

LanguageIndex ppdLanguageIndex(const ppd_file_t* ppd) {
    return ppd ? languageVersionIndex(ppd->lang_version) : languageUsEnglish;
}

}  // namespace pd
