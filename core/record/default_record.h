// The default settings record: what every job falls back to when its stored record cannot be
// used. It follows the host: the default paper (A4 or Letter) decides the page size and the tab
// paper, the user-interface language decides the tab font.
#pragma once

#include <cstdint>
#include <string>

#include "core/catalog/language.h"
#include "core/catalog/option_descriptor.h"
#include "core/record/core_data.h"

namespace pd {

// The process's default record, chosen on first use (from defaultPaperId and the system language)
// and unchanged afterwards. The filter's host (A4, any language but Japanese) gets a constant of
// the build, so that no process spends time building it; any other host's is filled once. Safe
// from any thread; callers copy it.
const PdCoreData& defaultCoreData();

// Fills record with the defaults of a host whose default paper is paperId and whose language is
// language (languageFollowSystem: the system's): the constant record with the host's members set.
void fillDefaultCoreData(PdCoreData& record, std::uint32_t paperId, LanguageIndex language);

// "Ryumin-Light" for Japanese, "ArialMT" for every other language.
std::string defaultTabFontName(LanguageIndex language);

// The regional tab paper defaults: Letter tab paper and 34.3 mm tabs where the default paper is
// an inch size, A4 tab paper and 40.3 mm tabs elsewhere; the height in the option's unit.
std::uint8_t defaultTabPageSize(std::uint32_t paperId);
std::uint32_t defaultTabHeight(const NumericOptionDescriptor& option, std::uint32_t paperId);

}  // namespace pd
