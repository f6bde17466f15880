// Each member of the record against the catalogue object it is read and validated by.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "core/catalog/option_catalogue.h"
#include "core/record/core_data.h"

namespace pd {
namespace {

// The record layout repeats, member by member, what the default record, validation and the
// layout signature read of the member's catalogue object; written out the same way here.
const std::map<std::string_view, std::string_view> publishedMemberData = {
    {"DtPageSize", "36 choices, default 1"},
    {"DtCustomPageSizeWidth", "divisor 10,000; 0 to 600,000,000; default 0"},
    {"DtCustomPageSizeHeight", "divisor 10,000; 0 to 600,000,000; default 0"},
    {"DtPageSizeType", "3 choices, default 0"},
    {"DtPageSizeName", "no default text"},
    {"DtOrientation", "2 choices, default 0"},
    {"DtInputSlot", "6 choices, default 0"},
    {"DtInputSlotPaperName", "1 choice, default choice 0"},
    {"DtLayout", "10 choices, default 0"},
    {"DtDuplex", "2 choices, default 1"},
    {"DtBinding", "3 choices, default 0"},
    {"DtGutter", "divisor 10,000; -2,500,000 to 2,500,000; default 0"},
    {"DtGutterFront", "divisor 10,000; -2,500,000 to 2,500,000; default 0"},
    {"DtGutterBack", "divisor 10,000; -2,500,000 to 2,500,000; default 0"},
    {"DtCreep", "divisor 10,000; 0 to 50,000; default 0"},
    {"DtCreepFront", "divisor 10,000; 0 to 500,000; default 0"},
    {"DtCreepBack", "divisor 10,000; 0 to 500,000; default 0"},
    {"DtFrontBackEqual", "2 choices, default 0"},
    {"DtNUpCount", "13 choices, default 0"},
    {"DtTargetPaperSize", "37 choices, default 0"},
    {"DtCustomTargetPaperSizeWidth", "divisor 10,000; 0 to 600,000,000; default 0"},
    {"DtCustomTargetPaperSizeHeight", "divisor 10,000; 0 to 600,000,000; default 0"},
    {"DtTargetPaperSizeType", "2 choices, default 0"},
    {"DtTargetPaperSizeName", "no default text"},
    {"DtScaleToFit", "2 choices, default 0"},
    {"DtZoom", "divisor 1; 1 to 1,000; default 100"},
    {"DtFullBleed", "2 choices, default 0"},
    {"DtRotate180", "2 choices, default 0"},
    {"DtBookletBlankInsertion", "2 choices, default 0"},
    {"DtOutputBin", "3 choices, default 0"},
    {"DtStaple", "7 choices, default 0"},
    {"DtPunch", "5 choices, default 0"},
    {"DtRingBinding", "2 choices, default 0"},
    {"DtPrintedSideFirst", "2 choices, default 1"},
    {"DtPrintedSideLast", "2 choices, default 0"},
    {"DtFeedDir", "3 choices, default 0"},
    {"DtFaceUp", "2 choices, default 0"},
    {"DtNTo1", "2 choices, default 0"},
    {"DtNumCopies", "divisor 1; 1 to 9,999; default 1"},
    {"DtCollate", "2 choices, default 0"},
    {"DtDivideOutput", "2 choices, default 0"},
    {"DtDivideOutputPages", "divisor 1; 1 to 9,999; default 1"},
    {"DtOffsetCopies", "2 choices, default 0"},
    {"DtOffsetCopiesCount", "divisor 1; 1 to 9,999; default 1"},
    {"DtOffsetPages", "2 choices, default 0"},
    {"DtOffsetPagesCount", "divisor 1; 1 to 65,535; default 1"},
    {"DtPile", "2 choices, default 0"},
    {"DtFold", "5 choices, default 0"},
    {"DtFoldDirection", "2 choices, default 0"},
    {"DtStitch", "2 choices, default 0"},
    {"DtTrim", "2 choices, default 0"},
    {"DtSquareFold", "2 choices, default 0"},
    {"DtSquareFoldStrength", "5 choices, default 2"},
    {"DtSlit", "3 choices, default 0"},
    {"DtSlitPositionTop", "divisor 10,000; 80,000 to 260,000; default 80,000"},
    {"DtSlitPositionBottom", "divisor 10,000; 80,000 to 260,000; default 80,000"},
    {"DtSlitMargin", "divisor 10,000; -10,000 to 10,000; default 0"},
    {"DtCrease", "5 choices, default 0"},
    {"DtCreaseSide", "2 choices, default 1"},
    {"DtCreasePosition1Value", "divisor 10,000; 70,000 to 2,900,000; default 70,000"},
    {"DtCreasePosition2Value", "divisor 10,000; 80,000 to 2,900,000; default 80,000"},
    {"DtCreasePosition3Value", "divisor 10,000; 90,000 to 2,900,000; default 90,000"},
    {"DtCreasePosition4Value", "divisor 10,000; 100,000 to 2,900,000; default 100,000"},
    {"DtMediaTypeAuto", "6 choices, default 0"},
    {"DtMediaWeightAuto", "11 choices, default 0"},
    {"DtMediaColorAuto", "7 choices, default 0"},
    {"DtMediaPrepunchedAuto", "2 choices, default 0"},
    {"DtMediaTypeTray1", "6 choices, default 0"},
    {"DtMediaWeightTray1", "11 choices, default 0"},
    {"DtMediaColorTray1", "7 choices, default 0"},
    {"DtMediaPrepunchedTray1", "2 choices, default 0"},
    {"DtMediaTypeTray2", "6 choices, default 0"},
    {"DtMediaWeightTray2", "11 choices, default 0"},
    {"DtMediaColorTray2", "7 choices, default 0"},
    {"DtMediaPrepunchedTray2", "2 choices, default 0"},
    {"DtMediaTypeTray3", "6 choices, default 0"},
    {"DtMediaWeightTray3", "11 choices, default 0"},
    {"DtMediaColorTray3", "7 choices, default 0"},
    {"DtMediaPrepunchedTray3", "2 choices, default 0"},
    {"DtMediaTypeTray4", "6 choices, default 0"},
    {"DtMediaWeightTray4", "11 choices, default 0"},
    {"DtMediaColorTray4", "7 choices, default 0"},
    {"DtMediaPrepunchedTray4", "2 choices, default 0"},
    {"DtMediaTypeTray5", "6 choices, default 0"},
    {"DtMediaWeightTray5", "11 choices, default 0"},
    {"DtMediaColorTray5", "7 choices, default 0"},
    {"DtMediaPrepunchedTray5", "2 choices, default 0"},
    {"DtHeaderPage", "7 choices, default 0"},
    {"DtPIFrontCoverTray", "3 choices, default 0"},
    {"DtPIFrontSheets", "divisor 1; 1 to 40; default 1"},
    {"DtFrontCoverTray", "6 choices, default 0"},
    {"DtFrontCoverPrinted", "2 choices, default 0"},
    {"DtFrontCoverPaperName", "1 choice, default choice 0"},
    {"DtFrontCoverMediaType", "no choices listed"},
    {"DtFrontCoverMediaWeight", "no choices listed"},
    {"DtFrontCoverMediaColor", "no choices listed"},
    {"DtFrontCoverMediaPrepunched", "no choices listed"},
    {"DtBackCoverTray", "6 choices, default 0"},
    {"DtBackCoverPrinted", "2 choices, default 0"},
    {"DtBackCoverPaperName", "1 choice, default choice 0"},
    {"DtBackCoverMediaType", "no choices listed"},
    {"DtBackCoverMediaWeight", "no choices listed"},
    {"DtBackCoverMediaColor", "no choices listed"},
    {"DtBackCoverMediaPrepunched", "no choices listed"},
    {"DtPIBackCoverTray", "3 choices, default 0"},
    {"DtPIBackSheets", "divisor 1; 1 to 40; default 1"},
    {"DtPerfectBindMode", "6 choices, default 0"},
    {"DtPerfectBindTrim", "2 choices, default 0"},
    {"DtPerfectBindTrimSpine", "divisor 10,000; 10,000 to 300,000; default 100,000"},
    {"DtPerfectBindDuplex", "2 choices, default 0"},
    {"DtPerfectBindTray", "17 choices, default 0"},
    {"DtPerfectBindPaperName", "1 choice, default choice 0"},
    {"DtPerfectBindSlit", "2 choices, default 0"},
    {"DtPerfectBindSlitPositionTop", "divisor 10,000; 80,000 to 260,000; default 80,000"},
    {"DtPerfectBindSlitPositionBottom", "divisor 10,000; 80,000 to 260,000; default 80,000"},
    {"DtPerfectBindCrease", "4 choices, default 0"},
    {"DtChapterMode", "2 choices, default 0"},
    {"DtChapterPages", "page range list"},
    {"DtPageSpecificTrays", "page-specific tray entries (settings application)"},
    {"DtTabImageShift", "2 choices, default 0"},
    {"DtTabImageShiftRange", "divisor 10,000; 100,000 to 150,000; default 125,000"},
    {"DtTab1Tray", "5 choices, default 0"},
    {"DtTab2Tray", "5 choices, default 0"},
    {"DtTab1PageSize", "3 choices, default 0"},
    {"DtTab2PageSize", "3 choices, default 0"},
    {"DtTab1NumOfTabs", "divisor 1; 1 to 15; default 5"},
    {"DtTab2NumOfTabs", "divisor 1; 1 to 15; default 5"},
    {"DtTab1SpaceAbove", "divisor 10,000; 0 to 500,000; default 340,000"},
    {"DtTab2SpaceAbove", "divisor 10,000; 0 to 500,000; default 340,000"},
    {"DtTab1Height", "divisor 10,000; 25,000 to 2,970,000; default 403,000"},
    {"DtTab2Height", "divisor 10,000; 25,000 to 2,970,000; default 403,000"},
    {"DtTab1SpaceBelow", "divisor 10,000; 0 to 500,000; default 340,000"},
    {"DtTab2SpaceBelow", "divisor 10,000; 0 to 500,000; default 340,000"},
    {"DtTab1FontName", "default \"ArialMT\""},
    {"DtTab2FontName", "default \"ArialMT\""},
    {"DtTab1FontBold", "2 choices, default 0"},
    {"DtTab2FontBold", "2 choices, default 0"},
    {"DtTab1FontItalic", "2 choices, default 0"},
    {"DtTab2FontItalic", "2 choices, default 0"},
    {"DtTab1FontSize", "divisor 10; 40 to 720; default 120"},
    {"DtTab2FontSize", "divisor 10; 40 to 720; default 120"},
    {"DtTab1LineSpacing", "divisor 10; 5 to 30; default 12"},
    {"DtTab2LineSpacing", "divisor 10; 5 to 30; default 12"},
    {"DtTab1Orientation", "4 choices, default 0"},
    {"DtTab2Orientation", "4 choices, default 0"},
    {"DtTab1Position", "3 choices, default 1"},
    {"DtTab2Position", "3 choices, default 1"},
    {"DtTab1TextPosition", "divisor 10,000; -100,000 to 100,000; default 0"},
    {"DtTab2TextPosition", "divisor 10,000; -100,000 to 100,000; default 0"},
    {"DtResolution", "2 choices, default 1"},
    {"DtScreening", "4 choices, default 0"},
    {"DtScreenDot", "21 choices, default 10"},
    {"DtScreenFreq", "27 choices, default 20"},
    {"DtScreenAngle", "24 choices, default 6"},
    {"DtToneCurve", "1 choice, default choice 0"},
    {"DtOtherScreening", "4 choices, default 0"},
    {"DtOtherScreenDot", "21 choices, default 10"},
    {"DtOtherScreenFreq", "27 choices, default 18"},
    {"DtOtherScreenAngle", "24 choices, default 6"},
    {"DtOtherToneCurve", "1 choice, default choice 0"},
    {"DtPrintQuality", "3 choices, default 0"},
    {"DtImageDensity", "7 choices, default 5"},
    {"DtSmoothing", "4 choices, default 0"},
    {"DtThinning", "5 choices, default 0"},
    {"DtThinObject", "2 choices, default 0"},
    {"DtUseCieColor", "2 choices, default 0"},
    {"DtJobForm", "no choices listed"},
    {"DtJobFormPageCount", "divisor 1; 0 to 4,294,967,295; default 0"},
    {"DtJobFormResolution", "no choices listed"},
    {"DtFormPrintPattern", "2 choices, default 0"},
    {"DtPageSpecificForms", "page form list"},
    {"DtPrepend", "no choices listed"},
    {"DtPrependPageCount", "divisor 1; 0 to 4,294,967,295; default 0"},
    {"DtPrependResolution", "no choices listed"},
    {"DtAppend", "no choices listed"},
    {"DtAppendPageCount", "divisor 1; 0 to 4,294,967,295; default 0"},
    {"DtAppendResolution", "no choices listed"},
    {"DtImageShiftType", "3 choices, default 0"},
    {"DtShiftFrontBack", "2 choices, default 0"},
    {"DtHorizontalShift", "divisor 10,000; -2,500,000 to 2,500,000; default 0"},
    {"DtVerticalShift", "divisor 10,000; -2,500,000 to 2,500,000; default 0"},
    {"DtHorizontalShiftBack", "divisor 10,000; -2,500,000 to 2,500,000; default 0"},
    {"DtVerticalShiftBack", "divisor 10,000; -2,500,000 to 2,500,000; default 0"},
    {"DtPrintPosition", "3 choices, default 1"},
    {"DtDateStamp", "3 choices, default 0"},
    {"DtPageNumberingMode", "4 choices, default 0"},
    {"DtPageNumberingStartPage", "divisor 1; 1 to 9,999; default 1"},
    {"DtPageNumberingStartingNumber", "divisor 1; 1 to 9,999; default 1"},
    {"DtSetNumberingMode", "4 choices, default 0"},
    {"DtSetNumberingStartingNumber", "divisor 1; 1 to 9,999; default 1"},
    {"DtCopyProtection", "2 choices, default 0"},
    {"DtBackPattern", "3 choices, default 0"},
    {"DtPatternIndex", "4 choices, default 0"},
    {"DtTandem", "2 choices, default 0"},
    {"DtSendEMail", "3 choices, default 0"},
    {"DtSendEMailAddress", "no default text"},
    {"DtWaitMode", "6 choices, default 0"},
    {"DtWaitModeSecurePrintId", "default \"NoName\""},
    {"DtWaitModePassword", "default \"quillmar\""},
    {"DtOutputMethod", "4 choices, default 0"},
    {"DtOutputMethodUserboxNumber", "default \"0\""},
    {"DtOutputMethodFileName", "no default text"},
    {"DtEncryptPdf", "2 choices, default 0"},
    {"DtPdfPassword", "no default text"},
    {"DtAddShowpage", "2 choices, default 0"},
    {"DtUserAuthentication", "4 choices, default 0"},
    {"DtUserAuthenticationPublic", "2 choices, default 0"},
    {"DtUserAuthenticationServer", "20 choices, default 0"},
    {"DtUserAuthenticationUserName", "default \"NoName\""},
    {"DtUserAuthenticationPassword", "default \"quillmar\""},
    {"DtAccountTrack", "2 choices, default 0"},
    {"DtAccountTrackDepartmentName", "default \"NoName\""},
    {"DtAccountTrackPassword", "default \"quillmar\""},
    {"DtRelayServerSettings", "relay server entries (settings application)"},
    {"DtRelayServerScreenId", "no default text"},
};

std::string grouped(std::int64_t value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, ",");
    return (value < 0 ? "-" : "") + digits;
}

std::string describe(const CoreDataMember& member) {
    if (member.choiceOption != nullptr) {
        const ChoiceOptionDescriptor& d = *member.choiceOption;
        if (d.choiceCount == 0) return "no choices listed";
        if (member.kind == MemberKind::choiceText)
            return std::to_string(d.choiceCount) + " choice, default choice " +
                   std::to_string(d.defaultIndex);
        return std::to_string(d.choiceCount) + " choices, default " +
               std::to_string(d.defaultIndex);
    }
    if (member.numericOption != nullptr) {
        const NumericOptionDescriptor& d = *member.numericOption;
        return "divisor " + grouped(d.divisor) + "; " + grouped(d.minimum) + " to " +
               grouped(d.maximum) + "; default " + grouped(d.defaultValue);
    }
    const TextOptionDescriptor& d = *member.textOption;
    const char* text = d.defaultText;
    if (text == nullptr) return "no default text";
    return std::string("default \"") + text + "\"";
}

TEST(OptionCatalogue, MatchesThePublishedDataOfEveryRecordMember) {
    std::size_t choiceMembers = 0, numericMembers = 0, textMembers = 0;
    for (const CoreDataMember& member : coreDataMembers) {
        if (member.kind == MemberKind::signature || member.kind == MemberKind::opaquePair) continue;
        SCOPED_TRACE(member.name);
        choiceMembers += member.choiceOption != nullptr;
        numericMembers += member.numericOption != nullptr;
        textMembers += member.textOption != nullptr;
        if (member.kind == MemberKind::blob) {
            EXPECT_EQ(member.textOption->defaultText, nullptr);
            continue;
        }
        const auto published = publishedMemberData.find(member.name);
        ASSERT_NE(published, publishedMemberData.end());
        EXPECT_EQ(describe(member), published->second);
        if (member.numericOption != nullptr) {
            const bool isSigned = member.form == StoredForm::int32;
            EXPECT_EQ(member.numericOption->form == NumericForm::signedForm, isSigned);
        }
    }
    EXPECT_EQ(choiceMembers, 144u);
    EXPECT_EQ(numericMembers, 52u);
    EXPECT_EQ(textMembers, 19u);
}

}  // namespace
}  // namespace pd
