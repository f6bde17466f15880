#include "filter/ps_document_setup.h"

#include <algorithm>
#include <array>
#include <bitset>

#include "core/base/number_text.h"
#include "core/base/unit_scale.h"
#include "core/catalog/choice_values.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "core/catalog/paper_size.h"
#include "core/record/driver_version.h"
#include "core/record/layout_signature.h"
#include "core/record/page_lists.h"
#include "core/record/tray_media.h"
#include "filter/driver_postscript.h"
#include "filter/features_dict.h"
#include "filter/pages/pps_trays.h"
#include "filter/ps_page_geometry.h"

namespace pd {

namespace {

const char* perfectBindModeText(std::uint8_t mode) {
    switch (mode) {
        case 1:
            return "/Blank";
        case 2:
            return "/1in1P";
        case 3:
            return "/1in1L";
        case 4:
            return "/2in1";
        case 5:
            return "/3in1";
        default:
            return "/None";
    }
}

const char* screeningText(std::uint8_t screening) {
    switch (screening) {
        case 1:
            return "/Text";
        case 2:
            return "/TextPhoto";
        case 3:
            return "/Dot";
        default:
            return "/Photo";
    }
}

bool isRepeatReverseLayout(std::uint8_t layout) {
    return layout >= layoutRepeatReverseLeft && layout <= layoutRepeatReverseBottom;
}

void splitAtChapters(const PdCoreData& record, PpsRangeList& list) {
    PageRangeList chapters;
    std::uint32_t position = 0;
    readPageRangeList(record.DtChapterPages.bytes, sizeof record.DtChapterPages.bytes, position,
                      chapters);
    // Splits commute, so each chapter page is applied once, in page order: the range that holds
    // it is then always the last one.
    std::bitset<lastPage + 1> starts;
    for (const PageRange& range : chapters) {
        for (std::uint32_t page = range.first; page <= range.last; ++page) starts.set(page);
    }
    for (std::uint32_t page = firstPage; page <= lastPage; ++page) {
        if (starts.test(page)) splitPageRange(list, std::prev(list.end()), page);
    }
}

// Blank sheets in a 2-sided run set by a page exception: the pages around them start new runs so
// that each blank sheet begins on a front side.
void splitForBlankSheets(PpsRangeList& list, std::int64_t first, std::int64_t last) {
    for (auto range = list.begin(); range != list.end(); ++range) {
        if (range->duplex != 1 || range->jobRange != 0) continue;
        const std::int64_t runFirst = range->firstPage;
        // Only pages p with p + 1 within the run act, and the run only shrinks at its end.
        const std::int64_t high = std::min<std::int64_t>(last, std::int64_t{range->lastPage} - 1);
        const std::int64_t low = std::max<std::int64_t>(first, runFirst - 1);
        for (std::int64_t page = high; page >= low; --page) {
            if (runFirst > page + 1 || page + 1 > range->lastPage) continue;
            splitPageRange(list, range, static_cast<std::uint32_t>(page + 1));
            if ((page - runFirst) % 2 != 0) {
                splitPageRange(list, range, static_cast<std::uint32_t>(page));
            }
        }
    }
}

// Pages lo to hi become a run of their own. Runs cover pages 1 to 9999; pages that shifts pushed
// past them are left out.
void setOwnRun(PpsRangeList& list, std::uint32_t first, std::uint32_t last, std::uint8_t duplex) {
    const std::uint32_t lo = std::max<std::uint32_t>(std::min(first, last), firstPage);
    const std::uint32_t hi = std::min<std::uint32_t>(std::max(first, last), lastPage);
    if (lo > hi) return;
    auto range = list.begin();
    while (range != list.end() && range->lastPage < lo) ++range;
    while (range != list.end() && range->firstPage <= hi) {
        if (range->firstPage < lo) {
            if (range->lastPage > hi) {
                PpsRange tail = *range;
                tail.firstPage = hi + 1;
                range->lastPage = lo - 1;
                range = list.insert(std::next(range), tail);
                break;
            }
            range->lastPage = lo - 1;
            ++range;
        } else if (range->lastPage <= hi) {
            range = list.erase(range);
        } else {
            range->firstPage = hi + 1;
            break;
        }
    }
    list.insert(range, PpsRange{0, lo, hi, duplex});
}

void applyPageExceptions(const PdCoreData& record, HeaderCopyCount copyCount, PpsRangeList& list) {
    const bool twoSided = record.DtDuplex.get() == 1;
    PageSpecificList entries;
    buildPageSpecificList(record, entries, PageListMode::printed, copyCount);
    for (const PageSpecificEntry& entry : entries) {
        if (entry.pages.empty()) continue;
        const std::uint8_t setting = entry.pageSetting;
        const bool blank =
            setting == pageInsertBlankBeforeFirstPage || setting == pageInsertBlankSheet;
        const bool used = (setting == pagePrintDoubleSided && !twoSided) ||
                          (setting == pagePrintSingleSided && twoSided) || blank || entry.tray != 0;
        if (!used) continue;
        const std::uint8_t duplex =
            setting == pagePrintDoubleSided || (twoSided && setting == pageSameAsBody) ? 1 : 0;
        for (const PageRange& pages : entry.pages) {
            if (blank) {
                splitForBlankSheets(list, pages.first, pages.last);
            } else {
                setOwnRun(list, pages.first, pages.last, duplex);
            }
        }
    }
}

// The tray media words of one option: the alternative name of each used choice, and the default
// choice's for any other value. Derived while compiling, so that every job's tray configuration
// reads this small table rather than twenty descriptors.
using MediaWord = CatalogueText<maxAltNameLength>;
constexpr std::size_t mediaWordCapacity = 16;

struct MediaWords {
    std::uint32_t used = 0;
    MediaWord fallback{};
    std::array<MediaWord, mediaWordCapacity> words{};

