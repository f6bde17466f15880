// The page setup (`PdPlatformData`) of the print dialog's page format and print settings: the
// paper, the orientation and the input slot that the panel merges into its record.
#pragma once

#include <cstdint>

#include "core/catalog/language.h"
#include "core/record/core_data.h"
#include "core/rules/platform_data.h"
#include "dialog/page_format.h"
#include "dialog/print_settings.h"

namespace pd {

// The input slot that the print settings' "InputSlot" names: the index of the `inputSlotOption`
// choice whose PPD choice keyword it equals; 0 (automatic) when the key is absent or not a text;
// `platformNoInputSlot` when it names no choice.
std::uint8_t inputSlotFromSettings(const PrintSettings* settings);

// 1 for a landscape or reverse-landscape page format, 0 otherwise.
std::uint8_t orientationFromPageFormat(const PageFormat& pageFormat);

// True when the page format's properties flag its paper as a custom paper.
bool isCustomPaper(const PageFormat& pageFormat);

// Fills the paper and orientation of setup from the page format. A custom paper keeps its name
// and its size in points; another paper is the standard paper of its size, named by its title in
// paperNameLanguage, or, when no standard paper has that size, an unnamed paper of that size.
// Without a page format, or a paper in it of a size that the record can hold, the paper is the
// one that current holds, and without a page format the orientation is left to the record.
void fillPageSetup(PdPlatformData& setup, const PageFormat* pageFormat,
                   LanguageIndex paperNameLanguage, const PdCoreData& current);

// A size in points as 1/1000 mm, rounded half away from zero; 0 for a size that is not positive,
// and no more than a record's length member can take once in its unit.
std::uint32_t pointsToMicrometres(double points);

}  // namespace pd
