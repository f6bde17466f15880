#include "core/record/core_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string_view>
#include <vector>

namespace pd {
namespace {

struct ExpectedMember {
    std::string_view name;
    std::size_t offset;
    std::size_t size;
};

// The published layout of the stored record, member by member.
constexpr ExpectedMember expectedLayout[] = {
    {"layoutSignature", 0, 4},
    {"FavoriteSettingsData", 4, 5},
    {"DtPageSize", 9, 1},
    {"DtCustomPageSizeWidth", 10, 4},
    {"DtCustomPageSizeHeight", 14, 4},
    {"DtPageSizeType", 18, 1},
    {"DtPageSizeName", 19, 128},
    {"DtOrientation", 147, 1},
    {"DtInputSlot", 148, 1},
    {"DtInputSlotPaperName", 149, 89},
    {"DtLayout", 238, 1},
    {"DtDuplex", 239, 1},
    {"DtBinding", 240, 1},
    {"DtGutter", 241, 4},
    {"DtGutterFront", 245, 4},
    {"DtGutterBack", 249, 4},
    {"DtCreep", 253, 4},
    {"DtCreepFront", 257, 4},
    {"DtCreepBack", 261, 4},
    {"DtFrontBackEqual", 265, 1},
    {"DtNUpCount", 266, 1},
    {"DtTargetPaperSize", 267, 1},
    {"DtCustomTargetPaperSizeWidth", 268, 4},
    {"DtCustomTargetPaperSizeHeight", 272, 4},
    {"DtTargetPaperSizeType", 276, 1},
    {"DtTargetPaperSizeName", 277, 128},
    {"DtScaleToFit", 405, 1},
    {"DtZoom", 406, 2},
    {"DtFullBleed", 408, 1},
    {"DtRotate180", 409, 1},
    {"DtBookletBlankInsertion", 410, 1},
    {"DtOutputBin", 411, 1},
    {"DtStaple", 412, 1},
    {"DtPunch", 413, 1},
    {"DtRingBinding", 414, 1},
    {"DtPrintedSideFirst", 415, 1},
    {"DtPrintedSideLast", 416, 1},
    {"DtFeedDir", 417, 1},
    {"DtFaceUp", 418, 1},
    {"DtNTo1", 419, 1},
    {"DtNumCopies", 420, 2},
    {"DtCollate", 422, 1},
    {"DtDivideOutput", 423, 1},
    {"DtDivideOutputPages", 424, 2},
    {"DtOffsetCopies", 426, 1},
    {"DtOffsetCopiesCount", 427, 2},
    {"DtOffsetPages", 429, 1},
    {"DtOffsetPagesCount", 430, 2},
    {"DtPile", 432, 1},
    {"DtFold", 433, 1},
    {"DtFoldDirection", 434, 1},
    {"DtStitch", 435, 1},
    {"DtTrim", 436, 1},
    {"DtSquareFold", 437, 1},
    {"DtSquareFoldStrength", 438, 1},
    {"DtSlit", 439, 1},
    {"DtSlitPositionTop", 440, 4},
    {"DtSlitPositionBottom", 444, 4},
    {"DtSlitMargin", 448, 4},
    {"DtCrease", 452, 1},
    {"DtCreaseSide", 453, 1},
    {"DtCreasePosition1Value", 454, 4},
    {"DtCreasePosition2Value", 458, 4},
    {"DtCreasePosition3Value", 462, 4},
    {"DtCreasePosition4Value", 466, 4},
    {"DtMediaTypeAuto", 470, 1},
    {"DtMediaWeightAuto", 471, 1},
    {"DtMediaColorAuto", 472, 1},
    {"DtMediaPrepunchedAuto", 473, 1},
    {"DtMediaTypeTray1", 474, 1},
    {"DtMediaWeightTray1", 475, 1},
    {"DtMediaColorTray1", 476, 1},
    {"DtMediaPrepunchedTray1", 477, 1},
    {"DtMediaTypeTray2", 478, 1},
    {"DtMediaWeightTray2", 479, 1},
    {"DtMediaColorTray2", 480, 1},
    {"DtMediaPrepunchedTray2", 481, 1},
    {"DtMediaTypeTray3", 482, 1},
    {"DtMediaWeightTray3", 483, 1},
    {"DtMediaColorTray3", 484, 1},
    {"DtMediaPrepunchedTray3", 485, 1},
    {"DtMediaTypeTray4", 486, 1},
    {"DtMediaWeightTray4", 487, 1},
    {"DtMediaColorTray4", 488, 1},
    {"DtMediaPrepunchedTray4", 489, 1},
    {"DtMediaTypeTray5", 490, 1},
    {"DtMediaWeightTray5", 491, 1},
    {"DtMediaColorTray5", 492, 1},
    {"DtMediaPrepunchedTray5", 493, 1},
    {"DtHeaderPage", 494, 1},
    {"DtPIFrontCoverTray", 495, 1},
    {"DtPIFrontSheets", 496, 2},
    {"DtFrontCoverTray", 498, 1},
    {"DtFrontCoverPrinted", 499, 1},
    {"DtFrontCoverPaperName", 500, 89},
    {"DtFrontCoverMediaType", 589, 1},
    {"DtFrontCoverMediaWeight", 590, 1},
    {"DtFrontCoverMediaColor", 591, 1},
    {"DtFrontCoverMediaPrepunched", 592, 1},
    {"DtBackCoverTray", 593, 1},
    {"DtBackCoverPrinted", 594, 1},
    {"DtBackCoverPaperName", 595, 89},
    {"DtBackCoverMediaType", 684, 1},
    {"DtBackCoverMediaWeight", 685, 1},
    {"DtBackCoverMediaColor", 686, 1},
    {"DtBackCoverMediaPrepunched", 687, 1},
    {"DtPIBackCoverTray", 688, 1},
    {"DtPIBackSheets", 689, 2},
    {"DtPerfectBindMode", 691, 1},
    {"DtPerfectBindTrim", 692, 1},
    {"DtPerfectBindTrimSpine", 693, 4},
    {"DtPerfectBindDuplex", 697, 1},
    {"DtPerfectBindTray", 698, 1},
    {"DtPerfectBindPaperName", 699, 89},
    {"DtPerfectBindSlit", 788, 1},
    {"DtPerfectBindSlitPositionTop", 789, 4},
    {"DtPerfectBindSlitPositionBottom", 793, 4},
    {"DtPerfectBindCrease", 797, 1},
    {"DtChapterMode", 798, 1},
    {"DtChapterPages", 799, 122},
    {"DtPageSpecificTrays", 921, 21202},
    {"DtTabImageShift", 22123, 1},
    {"DtTabImageShiftRange", 22124, 4},
    {"DtTab1Tray", 22128, 1},
    {"DtTab2Tray", 22129, 1},
    {"DtTab1PageSize", 22130, 1},
    {"DtTab2PageSize", 22131, 1},
    {"DtTab1NumOfTabs", 22132, 2},
    {"DtTab2NumOfTabs", 22134, 2},
    {"DtTab1SpaceAbove", 22136, 4},
    {"DtTab2SpaceAbove", 22140, 4},
    {"DtTab1Height", 22144, 4},
    {"DtTab2Height", 22148, 4},
    {"DtTab1SpaceBelow", 22152, 4},
    {"DtTab2SpaceBelow", 22156, 4},
    {"DtTab1FontName", 22160, 51},
    {"DtTab2FontName", 22211, 51},
    {"DtTab1FontBold", 22262, 1},
    {"DtTab2FontBold", 22263, 1},
    {"DtTab1FontItalic", 22264, 1},
    {"DtTab2FontItalic", 22265, 1},
    {"DtTab1FontSize", 22266, 2},
    {"DtTab2FontSize", 22268, 2},
    {"DtTab1LineSpacing", 22270, 2},
    {"DtTab2LineSpacing", 22272, 2},
    {"DtTab1Orientation", 22274, 1},
    {"DtTab2Orientation", 22275, 1},
    {"DtTab1Position", 22276, 1},
    {"DtTab2Position", 22277, 1},
    {"DtTab1TextPosition", 22278, 4},
    {"DtTab2TextPosition", 22282, 4},
    {"DtResolution", 22286, 1},
    {"DtScreening", 22287, 1},
    {"DtScreenDot", 22288, 1},
    {"DtScreenFreq", 22289, 1},
    {"DtScreenAngle", 22290, 1},
    {"DtToneCurve", 22291, 253},
    {"DtOtherScreening", 22544, 1},
    {"DtOtherScreenDot", 22545, 1},
    {"DtOtherScreenFreq", 22546, 1},
    {"DtOtherScreenAngle", 22547, 1},
    {"DtOtherToneCurve", 22548, 253},
    {"DtPrintQuality", 22801, 1},
    {"DtImageDensity", 22802, 1},
    {"DtSmoothing", 22803, 1},
    {"DtThinning", 22804, 1},
    {"DtThinObject", 22805, 1},
    {"DtUseCieColor", 22806, 1},
    {"DtJobForm", 22807, 4},
    {"DtJobFormPageCount", 22811, 4},
    {"DtJobFormResolution", 22815, 1},
    {"DtFormPrintPattern", 22816, 1},
    {"DtPageSpecificForms", 22817, 1028},
    {"DtPrepend", 23845, 4},
    {"DtPrependPageCount", 23849, 4},
    {"DtPrependResolution", 23853, 1},
    {"DtAppend", 23854, 4},
    {"DtAppendPageCount", 23858, 4},
    {"DtAppendResolution", 23862, 1},
    {"DtImageShiftType", 23863, 1},
    {"DtShiftFrontBack", 23864, 1},
    {"DtHorizontalShift", 23865, 4},
    {"DtVerticalShift", 23869, 4},
    {"DtHorizontalShiftBack", 23873, 4},
    {"DtVerticalShiftBack", 23877, 4},
    {"DtPrintPosition", 23881, 1},
    {"DtDateStamp", 23882, 1},
    {"DtPageNumberingMode", 23883, 1},
    {"DtPageNumberingStartPage", 23884, 4},
    {"DtPageNumberingStartingNumber", 23888, 4},
    {"DtSetNumberingMode", 23892, 1},
    {"DtSetNumberingStartingNumber", 23893, 2},
    {"DtCopyProtection", 23895, 1},
    {"DtBackPattern", 23896, 1},
    {"DtPatternIndex", 23897, 1},
    {"DtTandem", 23898, 1},
    {"DtSendEMail", 23899, 1},
    {"DtSendEMailAddress", 23900, 251},
    {"DtWaitMode", 24151, 1},
    {"DtWaitModeSecurePrintId", 24152, 9},
    {"DtWaitModePassword", 24161, 9},
    {"DtOutputMethod", 24170, 1},
    {"DtOutputMethodUserboxNumber", 24171, 10},
    {"DtOutputMethodFileName", 24181, 121},
    {"DtEncryptPdf", 24302, 1},
    {"DtPdfPassword", 24303, 33},
    {"DtAddShowpage", 24336, 1},
    {"DtUserAuthentication", 24337, 1},
    {"DtUserAuthenticationPublic", 24338, 1},
    {"DtUserAuthenticationServer", 24339, 1},
    {"DtUserAuthenticationUserName", 24340, 257},
    {"DtUserAuthenticationPassword", 24597, 65},
    {"DtAccountTrack", 24662, 1},
    {"DtAccountTrackDepartmentName", 24663, 9},
    {"DtAccountTrackPassword", 24672, 9},
    {"DtRelayServerSettings", 24681, 884},
    {"DtRelayServerScreenId", 25565, 17},
};

TEST(CoreDataLayout, EveryMemberSitsAtItsPublishedOffset) {
    ASSERT_EQ(std::size(expectedLayout), coreDataMembers.size());
    for (std::size_t i = 0; i < coreDataMembers.size(); ++i) {
        SCOPED_TRACE(expectedLayout[i].name);
        EXPECT_EQ(coreDataMembers[i].name, expectedLayout[i].name);
        EXPECT_EQ(coreDataMembers[i].offset, expectedLayout[i].offset);
        EXPECT_EQ(coreDataMembers[i].size, expectedLayout[i].size);
    }
    EXPECT_EQ(sizeof(PdCoreData), 25582u);
}

TEST(CoreDataLayout, MemberKindsAndFormsAddUp) {
    std::size_t oneByteChoices = 0, wideChoices = 0, choiceTexts = 0, texts = 0, blobs = 0;
    std::size_t uint16Numbers = 0, uint32Numbers = 0, int32Numbers = 0;
    for (const CoreDataMember& member : coreDataMembers) {
        switch (member.kind) {
            case MemberKind::choice:
            case MemberKind::unlistedChoice:
                EXPECT_EQ(member.form, StoredForm::uint8) << member.name;
                EXPECT_NE(member.choiceOption, nullptr) << member.name;
                ++oneByteChoices;
                break;
            case MemberKind::wideChoice:
                EXPECT_EQ(member.form, StoredForm::uint32) << member.name;
                EXPECT_NE(member.choiceOption, nullptr) << member.name;
                ++wideChoices;
                break;
            case MemberKind::choiceText:
                EXPECT_EQ(member.form, StoredForm::text) << member.name;
                EXPECT_NE(member.choiceOption, nullptr) << member.name;
                ++choiceTexts;
                break;
            case MemberKind::number:
                EXPECT_NE(member.numericOption, nullptr) << member.name;
                uint16Numbers += member.form == StoredForm::uint16;
                uint32Numbers += member.form == StoredForm::uint32;
                int32Numbers += member.form == StoredForm::int32;
                break;
            case MemberKind::text:
                EXPECT_EQ(member.form, StoredForm::text) << member.name;
                EXPECT_NE(member.textOption, nullptr) << member.name;
                ++texts;
                break;
            case MemberKind::blob:
                EXPECT_EQ(member.form, StoredForm::bytes) << member.name;
                EXPECT_NE(member.textOption, nullptr) << member.name;
                ++blobs;
                break;
            case MemberKind::signature:
            case MemberKind::opaquePair:
                EXPECT_EQ(member.choiceOption, nullptr);
                EXPECT_EQ(member.numericOption, nullptr);
                EXPECT_EQ(member.textOption, nullptr);
                break;
        }
    }
    EXPECT_EQ(oneByteChoices, 135u);
    EXPECT_EQ(wideChoices, 3u);
    EXPECT_EQ(choiceTexts, 6u);
    EXPECT_EQ(uint16Numbers, 14u);
    EXPECT_EQ(uint32Numbers, 25u);
    EXPECT_EQ(int32Numbers, 13u);
    EXPECT_EQ(texts, 15u);
    EXPECT_EQ(blobs, 4u);
}

TEST(CoreDataConstruction, FreshRecordIsAllZero) {
    alignas(PdCoreData) unsigned char storage[sizeof(PdCoreData)];
    std::memset(storage, 0xAA, sizeof storage);
    auto* record = new (storage) PdCoreData();
    const auto bytes = coreDataBytes(*record);
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](unsigned char b) { return b == 0; }));
    record->~PdCoreData();
}

