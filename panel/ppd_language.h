// The user-interface language of the printer's PPD.
#pragma once

#include <cups/ppd.h>

#include "core/catalog/language.h"

namespace pd {

// The language that the PPD's "LanguageVersion" names (languageVersionIndex); US English without
// a PPD.
LanguageIndex ppdLanguageIndex(const ppd_file_t* ppd);

}  // namespace pd
