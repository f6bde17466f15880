#include "core/ppd/ppd_writers.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/catalog/option_catalogue.h"
#include "core/ppd/ppd_choices.h"
#include "core/ppd/supported_ppd_options.h"
#include "core/record/default_record.h"
#include "tests/core/catalog/holds_no_pointer.h"
#include "tests/core/ppd/record_fixture.h"

namespace pd {
namespace {

static_assert(holdsNoPointer<PpdWriterEntry>(), "the table needs no relocation");

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct ExpectedRow {
    const char* member;
    const char* kind;
};

// The writer order: the member each row tests, and the row's kind.
const ExpectedRow expectedRows[] = {
    {"DtCustomPageSizeWidth", "number"},
    {"DtCustomPageSizeHeight", "number"},
    {"DtPageSizeType", "choice"},
    {"DtOrientation", "choice"},
    {"DtInputSlotPaperName", "text"},
    {"DtLayout", "choice"},
    {"DtDuplex", "choice"},
    {"DtBinding", "choice"},
    {"DtGutter", "signed"},
    {"DtGutterFront", "signed"},
    {"DtGutterBack", "signed"},
    {"DtCreep", "signed"},
    {"DtCreepFront", "signed"},
    {"DtCreepBack", "signed"},
    {"DtFrontBackEqual", "choice"},
    {"DtNUpCount", "choice"},
    {"DtTargetPaperSize", "choice"},
    {"DtCustomTargetPaperSizeWidth", "number"},
    {"DtCustomTargetPaperSizeHeight", "number"},
    {"DtTargetPaperSizeType", "choice"},
    {"DtScaleToFit", "choice"},
    {"DtZoom", "number16"},
    {"DtFullBleed", "full bleed"},
    {"DtRotate180", "choice"},
    {"DtBookletBlankInsertion", "choice"},
    {"DtOutputBin", "choice"},
    {"DtStaple", "staple"},
    {"DtPunch", "choice"},
    {"DtRingBinding", "choice"},
    {"DtPrintedSideFirst", "choice"},
    {"DtPrintedSideLast", "choice"},
    {"DtFeedDir", "choice"},
    {"DtFaceUp", "choice"},
    {"DtNTo1", "choice"},
    {"DtNumCopies", "number16"},
    {"DtCollate", "choice"},
    {"DtDivideOutput", "choice"},
    {"DtDivideOutputPages", "number16"},
    {"DtOffsetCopies", "choice"},
    {"DtOffsetCopiesCount", "number16"},
    {"DtOffsetPages", "choice"},
    {"DtOffsetPagesCount", "number16"},
    {"DtPile", "choice"},
    {"DtFold", "choice"},
    {"DtFoldDirection", "choice"},
    {"DtStitch", "choice"},
    {"DtTrim", "choice"},
    {"DtSquareFold", "choice"},
    {"DtSquareFoldStrength", "choice"},
    {"DtSlit", "choice"},
    {"DtSlitPositionTop", "number"},
    {"DtSlitPositionBottom", "number"},
    {"DtSlitMargin", "signed"},
    {"DtCrease", "choice"},
    {"DtCreaseSide", "choice"},
    {"DtCreasePosition1Value", "number"},
    {"DtCreasePosition2Value", "number"},
    {"DtCreasePosition3Value", "number"},
    {"DtCreasePosition4Value", "number"},
    {"DtMediaTypeAuto", "choice"},
    {"DtMediaWeightAuto", "choice"},
    {"DtMediaColorAuto", "choice"},
    {"DtMediaPrepunchedAuto", "choice"},
    {"DtMediaTypeTray1", "choice"},
    {"DtMediaWeightTray1", "choice"},
    {"DtMediaColorTray1", "choice"},
    {"DtMediaPrepunchedTray1", "choice"},
    {"DtMediaTypeTray2", "choice"},
    {"DtMediaWeightTray2", "choice"},
    {"DtMediaColorTray2", "choice"},
    {"DtMediaPrepunchedTray2", "choice"},
    {"DtMediaTypeTray3", "choice"},
    {"DtMediaWeightTray3", "choice"},
    {"DtMediaColorTray3", "choice"},
    {"DtMediaPrepunchedTray3", "choice"},
    {"DtMediaTypeTray4", "choice"},
    {"DtMediaWeightTray4", "choice"},
    {"DtMediaColorTray4", "choice"},
    {"DtMediaPrepunchedTray4", "choice"},
    {"DtMediaTypeTray5", "choice"},
    {"DtMediaWeightTray5", "choice"},
    {"DtMediaColorTray5", "choice"},
    {"DtMediaPrepunchedTray5", "choice"},
    {"DtHeaderPage", "choice"},
    {"DtPIFrontCoverTray", "choice"},
    {"DtPIFrontSheets", "number16"},
    {"DtFrontCoverTray", "choice"},
    {"DtFrontCoverPrinted", "choice"},
    {"DtFrontCoverPaperName", "text"},
    {"DtFrontCoverMediaType", "choice"},
    {"DtFrontCoverMediaWeight", "choice"},
    {"DtFrontCoverMediaColor", "choice"},
    {"DtFrontCoverMediaPrepunched", "choice"},
    {"DtBackCoverTray", "choice"},
    {"DtBackCoverPrinted", "choice"},
    {"DtBackCoverPaperName", "text"},
    {"DtBackCoverMediaType", "choice"},
    {"DtBackCoverMediaWeight", "choice"},
    {"DtBackCoverMediaColor", "choice"},
    {"DtBackCoverMediaPrepunched", "choice"},
    {"DtPIBackCoverTray", "choice"},
    {"DtPIBackSheets", "number16"},
    {"DtPerfectBindMode", "choice"},
    {"DtPerfectBindTrim", "choice"},
    {"DtPerfectBindTrimSpine", "number"},
    {"DtPerfectBindDuplex", "choice"},
    {"DtPerfectBindTray", "choice"},
    {"DtPerfectBindPaperName", "text"},
    {"DtPerfectBindSlit", "choice"},
    {"DtPerfectBindSlitPositionTop", "number"},
    {"DtPerfectBindSlitPositionBottom", "number"},
    {"DtPerfectBindCrease", "choice"},
    {"DtChapterMode", "choice"},
    {"DtTabImageShift", "choice"},
    {"DtTabImageShiftRange", "number"},
    {"DtTab1Tray", "choice"},
    {"DtTab2Tray", "choice"},
    {"DtTab1PageSize", "choice"},
    {"DtTab2PageSize", "choice"},
    {"DtTab1NumOfTabs", "number16"},
    {"DtTab2NumOfTabs", "number16"},
    {"DtTab1SpaceAbove", "number"},
    {"DtTab2SpaceAbove", "number"},
    {"DtTab1Height", "number"},
    {"DtTab2Height", "number"},
    {"DtTab1SpaceBelow", "number"},
    {"DtTab2SpaceBelow", "number"},
    {"DtTab1FontBold", "choice"},
    {"DtTab2FontBold", "choice"},
    {"DtTab1FontItalic", "choice"},
    {"DtTab2FontItalic", "choice"},
    {"DtTab1FontSize", "number16"},
    {"DtTab2FontSize", "number16"},
    {"DtTab1LineSpacing", "number16"},
    {"DtTab2LineSpacing", "number16"},
    {"DtTab1Orientation", "choice"},
    {"DtTab2Orientation", "choice"},
    {"DtTab1Position", "choice"},
    {"DtTab2Position", "choice"},
    {"DtTab1TextPosition", "signed"},
    {"DtTab2TextPosition", "signed"},
    {"DtResolution", "choice"},
    {"DtScreening", "choice"},
    {"DtScreenDot", "choice"},
    {"DtScreenFreq", "choice"},
    {"DtScreenAngle", "choice"},
    {"DtToneCurve", "text"},
    {"DtOtherScreening", "choice"},
    {"DtOtherScreenDot", "choice"},
    {"DtOtherScreenFreq", "choice"},
    {"DtOtherScreenAngle", "choice"},
    {"DtOtherToneCurve", "text"},
    {"DtPrintQuality", "choice"},
    {"DtImageDensity", "choice"},
    {"DtSmoothing", "choice"},
    {"DtThinning", "choice"},
    {"DtThinObject", "choice"},
    {"DtUseCieColor", "choice"},
    {"DtJobForm", "index32"},
    {"DtJobFormPageCount", "number"},
    {"DtJobFormResolution", "choice"},
    {"DtFormPrintPattern", "choice"},
    {"DtPrepend", "index32"},
    {"DtPrependPageCount", "number"},
    {"DtPrependResolution", "choice"},
    {"DtAppend", "index32"},
    {"DtAppendPageCount", "number"},
    {"DtAppendResolution", "choice"},
    {"DtImageShiftType", "choice"},
    {"DtShiftFrontBack", "choice"},
    {"DtHorizontalShift", "signed"},
    {"DtVerticalShift", "signed"},
    {"DtHorizontalShiftBack", "signed"},
    {"DtVerticalShiftBack", "signed"},
    {"DtPrintPosition", "choice"},
    {"DtDateStamp", "choice"},
    {"DtPageNumberingMode", "choice"},
    {"DtPageNumberingStartPage", "number"},
    {"DtPageNumberingStartingNumber", "number"},
    {"DtSetNumberingMode", "choice"},
    {"DtSetNumberingStartingNumber", "number16"},
    {"DtCopyProtection", "choice"},
    {"DtBackPattern", "choice"},
    {"DtPatternIndex", "choice"},
    {"DtTandem", "choice"},
    {"DtSendEMail", "choice"},
    {"DtWaitMode", "choice"},
    {"DtOutputMethod", "choice"},
    {"DtEncryptPdf", "choice"},
    {"DtAddShowpage", "choice"},
    {"DtUserAuthentication", "choice"},
    {"DtUserAuthenticationPublic", "choice"},
    {"DtUserAuthenticationServer", "choice"},
    {"DtAccountTrack", "choice"},
    {"offsetOption", "offset"},
};

const char* kindTag(PpdWriterKind kind) {
    switch (kind) {
        case PpdWriterKind::choice:
            return "choice";
        case PpdWriterKind::wideChoice:
            return "index32";
        case PpdWriterKind::textChoice:
            return "text";
        case PpdWriterKind::staple:
            return "staple";
        case PpdWriterKind::fullBleed:
            return "full bleed";
        case PpdWriterKind::offset:
            return "offset";
        case PpdWriterKind::number:
            return "number";
        case PpdWriterKind::number16:
            return "number16";
        case PpdWriterKind::signedNumber:
            return "signed";
    }
    return "?";
}

// What a record at its defaults yields, in order.
const std::vector<PpdChoice> defaultPairs = {
    {"QZLayout", "None"},
    {"QZDuplex", "True"},
    {"QZBinding", "LeftBinding"},
    {"QZNup", "None"},
    {"QZTargetPaperSize", "None"},
    {"QZScaleToFit", "False"},
    {"QZFullBleed", "False"},
    {"QZRotate180", "False"},
    {"OutputBin", "Auto"},
    {"QZStaple", "None"},
    {"QZPunch", "None"},
    {"QZRingBindMode", "False"},
    {"QZRingBindFrontFace", "Outside"},
    {"QZRingBindBackFace", "Inside"},
    {"QZOutputOrder", "FaceDown"},
    {"QZNto1", "False"},
    {"QZCollate", "Sort"},
    {"QZPile", "False"},
    {"QZFoldMode", "None"},
    {"QZFoldDirection", "Inside"},
    {"QZFoldStitch", "False"},
    {"QZFoldTrim", "False"},
    {"QZSquareFold", "False"},
    {"QZSquareFoldStrength", "Normal"},
    {"QZMediaType", "NoSet"},
    {"QZMediaWeight", "NoSet"},
    {"QZMediaColor", "NoSet"},
    {"QZMediaPrepunched", "False"},
    {"QZPIFrontCoverTray", "None"},
    {"QZFrontCoverTray", "None"},
    {"QZFrontCoverPrinted", "False"},
    {"QZBackCoverTray", "None"},
    {"QZBackCoverPrinted", "False"},
    {"QZPIBackCoverTray", "None"},
    {"QZPerfectBindMode", "None"},
    {"QZPerfectBindTrim", "False"},
    {"QZPerfectBindDuplex", "False"},
    {"QZPerfectBindTray", "Tray1"},
    {"QZPerfectBindCrease", "None"},
    {"Resolution", "1200dpi"},
    {"QZScreenDot", "Round"},
    {"QZScreenFreq", "120"},
    {"QZScreenAngle", "45.0"},
    {"QZPrintQuality", "Normal"},
    {"QZImageDensity", "Normal"},
    {"QZSmoothing", "None"},
    {"QZThinning", "None"},
    {"QZThinObject", "Text"},
    {"QZUseCIEColor", "False"},
    {"QZImageShift", "False"},
    {"QZPrintPosition", "Middle"},
    {"QZDateStamp", "None"},
    {"QZJimonMode", "Off"},
    {"QZJimonBackPattern", "Pattern1"},
    {"QZJimonPatternIndex", "Pattern1"},
    {"QZTandem", "None"},
    {"QZWaitMode", "None"},
    {"QZOffset", "False"},
};

std::vector<std::string> keywordsOf(const PpdChoiceList& list) {
    std::vector<std::string> keywords;
    for (const PpdChoice& pair : list) keywords.push_back(pair.keyword);
    return keywords;
}

TEST(PpdWriterTable, RowsFollowTheRecordWithTheOffsetRowLast) {
    ASSERT_EQ(std::size(expectedRows), ppdWriterTable.size());
    for (std::size_t i = 0; i < ppdWriterTable.size(); ++i) {
        const PpdWriterRow row = ppdWriterRowOf(ppdWriterTable[i]);
        const std::string member = row.member != nullptr ? row.member->name : "offsetOption";
        EXPECT_EQ(expectedRows[i].member, member) << "row " << i + 1;
        EXPECT_STREQ(expectedRows[i].kind, kindTag(row.kind)) << "row " << i + 1;
    }
}

TEST(CoreDataToPpdChoices, DefaultRecordYieldsItsPairsInWriterOrder) {
    PpdChoiceList out = {{"stale", "pair"}};
    coreDataToPpdChoices(defaultRecord(), out, nullptr);
    EXPECT_EQ(defaultPairs, out);

    // Metric and inch hosts differ in the paper, which reaches no pair of a default record.
    for (const std::uint32_t paper : {1u, 17u}) {
        PdCoreData record;
        fillDefaultCoreData(record, paper, languageUsEnglish);
        coreDataToPpdChoices(record, out, nullptr);
        EXPECT_EQ(defaultPairs, out) << "paper " << paper;
    }
}

// Whatever the record holds, only the options with a PPD keyword appear, each once, in order;
// values beyond an option's choices read as its default. Numbers and texts never yield a pair
// with this catalogue.
TEST(CoreDataToPpdChoices, AnyRecordYieldsTheSameKeywordsAndNeverPageSizeOrInputSlot) {
    PdCoreData record = defaultRecord();
    std::ranges::fill(coreDataBytes(record), 0xFF);
    PpdChoiceList out;
    coreDataToPpdChoices(record, out, nullptr);
    EXPECT_EQ(keywordsOf(defaultPairs), keywordsOf(out));
    for (const PpdChoice& pair : out) {
        EXPECT_NE("PageSize", pair.keyword);
        EXPECT_NE("InputSlot", pair.keyword);
    }

    record = defaultRecord();
    record.DtDuplex.set(7);
    record.DtToneCurve.assign("CurveA");
    record.DtInputSlotPaperName.assign("Letterhead");
    record.DtGutter.set(-250000);
    record.DtZoom.set(400);
    record.DtCustomPageSizeWidth.set(600000000);
    coreDataToPpdChoices(record, out, nullptr);
    EXPECT_EQ(keywordsOf(defaultPairs), keywordsOf(out));
    EXPECT_EQ((PpdChoice{"QZDuplex", "True"}), out[1]);
}

// Random records: every pair is a choice that the option offers.
TEST(CoreDataToPpdChoices, RandomRecordsYieldOnlyOfferedChoices) {
    SupportedPpdOptionList supported;
    collectSupportedPpdOptions(supported);
    std::map<std::string, std::set<std::string>> offered;
    for (const SupportedPpdOption& entry : supported)
        for (const PpdChoice& pair : entry.choices) offered[entry.keyword].insert(pair.choice);

    std::mt19937 random(20261210);
    PdCoreData record;
    for (int round = 0; round < 200; ++round) {
        for (unsigned char& byte : coreDataBytes(record))
            byte = static_cast<unsigned char>(random() % (round % 2 == 0 ? 4 : 256));
        PpdChoiceList out;
        coreDataToPpdChoices(record, out, nullptr);
        ASSERT_EQ(keywordsOf(defaultPairs), keywordsOf(out));
        for (const PpdChoice& pair : out)
            EXPECT_TRUE(offered[pair.keyword].contains(pair.choice))
                << pair.keyword << " " << pair.choice;
    }
}

struct ChangedCase {
    const char* name;
    // Fills the list with identities of members of record.
    void (*mark)(const PdCoreData& record, ChangedFieldList& list);
    std::vector<PpdChoice> expected;
};

const ChangedCase changedCases[] = {
    {"empty list", [](const PdCoreData&, ChangedFieldList&) {}, {}},
    {"duplex only",
     [](const PdCoreData& r, ChangedFieldList& l) { l.append(fieldIdentity(r.DtDuplex)); },
     {{"QZDuplex", "True"}}},
    {"page size has no writer and does not reach full bleed",
     [](const PdCoreData& r, ChangedFieldList& l) { l.append(fieldIdentity(r.DtPageSize)); },
     {}},
    {"input slot has no writer",
     [](const PdCoreData& r, ChangedFieldList& l) { l.append(fieldIdentity(r.DtInputSlot)); },
     {}},
    {"binding alone yields no staple pair",
     [](const PdCoreData& r, ChangedFieldList& l) { l.append(fieldIdentity(r.DtBinding)); },
     {{"QZBinding", "LeftBinding"}}},
    {"target paper alone yields no full-bleed pair",
     [](const PdCoreData& r, ChangedFieldList& l) { l.append(fieldIdentity(r.DtTargetPaperSize)); },
     {{"QZTargetPaperSize", "None"}}},
    {"offset pages reach the offset row",
     [](const PdCoreData& r, ChangedFieldList& l) { l.append(fieldIdentity(r.DtOffsetPages)); },
     {{"QZOffset", "False"}}},
    {"offset copies reach the offset row",
     [](const PdCoreData& r, ChangedFieldList& l) { l.append(fieldIdentity(r.DtOffsetCopies)); },
     {{"QZOffset", "False"}}},
    {"repeats and list order do not change the writer order",
     [](const PdCoreData& r, ChangedFieldList& l) {
         l.append(fieldIdentity(r.DtStaple));
         l.append(fieldIdentity(r.DtLayout));
         l.append(fieldIdentity(r.DtStaple));
         l.append(fieldIdentity(r.DtOffsetCopies));
         l.append(fieldIdentity(r.DtOffsetPages));
     },
     {{"QZLayout", "None"}, {"QZStaple", "None"}, {"QZOffset", "False"}}},
    {"members without a PPD keyword",
     [](const PdCoreData& r, ChangedFieldList& l) {
         l.append(fieldIdentity(r.DtOrientation));
         l.append(fieldIdentity(r.DtGutter));
         l.append(fieldIdentity(r.DtToneCurve));
         l.append(fieldIdentity(r.DtJobForm));
     },
     {}},
};

TEST(CoreDataToPpdChoices, ChangedFieldListSelectsTheRowsOfItsMembers) {
    const PdCoreData record = defaultRecord();
    for (const ChangedCase& c : changedCases) {
        ChangedFieldList list;
        c.mark(record, list);
        PpdChoiceList out = {{"stale", "pair"}};
        coreDataToPpdChoices(record, out, &list);
        EXPECT_EQ(c.expected, out) << c.name;
    }
}

TEST(CoreDataToPpdChoices, IdentitiesOfAnotherRecordMatchNothing) {
    const PdCoreData record = defaultRecord();
    const PdCoreData copy = record;
    ChangedFieldList list;
    list.append(fieldIdentity(copy.DtDuplex));
    list.append(fieldIdentity(copy.DtOffsetPages));
    PpdChoiceList out;
    coreDataToPpdChoices(record, out, &list);
    EXPECT_THAT(out, IsEmpty());
}

PpdChoice pairOf(const PdCoreData& record, const char* keyword) {
    PpdChoiceList out;
    coreDataToPpdChoices(record, out, nullptr);
    for (const PpdChoice& pair : out)
        if (pair.keyword == keyword) return pair;
    return {};
}

TEST(CoreDataToPpdChoices, OneStapleIsPlacedByTheBinding) {
    struct Case {
        std::uint8_t staple, binding;
        const char* choice;
    } const cases[] = {
        {3, 1, "1Staple(Right)"}, {3, 0, "1Staple(Left)"}, {3, 2, "1Staple(Left)"},
        {3, 9, "1Staple(Left)"},  {1, 1, "1Staple(Left)"}, {2, 0, "1Staple(Right)"},
        {4, 1, "2StapleWide"},    {6, 0, "2StapleNarrow"}, {7, 1, "None"},
        {255, 0, "None"},
    };
    for (const Case& c : cases) {
        PdCoreData record = defaultRecord();
        record.DtStaple.set(c.staple);
        record.DtBinding.set(c.binding);
        EXPECT_EQ((PpdChoice{"QZStaple", c.choice}), pairOf(record, "QZStaple"))
            << int(c.staple) << " with binding " << int(c.binding);
    }
}

TEST(CoreDataToPpdChoices, FullBleedFollowsThePaperWhereThePaperDecides) {
    struct Case {
        std::uint8_t fullBleed, pageSize, target;
        const char* choice;
    } const cases[] = {
        {1, 7, 0, "False"},  // SRA3 without a target: forced off
        {0, 1, 37, "True"},  // custom target: forced on
        {0, 7, 37, "True"},  // custom target on SRA3
        {1, 1, 0, "True"},   // A4: the user's choice
        {0, 1, 0, "False"},  // A4: the user's choice
        {0, 31, 0, "True"},  // tab paper: forced on
        {5, 1, 0, "False"},  // beyond the choices: the default
    };
    for (const Case& c : cases) {
        PdCoreData record = defaultRecord();
        record.DtFullBleed.set(c.fullBleed);
        record.DtPageSize.set(c.pageSize);
        record.DtTargetPaperSize.set(c.target);
        EXPECT_EQ((PpdChoice{"QZFullBleed", c.choice}), pairOf(record, "QZFullBleed"))
            << int(c.fullBleed) << " on " << int(c.pageSize) << " to " << int(c.target);
        EXPECT_EQ(c.fullBleed, record.DtFullBleed.get());
    }
}

TEST(CoreDataToPpdChoices, OffsetIsOnWhenCopiesOrPagesAreOffset) {
    struct Case {
        std::uint8_t copies, pages;
        const char* choice;
    } const cases[] = {
        {0, 0, "False"}, {0, 1, "True"}, {1, 0, "True"}, {1, 1, "True"}, {200, 0, "True"}};
    for (const Case& c : cases) {
        PdCoreData record = defaultRecord();
        record.DtOffsetCopies.set(c.copies);
        record.DtOffsetPages.set(c.pages);
        EXPECT_EQ((PpdChoice{"QZOffset", c.choice}), pairOf(record, "QZOffset"));
        ChangedFieldList onlyPages;
        onlyPages.append(fieldIdentity(record.DtOffsetPages));
        PpdChoiceList out;
        coreDataToPpdChoices(record, out, &onlyPages);
        EXPECT_THAT(out, ElementsAre(PpdChoice{"QZOffset", c.choice}));
    }
}

// The catalogue's text-choice objects have no PPD keyword; an object that has one sends the
// member's text, never reading past the member even when its last byte is not NUL.
TEST(PpdTextChoice, SendsTheMembersTextWithinItsCapacity) {
    ChoiceOptionDescriptor toneCurve = toneCurveOption;
    toneCurve.names.ppdName = "QZToneCurve";
    CoreDataMember member = memberNamed("DtToneCurve");
    member.choiceOption = &toneCurve;
    const PpdWriterRow row{PpdWriterKind::textChoice, &member};

    PdCoreData record = defaultRecord();
    PpdChoiceList out;
    record.DtToneCurve.assign("Curve7");
    EXPECT_TRUE(writePpdTextChoice(row, record, out, nullptr));
    EXPECT_THAT(out, ElementsAre(PpdChoice{"QZToneCurve", "Curve7"}));

    std::memset(record.DtToneCurve.bytes, 'c', sizeof record.DtToneCurve.bytes);
    out.clear();
    EXPECT_TRUE(writePpdTextChoice(row, record, out, nullptr));
    ASSERT_EQ(1u, out.size());
    EXPECT_EQ(std::string(sizeof record.DtToneCurve.bytes, 'c'), out[0].choice);

    record.DtToneCurve.assign("");
    out.clear();
    EXPECT_FALSE(writePpdTextChoice(row, record, out, nullptr));
    EXPECT_THAT(out, IsEmpty());

    ChangedFieldList other;
    other.append(fieldIdentity(record.DtOtherToneCurve));
    record.DtToneCurve.assign("Curve7");
    EXPECT_FALSE(writePpdTextChoice(row, record, out, &other));
}

// A damaged descriptor whose default lies beyond the choice array yields nothing.
TEST(PpdChoice, DefaultBeyondTheChoiceArrayYieldsNothing) {
    ChoiceOptionDescriptor broken = duplexOption;
    broken.defaultIndex = 200;
    EXPECT_EQ(nullptr, ppdChoiceKeywordAt(broken, 5));
    EXPECT_STREQ("False", ppdChoiceKeywordAt(broken, 0));
}

}  // namespace
}  // namespace pd
