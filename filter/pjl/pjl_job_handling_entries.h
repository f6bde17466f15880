// Hand-written entries of the PJL job header for job handling, imaging and output: media name,
// copies, output division and offsets, post-inserter sheets, chapters, tab image shift, tone curve,
// overlays and inserted jobs, image shift, page and set numbering, box output.
//
// Each has the builder's emitter signature and writes only in the forward direction. Numbers held
// in stored units are written in PJL units through their descriptors.
#pragma once

#include <cstdint>
#include <string>

#include "filter/pjl/pjl_emitter.h"

namespace pd {

// "USERMEDIANAME".
void emitPjlUserMediaName(const PjlValueList* values, PdCoreData* target, std::string* out,
                          const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "COPIES" or "QTY", only with last flag 1 (never in the filter's header).
void emitPjlCopies(const PjlValueList* values, PdCoreData* target, std::string* out,
                   const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "PAGELOOP".
void emitPjlPageLoop(const PjlValueList* values, PdCoreData* target, std::string* out,
                     const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "COPIESOFFSET", "SHEETSOFFSET".
void emitPjlOffsets(const PjlValueList* values, PdCoreData* target, std::string* out,
                    const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "PIFRONTPAGES".
void emitPjlPiFrontPages(const PjlValueList* values, PdCoreData* target, std::string* out,
                         const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "PIBACKPAGES".
void emitPjlPiBackPages(const PjlValueList* values, PdCoreData* target, std::string* out,
                        const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "CHAPTERMODE", and "CHAPTER" with every chapter page once, in the order first listed.
void emitPjlChapters(const PjlValueList* values, PdCoreData* target, std::string* out,
                     const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "TABIMAGESHIFT", "TABIMAGESHIFTINFO".
void emitPjlTabImageShift(const PjlValueList* values, PdCoreData* target, std::string* out,
                          const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "TONECURVE".
void emitPjlToneCurve(const PjlValueList* values, PdCoreData* target, std::string* out,
                      const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "TALVOOVERLAYALL".
void emitPjlOverlayAll(const PjlValueList* values, PdCoreData* target, std::string* out,
                       const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "TALVOPREPENDJOB".
void emitPjlPrependJob(const PjlValueList* values, PdCoreData* target, std::string* out,
                       const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "TALVOAPPENDJOB".
void emitPjlAppendJob(const PjlValueList* values, PdCoreData* target, std::string* out,
                      const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "IMAGESHIFT", "IMAGESHIFTINFO".
void emitPjlImageShift(const PjlValueList* values, PdCoreData* target, std::string* out,
                       const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "PAGESTAMP".
void emitPjlPageNumbering(const PjlValueList* values, PdCoreData* target, std::string* out,
                          const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "NUMBERING" or "WATERMARKNUMBER".
void emitPjlSetNumbering(const PjlValueList* values, PdCoreData* target, std::string* out,
                         const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

// "BOXHOLD", "BOXFILENAME", "BOXNUM", "TALVOFORMSAVE".
void emitPjlBoxOutput(const PjlValueList* values, PdCoreData* target, std::string* out,
                      const PdCoreData* record, std::uint32_t jobKind, std::uint32_t lastFlag);

}  // namespace pd
