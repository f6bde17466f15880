// Setters in the common shape without rows of their own: each marks, lists and stores its
// member, so that the rules of other members can set it.
#include <cstdint>

#include "core/rules/setter_shape.h"
#include "core/rules/setters.h"

namespace pd {

void setLayout(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtLayout, value, change);
}

void setBookletBlankInsertion(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtBookletBlankInsertion, value, change);
}

void setGutter(PdCoreData& record, std::int32_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtGutter, value, change);
}

void setCreep(PdCoreData& record, std::int32_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtCreep, value, change);
}

void setDuplex(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtDuplex, value, change);
}

void setPrintPosition(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtPrintPosition, value, change);
}

void setMediaTypeAuto(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtMediaTypeAuto, value, change);
}

void setMediaWeightAuto(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtMediaWeightAuto, value, change);
}

void setStaple(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtStaple, value, change);
}

void setPunch(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtPunch, value, change);
}

void setRingBinding(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtRingBinding, value, change);
}

void setStitch(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtStitch, value, change);
}

void setFold(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtFold, value, change);
}

void setBackCoverTray(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtBackCoverTray, value, change);
}

void setOutputBin(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtOutputBin, value, change);
}

void setOffsetCopies(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtOffsetCopies, value, change);
}

void setOffsetCopiesCount(PdCoreData& record, std::uint16_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtOffsetCopiesCount, value, change);
}

void setOffsetPages(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtOffsetPages, value, change);
}

void setOffsetPagesCount(PdCoreData& record, std::uint16_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtOffsetPagesCount, value, change);
}

void setDivideOutput(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtDivideOutput, value, change);
}

void setFaceUp(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtFaceUp, value, change);
}

void setSmoothing(PdCoreData& record, std::uint8_t value, ChangeContext& change) {
    runRuleSetter(record, MemberId::DtSmoothing, value, change);
}

}  // namespace pd
