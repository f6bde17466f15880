#include "filter/pjl/pjl_pps_entries.h"

#include <algorithm>
#include <array>

#include "core/base/number_text.h"
#include "core/base/text_conversion.h"
#include "core/catalog/choice_values.h"
#include "core/catalog/option_catalogue.h"
#include "core/catalog/paper_size.h"
#include "core/record/core_data.h"
#include "filter/pages/page_ranges.h"
#include "filter/pages/pps_forms.h"
#include "filter/pages/pps_trays.h"
#include "filter/pages/tab_paper_ids.h"
#include "filter/pjl/pjl_choice_emitter.h"
#include "filter/pjl/pjl_finishing_entries.h"
#include "filter/pjl/pjl_line.h"

namespace pd {
namespace {

// Row i holds, per kind of tray value, the value that means tray id i. A lookup takes the first
// row whose column holds the key, so the cover trays' 6 and the media tray number 6 map to 0.
struct TrayIdRow {
    std::uint32_t mediaTray;
    std::uint32_t pageSpecificTray;
    std::uint32_t frontCoverTray;
    std::uint32_t backCoverTray;
    std::uint32_t perfectBindTray;
};

constexpr std::array<TrayIdRow, 9> trayIdTable = {{
    {0, 0, 6, 6, 17},
    {1, 1, 1, 1, 0},
    {2, 2, 2, 2, 1},
    {3, 3, 3, 3, 2},
    {4, 4, 4, 4, 3},
    {5, 5, 5, 5, 4},
    {6, 6, 6, 6, 11},
    {6, 7, 6, 6, 12},
    {6, 8, 6, 6, 16},
}};

TrayId findTrayId(std::uint32_t TrayIdRow::*column, std::uint32_t value) {
    for (std::size_t row = 0; row < trayIdTable.size(); ++row) {
        if (trayIdTable[row].*column == value) return static_cast<TrayId>(row);
    }
    return trayIdNone;
}

std::string mediaPjlValue(const ChoiceOptionDescriptor& option, std::int32_t index) {
    const std::uint32_t choice = index < 0 ? option.choiceCount : static_cast<std::uint32_t>(index);
    const char* value = pjlChoiceValueWithDefault(option, choice);
    return value != nullptr ? value : "";
}

MediaAttributes insertMedia(TrayId tray, const PdCoreData& record, const MediaAttributes* media) {
    return media != nullptr ? *media : trayMediaAttributes(trayMediaNumber(tray), record);
}

std::int32_t asIndex(std::uint32_t index) {
    return index > INT32_MAX ? -1 : static_cast<std::int32_t>(index);
}

// "PERPAGESET" 1 and 2 are the covers'; the page-specific entries take the hundred after them.
constexpr std::uint32_t firstPageSpecificSet = 3;
constexpr std::uint32_t lastPageSpecificSet = 102;
constexpr std::size_t overlayPageLineCount = 3;

// A page-specific paper name longer than the record's paper names is cut to their width without
// splitting a character: no longer name can name a paper, and it is repeated on every line of
// its entry.
constexpr std::size_t paperNameSize = sizeof(PdCoreData::DtFrontCoverPaperName);

std::string boundedPaperName(const std::string& name) {
    if (name.size() < paperNameSize) return name;
    std::array<char, paperNameSize> bounded{};
    copyUtf8Bounded(bounded.data(), name.c_str(), paperNameSize);
    return bounded.data();
}

const char* sidesField(std::uint32_t type, const PdCoreData& record) {
    switch (type) {
        case pageInsertBlankBeforeFirstPage:
        case pageInsertBlankSheet:
        case pagePrintSingleSided:
        case pageTab:
            return "OFF";
        case pagePrintDoubleSided:
            return "ON";
        default:
            return record.DtDuplex.get() == 1 ? "ON" : "OFF";
    }
}

std::string tabField(std::uint32_t selector, const PdCoreData& record) {
    std::uint16_t tabs = 0;
    if (selector == insertTab1) {
        tabs = record.DtTab1NumOfTabs.get();
    } else if (selector == insertTab2) {
        tabs = record.DtTab2NumOfTabs.get();
    } else {
        return "NONE";
    }
    return tabs >= 2 ? "TAB" + formatUInt16(tabs) : "TAB";
}

const char* oneStapleOnBindingSide(const PdCoreData& record) {
    return record.DtBinding.get() == bindingRight ? "RIGHT1POINT" : "LEFT1POINT";
}

const char* stapleField(std::uint32_t selector, const PdCoreData& record) {
    switch (selector) {
        case 1:
            return "OFF";
        case 2:
            return "LEFT1POINT";
        case 3:
            return "RIGHT1POINT";
        case 4:
            return oneStapleOnBindingSide(record);
        case 5:
            return "ANY2POINTPITCH3";
        case 6:
            return "ANY2POINTPITCH2";
        case 7:
            return "ANY2POINTPITCH1";
        default:
            break;
    }
    // The job's own stapling, by the staple option's choices.
    switch (record.DtStaple.get()) {
        case 1:
            return "LEFT1POINT";
        case 2:
            return "RIGHT1POINT";
        case 3:
            return oneStapleOnBindingSide(record);
        case 4:
            return "ANY2POINTPITCH3";
        case 5:
            return "ANY2POINTPITCH2";
        case 6:
            return "ANY2POINTPITCH1";
        default:
            return record.DtStitch.get() == 1 ? "CENTER" : "OFF";
    }
}

// Hole counts by the punch option's hole choices 1 to 4.
const char* holeCount(std::uint32_t holes) {
    const char* count = punchHoleCount(holes);
    return count != nullptr ? count : "OFF";
}

const char* punchField(std::uint32_t selector, const PdCoreData& record) {
    if (selector == 1) return "OFF";
    if (selector >= 2 && selector <= 5) return holeCount(selector - 1);
    return holeCount(record.DtPunch.get());
}

}  // namespace

std::string trayPjlValue(TrayId tray) {
    switch (tray) {
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
            return "TRAY" + formatUInt32(tray);
        case trayIdPiTray1:
            return "PITRAY1";
        case trayIdPiTray2:
            return "PITRAY2";
        default:
            return "AUTO";
    }
}

std::uint32_t trayMediaNumber(TrayId tray) {
    return tray < trayIdTable.size() ? trayIdTable[tray].mediaTray : 6;
}

TrayId pageSpecificTrayId(std::uint32_t tray) {
    return findTrayId(&TrayIdRow::pageSpecificTray, tray);
}

TrayId frontCoverTrayId(std::uint32_t tray) {
    return findTrayId(&TrayIdRow::frontCoverTray, tray);
}

TrayId backCoverTrayId(std::uint32_t tray) {
    return findTrayId(&TrayIdRow::backCoverTray, tray);
}

TrayId perfectBindTrayId(std::uint32_t tray) {
    return findTrayId(&TrayIdRow::perfectBindTray, tray);
}

std::string tabPaperPjlValue(std::uint32_t paperId) {
    switch (paperId) {
        case a4Tab15PaperId:
            return "A4TAB15MM";
        case letterTabPaperId:
            return "LETTERTAB";
        default:
            return "A4TAB";
    }
}

std::string mediaTypePjlValue(std::int32_t index) {
    return mediaPjlValue(mediaTypeAutoOption, index);
}

std::string mediaWeightPjlValue(std::int32_t index) {
    return mediaPjlValue(mediaWeightAutoOption, index);
}

std::string mediaColorPjlValue(std::int32_t index) {
    return mediaPjlValue(mediaColorAutoOption, index);
}

std::string mediaPrepunchedPjlValue(std::int32_t index) {
    return mediaPjlValue(mediaPrepunchedAutoOption, index);
}

std::string insertMediaTypeValue(TrayId tray, const PdCoreData& record,
                                 const MediaAttributes* media) {
    return mediaTypePjlValue(asIndex(insertMedia(tray, record, media).type));
}

std::string insertMediaWeightValue(TrayId tray, const PdCoreData& record,
                                   const MediaAttributes* media) {
    return mediaWeightPjlValue(asIndex(insertMedia(tray, record, media).weight));
}

std::string insertMediaColorValue(TrayId tray, const PdCoreData& record,
                                  const MediaAttributes* media) {
    return mediaColorPjlValue(asIndex(insertMedia(tray, record, media).color));
}

std::string buildInsertSheetEntry(std::uint32_t type, const char* bindingWord, TrayId tray,
                                  std::uint32_t tabSelector, std::uint32_t stapleSelector,
                                  std::uint32_t punchSelector, std::uint32_t setEnd,
                                  const char* pages, const PdCoreData& record,
                                  const MediaAttributes* media) {
    if (bindingWord == nullptr || bindingWord[0] == '\0' || pages == nullptr) return {};
    const std::string_view pageText(pages);
    if (pageText.size() > insertSheetPagesLimit) return {};

    const bool blank = type == pageInsertBlankBeforeFirstPage || type == pageInsertBlankSheet;
    const MediaAttributes sheetMedia = insertMedia(tray, record, media);
    const std::array<std::string, 13> fields = {
        blank ? "BLANK" : "PRINT",
        bindingWord,
        sidesField(type, record),
        trayPjlValue(tray),
        mediaTypePjlValue(asIndex(sheetMedia.type)),
        mediaWeightPjlValue(asIndex(sheetMedia.weight)),
        mediaColorPjlValue(asIndex(sheetMedia.color)),
        mediaPrepunchedPjlValue(asIndex(sheetMedia.prepunched)),
        tabField(tabSelector, record),
        stapleField(stapleSelector, record),
        punchField(punchSelector, record),
        setEnd == 1 ? "END" : "CONT",
        std::string(pageText),
    };
    std::string entry;
    for (const std::string& field : fields) {
        if (!entry.empty()) entry += ',';
        entry += field;
    }
    return entry;
}

void appendInsertSheetEntry(std::vector<std::string>& entries, std::uint32_t type,
                            const char* bindingWord, TrayId tray, std::uint32_t tabSelector,
                            std::uint32_t stapleSelector, std::uint32_t punchSelector,
                            std::uint32_t setEnd, const char* pages, const PdCoreData& record,
                            const MediaAttributes* media) {
    std::string entry = buildInsertSheetEntry(type, bindingWord, tray, tabSelector, stapleSelector,
                                              punchSelector, setEnd, pages, record, media);
    if (!entry.empty()) entries.push_back(std::move(entry));
}

std::vector<std::string> splitPageRanges(const PageRangeList& ranges, std::size_t maxPieces) {
    PageRangeList rest = ranges;
    std::stable_sort(rest.begin(), rest.end(), pageRangeLess);

    // Each walk goes from the highest range down and takes every range that still fits the
    // piece; a piece only grows, so a range passed over once never fits later in the same walk.
    std::vector<std::string> pieces;
    while (!rest.empty() && pieces.size() < maxPieces) {
        std::string piece;
        PageRangeList left;
        for (auto range = rest.rbegin(); range != rest.rend(); ++range) {
            const std::string text = formatPageRange(*range);
            if (text.empty()) continue;
            const std::size_t length = text.size() + piece.size() + (piece.empty() ? 0 : 1);
            if (length <= insertSheetPagesLimit) {
                if (!piece.empty()) piece += ',';
                piece += text;
            } else {
                left.push_back(*range);
            }
        }
        const bool tookAny = left.size() < rest.size();
        std::reverse(left.begin(), left.end());
        rest = std::move(left);
        if (!tookAny || piece.empty()) break;
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

void emitPerPageSettings(const PjlValueList* values, PdCoreData* target, std::string* out,
                         const PdCoreData* record, std::uint32_t, std::uint32_t lastFlag) {
    if (!isForward(values, target, out, record)) return;
    const bool last = lastFlag == 1;
    PageSpecificList list;
    const HeaderCopyCount copyCount = last ? HeaderCopyCount::present : HeaderCopyCount::absent;
    buildPageSpecificList(*record, list, PageListMode::printed, copyCount);
    if (list.empty()) return;

    const char* bindingWord = pjlChoiceValueWithDefault(bindingOption, record->DtBinding.get());
    std::uint32_t number = firstPageSpecificSet;
    for (const PageSpecificEntry& entry : list) {
        if (number > lastPageSpecificSet) break;
        const bool tab = isTabEntry(entry);
        const bool insertedTab = last && tab && entry.tab.insert != tabInsertOff;

        std::uint32_t type = entry.pageSetting;
        if (insertedTab) {
            const bool beforeFirstPage = entry.tab.insert == tabInsertBefore &&
                                         !entry.pages.empty() && entry.pages.front().first == 1;
            type = beforeFirstPage ? pageInsertBlankBeforeFirstPage : pageInsertBlankSheet;
        }
        MediaAttributes ownMedia{entry.mediaType, entry.mediaWeight, entry.mediaColor,
                                 entry.prePunched};
        const MediaAttributes* media = entry.paperName.empty() ? nullptr : &ownMedia;
        const std::uint32_t tabSelector = tab ? entry.tab.tabSet : insertNoTab;
        const TrayId tray = pageSpecificTrayId(entry.tray);
        const std::string paperName = boundedPaperName(entry.paperName);

        std::vector<std::string> pageTexts;
        if (type == pageInsertBlankBeforeFirstPage) {
            pageTexts.emplace_back("F");
        } else if (!entry.pages.empty()) {
            std::string pages = formatPageRanges(entry.pages);
            if (!pages.empty() && pages.size() <= insertSheetPagesLimit) {
                pageTexts.push_back(std::move(pages));
            } else {
                pageTexts = splitPageRanges(entry.pages, lastPageSpecificSet + 1 - number);
            }
        }
        std::vector<std::string> texts;
        for (const std::string& pages : pageTexts) {
            appendInsertSheetEntry(texts, type, bindingWord, tray, tabSelector, entry.staple,
                                   entry.punch, entry.endFlag, pages.c_str(), *record, media);
        }

        for (const std::string& text : texts) {
            if (number > lastPageSpecificSet) break;
            const std::string suffix = formatUInt32(number);
            out->append(pjlSetLine("PERPAGESET" + suffix, text, 1));
            if (entry.pageSetting == pageInsertBlankBeforeFirstPage ||
                entry.pageSetting == pageInsertBlankSheet || insertedTab) {
                const std::uint32_t sheets = std::max<std::uint32_t>(entry.sheetCount, 1);
                if (sheets >= 2) {
                    out->append(pjlSetLine("PPSINSERTPAGES" + suffix, formatUInt32(sheets), 0));
                }
            }
            if (tab) {
                const std::uint32_t paperId = entry.tab.tabSet == 1
                                                  ? tab2PaperId(record->DtTab2PageSize.get())
                                                  : tab1PaperId(record->DtTab1PageSize.get());
                out->append(pjlSetLine("PPSPAPER" + suffix, tabPaperPjlValue(paperId), 0));
            }
            if (!paperName.empty()) {
                out->append(pjlSetLine("PPSUSERMEDIANAME" + suffix, paperName, 1));
            }
            ++number;
        }
    }
}

void emitPjlOverlayPage(const PjlValueList* values, PdCoreData* target, std::string* out,
                        const PdCoreData* record, std::uint32_t, std::uint32_t) {
    if (!isForward(values, target, out, record)) return;
    PageFormList forms;
    std::vector<std::string> lines;
    buildPageSpecificFormLines(*record, forms, lines);
    for (std::size_t index = 0; index < lines.size() && index < overlayPageLineCount; ++index) {
        if (lines[index].empty()) break;
        out->append(pjlSetLine("TALVOOVERLAYPAGE" + formatUInt32(index + 1), lines[index], 1));
    }
}

}  // namespace pd
