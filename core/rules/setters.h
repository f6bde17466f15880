// The setters of the settings record's rule-bearing members.
//
// Every change of such a member goes through its setter, inside a change (ChangeContext). A
// rule-bearing setter takes the record being changed (the context's record), the new value in
// host order, and the change; it stores the value and applies the rules that keep the members
// depending on it consistent, calling their setters in turn. No setter checks its value or
// reports anything.
#pragma once

#include <cstdint>

#include "core/record/core_data.h"
#include "core/rules/change_context.h"

namespace pd {

// Plain setters: list the member in the caller's list and store it; no in-progress entry and no
// rules. Only the page-size request calls them, after marking the members itself.
void setPageSizeName(PdCoreData& record, const char* text, ChangeContext& change);
void setPageSizeType(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setCustomPageSizeHeight(PdCoreData& record, std::uint32_t value, ChangeContext& change);

// Paper, sheet and binding.
void setInputSlot(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setCustomPageSizeWidth(PdCoreData& record, std::uint32_t value, ChangeContext& change);
void setPageSize(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setTargetPaperSize(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setOrientation(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setBinding(PdCoreData& record, std::uint8_t value, ChangeContext& change);

// Layout and imposition.
void setLayout(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setNUpCount(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setBookletBlankInsertion(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setGutter(PdCoreData& record, std::int32_t value, ChangeContext& change);
void setCreep(PdCoreData& record, std::int32_t value, ChangeContext& change);
void setDuplex(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setFullBleed(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setChapterMode(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setShiftFrontBack(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setImageShiftType(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setPrintPosition(PdCoreData& record, std::uint8_t value, ChangeContext& change);

// Media of the main paper source.
void setMediaTypeAuto(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setMediaWeightAuto(PdCoreData& record, std::uint8_t value, ChangeContext& change);

// Finishing.
void setStaple(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setPunch(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setRingBinding(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setStitch(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setFold(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setFoldDirection(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setNTo1(PdCoreData& record, std::uint8_t value, ChangeContext& change);

// Covers and inserters.
void setFrontCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setBackCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setPIFrontCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setPIBackCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change);

// Output.
void setOutputBin(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setOffsetCopies(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setOffsetCopiesCount(PdCoreData& record, std::uint16_t value, ChangeContext& change);
void setOffsetPages(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setOffsetPagesCount(PdCoreData& record, std::uint16_t value, ChangeContext& change);
void setCollate(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setDivideOutput(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setFaceUp(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setTandem(PdCoreData& record, std::uint8_t value, ChangeContext& change);

// Job handling.
void setCopyProtection(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setSetNumberingMode(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setJobForm(PdCoreData& record, std::uint32_t value, ChangeContext& change);
void setOutputMethod(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setWaitMode(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setPrepend(PdCoreData& record, std::uint32_t value, ChangeContext& change);
void setAppend(PdCoreData& record, std::uint32_t value, ChangeContext& change);
// Copies the 1,028 bytes of blob, wherever it lies (a blob overlapping the member included). Null
// zeroes the member.
void setPageSpecificForms(PdCoreData& record, const ByteBlock<1028>* blob, ChangeContext& change);

// Image quality.
void setResolution(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setSmoothing(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setThinning(PdCoreData& record, std::uint8_t value, ChangeContext& change);
void setScreenAngle(PdCoreData& record, std::uint8_t value, ChangeContext& change);

}  // namespace pd