TEST(CoreDataConstruction, CopyAndSelfAssignmentKeepEveryByte) {
    PdCoreData source;
    auto bytes = coreDataBytes(source);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    const PdCoreData copy(source);
    EXPECT_EQ(std::memcmp(&copy, &source, sizeof(PdCoreData)), 0);
    PdCoreData assigned;
    assigned = source;
    EXPECT_EQ(std::memcmp(&assigned, &source, sizeof(PdCoreData)), 0);
    PdCoreData& alias = assigned;
    assigned = alias;
    EXPECT_EQ(std::memcmp(&assigned, &source, sizeof(PdCoreData)), 0);
}

std::vector<unsigned char> bytesAt(const PdCoreData& record, std::size_t offset, std::size_t n) {
    const auto bytes = coreDataBytes(record);
    return {bytes.begin() + offset, bytes.begin() + offset + n};
}

TEST(CoreDataStorage, NumbersAreBigEndianAtTheirOffsets) {
    PdCoreData record;
    record.DtCustomPageSizeWidth.set(2100000);
    record.DtGutter.set(-10000);
    record.DtZoom.set(100);
    record.DtJobForm.set(0xFFFFFFFF);
    using Bytes = std::vector<unsigned char>;
    EXPECT_EQ(bytesAt(record, 10, 4), (Bytes{0x00, 0x20, 0x0B, 0x20}));
    EXPECT_EQ(bytesAt(record, 241, 4), (Bytes{0xFF, 0xFF, 0xD8, 0xF0}));
    EXPECT_EQ(bytesAt(record, 406, 2), (Bytes{0x00, 0x64}));
    EXPECT_EQ(bytesAt(record, 22807, 4), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
}

const CoreDataMember& member(std::string_view name) {
    return *std::find_if(coreDataMembers.begin(), coreDataMembers.end(),
                         [&](const CoreDataMember& m) { return m.name == name; });
}

TEST(CoreDataStorage, GenericNumberAccessFollowsTheMemberForm) {
    PdCoreData record;
    writeMemberNumber(record, member("DtGutter"), -10000);
    EXPECT_EQ(record.DtGutter.get(), -10000);
    EXPECT_EQ(readMemberNumber(record, member("DtGutter")), -10000);

    writeMemberNumber(record, member("DtZoom"), 0x12345);
    EXPECT_EQ(record.DtZoom.get(), 0x2345) << "a 16-bit member keeps the low 16 bits";

    record.DtJobFormPageCount.set(0xFFFFFFFF);
    EXPECT_EQ(readMemberNumber(record, member("DtJobFormPageCount")), 0xFFFFFFFFll);

    record.DtLayout.set(7);
    EXPECT_EQ(readMemberNumber(record, member("DtLayout")), 7);

    const PdCoreData before = record;
    writeMemberNumber(record, member("DtPageSizeName"), 42);
    EXPECT_EQ(std::memcmp(&before, &record, sizeof(PdCoreData)), 0) << "texts are not numbers";
    EXPECT_EQ(readMemberNumber(record, member("DtPageSizeName")), 0);
}

}  // namespace
}  // namespace pd
