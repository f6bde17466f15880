// Hand-written entries of the PJL job header for the page-specific settings (PPS): inserted sheets
// and trays per page range, and the page-specific forms; with the insert-sheet entry that the cover
// entries share, and the lookups that turn trays, tab papers and media into PJL words.
//
// The page-specific lists come from job options that any user can submit: every list is bounded
// by the header's numbering ("PERPAGESET" 3 to 102, "TALVOOVERLAYPAGE" 1 to 3), and no page text
// of an entry is longer than insertSheetPagesLimit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/record/page_lists.h"
#include "core/record/tray_media.h"
#include "filter/pjl/pjl_emitter.h"

namespace pd {

// The one tray numbering of the insert-sheet entries.
using TrayId = std::uint32_t;
inline constexpr TrayId trayIdAuto = 0;
inline constexpr TrayId trayIdPiTray1 = 6;
inline constexpr TrayId trayIdPiTray2 = 7;
inline constexpr TrayId trayIdPerfectBinder = 8;
inline constexpr TrayId trayIdNone = 9;

// "TRAY1" .. "TRAY5", "PITRAY1", "PITRAY2"; "AUTO" for every other tray id.
std::string trayPjlValue(TrayId tray);
// The media tray number (trayMediaAttributes) of a tray id: 1 to 5 for trays 1 to 5, 6 (the
// automatic selection's media) for every other tray id.
std::uint32_t trayMediaNumber(TrayId tray);
// Tray ids of a page-specific entry's tray, and of the cover and perfect-binder tray choices;
// trayIdNone for a value of no row.
TrayId pageSpecificTrayId(std::uint32_t tray);
TrayId frontCoverTrayId(std::uint32_t tray);
TrayId backCoverTrayId(std::uint32_t tray);
TrayId perfectBindTrayId(std::uint32_t tray);

// "A4TAB15MM" for paper id 32, "LETTERTAB" for 33, "A4TAB" for any other id (tab_paper_ids.h
// gives the paper ids of the tab paper choices).
std::string tabPaperPjlValue(std::uint32_t paperId);
// The PJL value of a choice of the automatic selection's media options; a negative index or one
// at or beyond the choice count (one past the last means "not specified") reads as the default
// choice, a choice without a PJL value as the empty text.
std::string mediaTypePjlValue(std::int32_t index);
std::string mediaWeightPjlValue(std::int32_t index);
std::string mediaColorPjlValue(std::int32_t index);
std::string mediaPrepunchedPjlValue(std::int32_t index);

// The media of an inserted sheet: the given media, or without them the media of the sheet's tray.
std::string insertMediaTypeValue(TrayId tray, const PdCoreData& record,
                                 const MediaAttributes* media);
std::string insertMediaWeightValue(TrayId tray, const PdCoreData& record,
                                   const MediaAttributes* media);
std::string insertMediaColorValue(TrayId tray, const PdCoreData& record,
                                  const MediaAttributes* media);

// Selectors of buildInsertSheetEntry.
inline constexpr std::uint32_t insertTab1 = 0;
inline constexpr std::uint32_t insertTab2 = 1;
inline constexpr std::uint32_t insertNoTab = 2;
inline constexpr std::uint32_t insertSameAsBody = 0;

// The longest page text of one insert-sheet entry.
inline constexpr std::size_t insertSheetPagesLimit = 20;

// The value of a "PERPAGESET" line: thirteen fields joined by ",": sheet, binding edge, 2-sided,
// tray, media type, weight, colour, pre-punched, tab, staple, punch, set end, pages. type is a
// page-specific print type (1 and 2 insert blank sheets); the staple and punch selectors are
// those of a page-specific entry (0: the job's own finishing). Empty when bindingWord is null or
// empty, or pages is null or longer than insertSheetPagesLimit.
std::string buildInsertSheetEntry(std::uint32_t type, const char* bindingWord, TrayId tray,
                                  std::uint32_t tabSelector, std::uint32_t stapleSelector,
                                  std::uint32_t punchSelector, std::uint32_t setEnd,
                                  const char* pages, const PdCoreData& record,
                                  const MediaAttributes* media);

// buildInsertSheetEntry, appended to entries unless empty.
void appendInsertSheetEntry(std::vector<std::string>& entries, std::uint32_t type,
                            const char* bindingWord, TrayId tray, std::uint32_t tabSelector,
                            std::uint32_t stapleSelector, std::uint32_t punchSelector,
                            std::uint32_t setEnd, const char* pages, const PdCoreData& record,
                            const MediaAttributes* media);

// The page texts of a page list too long for one entry: the ranges sorted, then taken from the
// highest down into pieces of at most insertSheetPagesLimit characters, one piece after another,
// at most maxPieces of them.
std::vector<std::string> splitPageRanges(const PageRangeList& ranges, std::size_t maxPieces);

// "PERPAGESET" n with "PPSINSERTPAGES", "PPSPAPER", "PPSUSERMEDIANAME" n, n from 3 to 102.
void emitPerPageSettings(const PjlValueList* values, PdCoreData* target, std::string* out,
                         const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "TALVOOVERLAYPAGE" 1 to 3.
void emitPjlOverlayPage(const PjlValueList* values, PdCoreData* target, std::string* out,
                        const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

}  // namespace pd
