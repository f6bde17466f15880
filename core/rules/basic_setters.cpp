// Setters in the common shape without rows of their own: each marks, lists and stores its
// member, so that the rules of other members can set it.
#include <cstdint>
#include <cstring>

#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

void setLayout(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtLayout, value, change);
}

void setNUpCount(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtNUpCount, value, change);
}

void setBookletBlankInsertion(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtBookletBlankInsertion, value, change);
}

void setGutter(PdCoreData& record, std::int32_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtGutter, value, change);
}

void setCreep(PdCoreData& record, std::int32_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtCreep, value, change);
}

void setDuplex(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtDuplex, value, change);
}

void setFullBleed(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtFullBleed, value, change);
}

void setChapterMode(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtChapterMode, value, change);
}

void setShiftFrontBack(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtShiftFrontBack, value, change);
}

void setImageShiftType(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtImageShiftType, value, change);
}

void setPrintPosition(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtPrintPosition, value, change);
}

void setMediaTypeAuto(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtMediaTypeAuto, value, change);
}

void setMediaWeightAuto(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtMediaWeightAuto, value, change);
}

void setStaple(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtStaple, value, change);
}

void setPunch(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtPunch, value, change);
}

void setRingBinding(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtRingBinding, value, change);
}

void setStitch(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtStitch, value, change);
}

void setFold(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtFold, value, change);
}

void setFoldDirection(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtFoldDirection, value, change);
}

void setNTo1(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtNTo1, value, change);
}

void setFrontCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtFrontCoverTray, value, change);
}

void setBackCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtBackCoverTray, value, change);
}

void setPIFrontCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtPIFrontCoverTray, value, change);
}

void setPIBackCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtPIBackCoverTray, value, change);
}

void setOutputBin(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtOutputBin, value, change);
}

void setOffsetCopies(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtOffsetCopies, value, change);
}

void setOffsetCopiesCount(PdCoreData& record, std::uint16_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtOffsetCopiesCount, value, change);
}

void setOffsetPages(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtOffsetPages, value, change);
}

void setOffsetPagesCount(PdCoreData& record, std::uint16_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtOffsetPagesCount, value, change);
}

void setCollate(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtCollate, value, change);
}

void setDivideOutput(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtDivideOutput, value, change);
}

void setFaceUp(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtFaceUp, value, change);
}

void setTandem(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtTandem, value, change);
}

void setCopyProtection(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtCopyProtection, value, change);
}

void setSetNumberingMode(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtSetNumberingMode, value, change);
}

void setJobForm(PdCoreData& record, std::uint32_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtJobForm, value, change);
}

void setOutputMethod(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtOutputMethod, value, change);
}

void setWaitMode(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtWaitMode, value, change);
}

void setPrepend(PdCoreData& record, std::uint32_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtPrepend, value, change);
}

void setAppend(PdCoreData& record, std::uint32_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtAppend, value, change);
}

void setResolution(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtResolution, value, change);
}

void setSmoothing(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtSmoothing, value, change);
}

void setThinning(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtThinning, value, change);
}

void setScreenAngle(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, &PdCoreData::DtScreenAngle, value, change);
}

void setPageSpecificForms(PdCoreData& record, const ByteBlock<1028>* blob, ChangeContext& change) {
    ByteBlock<1028>& member = record.DtPageSpecificForms;
    change.inProgress.append(fieldIdentity(member));
    change.changedFields.append(fieldIdentity(member));
    if (blob != &member) {
        const auto begin = reinterpret_cast<std::uintptr_t>(member.bytes);
        const auto from = reinterpret_cast<std::uintptr_t>(blob);
        const bool overlaps =
            blob != nullptr && from < begin + sizeof member && begin < from + sizeof *blob;
        if (blob == nullptr || overlaps)
            std::memset(member.bytes, 0, sizeof member.bytes);
        else
            std::memcpy(member.bytes, blob->bytes, sizeof member.bytes);
    }
    change.inProgress.removeLast();
}

}  // namespace pd
