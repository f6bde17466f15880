#include "panel/page_setup.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "core/base/multi_encoded_string.h"
#include "core/base/text_conversion.h"
#include "core/base/unit_scale.h"
#include "core/catalog/localized_text.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/paper_size.h"

namespace pd {
namespace {

constexpr std::uint32_t micrometresPerMillimetre = 1000;

void setPageSizeName(PdPlatformData& setup, const char* name) {
    copyUtf8Bounded(reinterpret_cast<char*>(setup.DtPageSizeName.bytes), name,
                    sizeof setup.DtPageSizeName.bytes);
}

// A paper size in points as a length of the record in the option's unit; nullopt for one that
// the record cannot hold: none, or beyond the option's range.
std::optional<std::uint32_t> recordLength(double points, const NumericOptionDescriptor& option) {
    const std::uint32_t length =
        rescaleUnits(pointsToMicrometres(points), micrometresPerMillimetre, option.divisor);
    if (length == 0 || length < option.minimum || length > option.maximum) return std::nullopt;
    return length;
}

void fillPaperFromRecord(PdPlatformData& setup, const PdCoreData& current) {
    setup.DtPageSizeName = current.DtPageSizeName;  // all 128 bytes, as stored
    setup.DtPageSize = current.DtPageSize;
    setup.DtCustomPageSizeWidth = current.DtCustomPageSizeWidth;
    setup.DtCustomPageSizeHeight = current.DtCustomPageSizeHeight;
}

}  // namespace

std::uint8_t inputSlotFromSettings(const PrintSettings* settings) {
    const std::optional<std::string> slot =
        settings != nullptr ? stringSetting(*settings, "InputSlot") : std::nullopt;
    if (!slot) return 0;
    for (std::uint32_t index = 0; index < inputSlotOption.choiceCount; ++index) {
        const char* keyword = inputSlotOption.choices[index].names.ppdName;
        if (keyword != nullptr && *slot == keyword) return static_cast<std::uint8_t>(index);
    }
    return platformNoInputSlot;
}

std::uint8_t orientationFromPageFormat(const PageFormat& pageFormat) {
    const PageOrientation orientation = pageFormat.orientation();
    return orientation == PageOrientation::landscape ||
                   orientation == PageOrientation::reverseLandscape
               ? 1
               : 0;
}

bool isCustomPaper(const PageFormat& pageFormat) {
    const PropertyDictionary properties = pageFormat.properties();
    const PropertyValue* flag = findProperty(properties, {paperInfoTicketKey, customPaperKey});
    const bool* custom = flag != nullptr ? std::get_if<bool>(flag) : nullptr;
    return custom != nullptr && *custom;
}

std::uint32_t pointsToMicrometres(double points) {
    // The widest length member holds 0xFFFFFFFF in 1/10000 mm.
    constexpr double largest = 0xFFFFFFFFu / 10;
    const double micrometres = points * 25400.0 / 72.0;
    if (!(micrometres > 0)) return 0;
    if (micrometres >= largest) return static_cast<std::uint32_t>(largest);
    return static_cast<std::uint32_t>(std::lround(micrometres));
}

void fillPageSetup(PdPlatformData& setup, const PageFormat* pageFormat,
                   LanguageIndex paperNameLanguage, const PdCoreData& current) {
    const std::optional<Paper> paper =
        pageFormat != nullptr ? pageFormat->paper() : std::optional<Paper>();
    setup.DtOrientation.set(pageFormat != nullptr ? orientationFromPageFormat(*pageFormat)
                                                  : platformNoOrientation);
    const auto width =
        paper ? recordLength(paper->widthPoints, customPageSizeWidthOption) : std::nullopt;
    const auto height =
        paper ? recordLength(paper->heightPoints, customPageSizeHeightOption) : std::nullopt;
    // A paper of a size that the record cannot hold is none: stored, validation would set its
    // size back and cost the record its paper.
    if (!width || !height) {
        fillPaperFromRecord(setup, current);
        return;
    }

    setup.DtPageSize.set(noPaperId);
    if (isCustomPaper(*pageFormat)) {
        setPageSizeName(setup, paper->name.c_str());
    } else {
        const std::uint32_t paperId =
            matchStandardPaperSize(paper->widthPoints, paper->heightPoints);
        setup.DtPageSize.set(static_cast<std::uint8_t>(paperId));
        if (paperId != noPaperId) {
            const MultiEncodedString title(
                getLocalizedText(paperNameLanguage, pageSizeOption.choices[paperId].titleRow));
            setPageSizeName(setup, title.utf8 ? title.utf8.get() : "");
        }
    }

    const std::uint32_t widthUnit = customPageSizeWidthOption.divisor;
    const std::uint32_t heightUnit = customPageSizeHeightOption.divisor;
    const std::uint32_t unit = std::max(widthUnit, heightUnit);
    const DimensionPair standard = paperSizeInUnit(setup.DtPageSize.get(), unit);
    if (!standard.isEmpty()) {
        setup.DtCustomPageSizeWidth.set(rescaleUnits(standard.width, unit, widthUnit));
        setup.DtCustomPageSizeHeight.set(rescaleUnits(standard.height, unit, heightUnit));
    } else {
        setup.DtCustomPageSizeWidth.set(*width);
        setup.DtCustomPageSizeHeight.set(*height);
    }
}

}  // namespace pd