    // The word of the choice that value stands for (as choiceForValue resolves it), or "".
    const char* word(std::uint32_t value) const {
        const char* name = value < used ? words[value] : fallback;
        return name != nullptr ? name : "";
    }
};

template <const ChoiceOptionDescriptor& Option>
constexpr MediaWords mediaWordsOf() {
    constexpr std::uint32_t used = std::min<std::uint32_t>(Option.choiceCount, maxChoiceCount);
    static_assert(used <= mediaWordCapacity);
    MediaWords words;
    words.used = used;
    words.fallback = Option.choices[defaultChoiceIndex(Option)].names.altName;
    for (std::uint32_t i = 0; i < used; ++i) words.words[i] = Option.choices[i].names.altName;
    return words;
}

// Type, weight, colour and pre-punched, of trays 1 to 5.
struct TrayMediaWords {
    MediaWords type;
    MediaWords weight;
    MediaWords color;
    MediaWords prepunched;
};

template <const ChoiceOptionDescriptor& Type, const ChoiceOptionDescriptor& Weight,
          const ChoiceOptionDescriptor& Color, const ChoiceOptionDescriptor& Prepunched>
constexpr TrayMediaWords trayMediaWordsOf() {
    return {mediaWordsOf<Type>(), mediaWordsOf<Weight>(), mediaWordsOf<Color>(),
            mediaWordsOf<Prepunched>()};
}

constexpr std::array<TrayMediaWords, 5> trayMediaWords{
    trayMediaWordsOf<mediaTypeTray1Option, mediaWeightTray1Option, mediaColorTray1Option,
                     mediaPrepunchedTray1Option>(),
    trayMediaWordsOf<mediaTypeTray2Option, mediaWeightTray2Option, mediaColorTray2Option,
                     mediaPrepunchedTray2Option>(),
    trayMediaWordsOf<mediaTypeTray3Option, mediaWeightTray3Option, mediaColorTray3Option,
                     mediaPrepunchedTray3Option>(),
    trayMediaWordsOf<mediaTypeTray4Option, mediaWeightTray4Option, mediaColorTray4Option,
                     mediaPrepunchedTray4Option>(),
    trayMediaWordsOf<mediaTypeTray5Option, mediaWeightTray5Option, mediaColorTray5Option,
                     mediaPrepunchedTray5Option>(),
};

}  // namespace

std::string driverVersionText() {
    return std::string(driverVersion) + ":0x" + formatHex64(computeCoreDataSignature());
}

PpsRangeList::iterator splitPageRange(PpsRangeList& list, PpsRangeList::iterator range,
                                      std::uint32_t page) {
    if (range->firstPage > range->lastPage) std::swap(range->firstPage, range->lastPage);
    if (range->firstPage < page && range->lastPage >= page) {
        PpsRange tail = *range;
        tail.firstPage = page;
        range->lastPage = page - 1;
        list.insert(std::next(range), tail);
    }
    return range;
}

PpsRangeList buildPpsRanges(const PdCoreData& record, HeaderCopyCount copyCount) {
    PpsRangeList list{PpsRange{1, firstPage, lastPage,
                               record.DtDuplex.get() == 1 ? std::uint8_t{1} : std::uint8_t{0}}};
    if (record.DtChapterMode.get() != 0) splitAtChapters(record, list);
    applyPageExceptions(record, copyCount, list);
    return list;
}

std::string ppsArrayText(const PpsRangeList& list) {
    std::string text = "[ ";
    for (const PpsRange& range : list) {
        text += "[ " + formatUInt32(range.firstPage) + (range.duplex != 0 ? " 1 ]" : " 0 ]");
    }
    text += " ]";
    return text;
}

std::string trayConfigurationText(const PdCoreData& record) {
    std::string text = "\r\n<<\r\n";
    for (std::size_t tray = 0; tray < trayMediaWords.size(); ++tray) {
        const MediaAttributes media = trayMediaAttributes(tray + 1, record);
        const TrayMediaWords& words = trayMediaWords[tray];
        text += "/Tray" + std::to_string(tray + 1) + " << ";
        text += "/TLQXMediaType /";
        text += words.type.word(media.type);
        text += " /TLQXMediaWeight /";
        text += words.weight.word(media.weight);
        text += " /TLQXMediaColor /";
        text += words.color.word(media.color);
        text += " /TLQXMediaPrepunched /";
        text += words.prepunched.word(media.prepunched);
        text += " >>\r\n";
    }
    text += ">>";
    return text;
}

std::string buildBeginSetupCode(const PdCoreData& record, HeaderCopyCount copyCount) {
    bool prologueFlag = false;
    std::string text;
    text += featuresDictPut(prologueFlag, "PDVersion", "(" + driverVersionText() + ")");
    text += featuresDictPut(prologueFlag, "TALVOPDOS", "(MacX)");
    text += featuresDictPut(prologueFlag, "TLQXPBMode",
                            perfectBindModeText(record.DtPerfectBindMode.get()));
    text += buildPageGeometryCode(prologueFlag, record);
    text += featuresDictPut(prologueFlag, "Gutter",
                            formatInt32(toPostScript<gutterOption>(record.DtGutter.get())));
    // The sign changes after the conversion, so the rounding is that of the positive value.
    const std::int32_t creep = toPostScript<creepOption>(record.DtCreep.get());
    text += featuresDictPut(
        prologueFlag, "Creep",
        formatInt32(static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(creep))));
    text +=
        featuresDictPut(prologueFlag, "Zoom",
                        formatUInt32(toPostScript<zoomOption>(std::uint32_t{record.DtZoom.get()})));
    text += featuresDictPut(prologueFlag, "Screening", screeningText(record.DtScreening.get()));
    if (isRepeatReverseLayout(record.DtLayout.get())) {
        text += featuresDictPut(prologueFlag, "PPSArray",
                                ppsArrayText(buildPpsRanges(record, copyCount)));
    }
    text += featuresDictPut(prologueFlag, "TLQXPIFrontPages",
                            formatUInt32(toPostScript<piFrontSheetsOption>(
                                std::uint32_t{record.DtPIFrontSheets.get()})));
    text += featuresDictPut(
        prologueFlag, "TLQXPIBackPages",
        formatUInt32(toPostScript<piBackSheetsOption>(std::uint32_t{record.DtPIBackSheets.get()})));
    if (record.DtImageShiftType.get() == imageShiftDriverSettings) {
        text += featuresDictPut(prologueFlag, "TLQXImageShiftUPS", "/ByPlugin");
    }
    text +=
        featuresDictPut(prologueFlag, "Orient",
                        record.DtOrientation.get() == orientationLandscape ? "(Land)" : "(Port)");
    if (record.DtTargetPaperSize.get() == customTargetPaperSize) {
        const std::uint32_t width = rescaleUnits(record.DtCustomTargetPaperSizeWidth.get(),
                                                 customTargetPaperSizeWidthOption.divisor, 10u);
        const std::uint32_t height = rescaleUnits(record.DtCustomTargetPaperSizeHeight.get(),
                                                  customTargetPaperSizeHeightOption.divisor, 10u);
        text += featuresDictPut(prologueFlag, "TPCS",
                                "[" + formatUInt32(std::min(width, height)) + " " +
                                    formatUInt32(std::max(width, height)) + "]");
    }
    text += featuresDictPut(prologueFlag, "TrayConfiguration", trayConfigurationText(record));
    return text;
}

}  // namespace pd
