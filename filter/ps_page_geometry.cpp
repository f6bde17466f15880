#include "filter/ps_page_geometry.h"

#include <array>
#include <cstdint>

#include "core/base/number_text.h"
#include "core/base/unit_scale.h"
#include "core/catalog/choice_values.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/paper_size.h"
#include "filter/driver_postscript.h"
#include "filter/features_dict.h"

namespace pd {

namespace {

std::string nUpText(std::uint8_t nUpCount) {
    // In place, not as pointers: the table then needs no relocation at start-up.
    static constexpr char texts[][6] = {"/None", "/2f", "/2r", "/4f", "/4r",  "/6f", "/6r",
                                        "/8f",   "/8r", "/9f", "/9r", "/16f", "/16r"};
    return nUpCount < std::size(texts) ? texts[nUpCount] : texts[0];
}

std::string pointText(const PdCoreData& record) {
    const std::uint32_t width =
        rescaleUnits(record.DtCustomPageSizeWidth.get(), customPageSizeWidthOption.divisor, 1000u);
    const std::uint32_t height = rescaleUnits(record.DtCustomPageSizeHeight.get(),
                                              customPageSizeHeightOption.divisor, 1000u);
    return "[" + formatDouble(micrometresToPoints(width), 16) + " " +
           formatDouble(micrometresToPoints(height), 16) + "]";
}

}  // namespace

double micrometresToPoints(double micrometres) {
    return micrometres * 72.0 / 25400.0;
}

std::string buildPageGeometryCode(bool& prologueFlag, const PdCoreData& record) {
    const std::uint32_t paperId = record.DtPageSize.get();
    const bool custom = paperId == noPaperId;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    if (custom) {
        width = toPostScript<customPageSizeWidthOption>(record.DtCustomPageSizeWidth.get());
        height = toPostScript<customPageSizeHeightOption>(record.DtCustomPageSizeHeight.get());
    } else {
        // In the custom width's unit, read while compiling like the conversions above.
        constexpr std::uint32_t scale = postScriptScale(customPageSizeWidthOption);
        const DimensionPair size = paperSizeInUnit(paperId, scale);
        width = size.width;
        height = size.height;
    }

    std::string text;
    text += featuresDictPut(prologueFlag, "HiResPageSize",
                            "[" + formatUInt32(width) + " " + formatUInt32(height) + "]");
    text += featuresDictPut(prologueFlag, "HiResPageSizePpdPt", custom ? pointText(record) : "");
    text += featuresDictPut(prologueFlag, "TLQXTolerance", formatInt32(0));
    text +=
        featuresDictPut(prologueFlag, "PageOrient",
                        record.DtOrientation.get() == orientationLandscape ? "(Land)" : "(Port)");
    text += featuresDictPut(prologueFlag, "TLQXPdNup", nUpText(record.DtNUpCount.get()));
    text += featuresDictPut(prologueFlag, "TLQXBookletBlankInsertion",
                            record.DtBookletBlankInsertion.get() == 1 ? "true" : "false");
    text += featuresDictCallIfKnown(prologueFlag, "Talvo_NupP5", "");
    return text;
}

std::string buildPageStartCode(const PdCoreData& record) {
    bool prologueFlag = false;
    std::string text =
        "\r\nuserdict /TalvoTABdict known { userdict /TalvoTABdict get /Talvo_TP1 known { "
        "userdict /TalvoTABdict get /Talvo_TP1 get exec } if } if\r\n";
    text += featuresDictCallIfKnown(prologueFlag, "Talvo_P4", "");
    text += featuresDictCallIfKnown(prologueFlag, "Talvo_P8_pagesave", "");
    text += buildPageGeometryCode(prologueFlag, record);
    text += featuresDictCallIfKnown(prologueFlag, "Talvo_P8_MAC", "");
    return text;
}

}  // namespace pd
