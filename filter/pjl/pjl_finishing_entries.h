// Hand-written entries of the PJL job header for the imposition layout and finishing: stapling
// and saddle stitching, punching, feed direction, folding, the banner page, the date stamp, copy
// protection and e-mail notification.
//
// Each has the builder's emitter signature, writes only in the forward direction and never reads
// the last flag. Where an entry tests the PJL mode it is the mode of the descriptor it names.
#pragma once

#include <cstdint>
#include <string>

#include "filter/pjl/pjl_emitter.h"

namespace pd {

// "LAYOUT": the layout choice's PJL value for job kind 2; the first choice's for any other kind.
void emitPjlLayout(const PjlValueList* values, PdCoreData* target, std::string* out,
                   const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "FINISH", "STAPLEPITCH", "STITCH", "STITCHNUM" from the staple, binding and stitch fields.
void emitPjlFinish(const PjlValueList* values, PdCoreData* target, std::string* out,
                   const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "PUNCH" and the hole count "PUNCHNUM".
void emitPjlPunch(const PjlValueList* values, PdCoreData* target, std::string* out,
                  const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// The hole count of a punch choice with holes (1 to 4); null for any other.
const char* punchHoleCount(std::uint32_t punch);

// "FEEDDIRECTION", taken from the fold: it tells the two Z-folds apart.
void emitPjlFeedDirection(const PjlValueList* values, PdCoreData* target, std::string* out,
                          const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "FOLDING" from the fold, fold direction and stitch fields.
void emitPjlFolding(const PjlValueList* values, PdCoreData* target, std::string* out,
                    const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "HEADERPAGE" and its tray "HEADERPAGETRAY"; decided by the record alone.
void emitPjlHeaderPage(const PjlValueList* values, PdCoreData* target, std::string* out,
                       const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "DATESTAMP" as "TYPE1," and the stamp's PJL value, in quotes.
void emitPjlDateStamp(const PjlValueList* values, PdCoreData* target, std::string* out,
                      const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// The copy-protection entries: "JIMONMODE" with "JIMONPATTERN", "JIMONBACKPATTERN",
// "JIMONPATTERNINDEX".
void emitPjlJimonMode(const PjlValueList* values, PdCoreData* target, std::string* out,
                      const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);
void emitPjlJimonBackPattern(const PjlValueList* values, PdCoreData* target, std::string* out,
                             const PdCoreData* record, std::uint32_t jobKind,
                             std::uint32_t lastFlag);
void emitPjlJimonPatternIndex(const PjlValueList* values, PdCoreData* target, std::string* out,
                              const PdCoreData* record, std::uint32_t jobKind,
                              std::uint32_t lastFlag);

// "SENDEMAIL", and when notification is on "SENDEMAILTIMING" and "SENDEMAILADDRESS"; decided by
// the record alone.
void emitPjlSendEmail(const PjlValueList* values, PdCoreData* target, std::string* out,
                      const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

}  // namespace pd
