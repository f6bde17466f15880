#include "core/catalog/option_catalogue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "tests/core/catalog/holds_no_pointer.h"

namespace pd {
namespace {

// Descriptors hold their texts, not pointers to them, so the catalogue needs no relocation.
static_assert(holdsNoPointer<ChoiceOptionDescriptor>());
static_assert(holdsNoPointer<NumericOptionDescriptor>());
static_assert(holdsNoPointer<TextOptionDescriptor>());

using AnyDescriptor = std::variant<const ChoiceOptionDescriptor*, const NumericOptionDescriptor*,
                                   const TextOptionDescriptor*>;

struct CatalogueEntry {
    std::string_view name;
    AnyDescriptor descriptor;
};

template <typename T>
CatalogueEntry makeEntry(std::string_view name, const T& descriptor) {
    return {name, &descriptor};
}
#define entry(object) makeEntry(#object, object)

// Every descriptor of the catalogue, in catalogue order. The driver itself never walks the
// catalogue; this list exists so that the tests can.
const std::vector<CatalogueEntry> allDescriptors = {
    entry(opPaperSourcesOption),
    entry(opZFoldUnitOption),
    entry(opStaplerOption),
    entry(opPunchUnitOption),
    entry(opPostInserterOption),
    entry(opSaddleUnitOption),
    entry(opMultiHolePunchOption),
    entry(opRingBinderOption),
    entry(falseTrueOption),
    entry(pageSizeOption),
    entry(customPageSizeWidthOption),
    entry(customPageSizeHeightOption),
    entry(pageSizeTypeOption),
    entry(pageSizeNameOption),
    entry(orientationOption),
    entry(inputSlotOption),
    entry(inputSlotPaperNameOption),
    entry(layoutOption),
    entry(duplexOption),
    entry(bookletBlankInsertionOption),
    entry(numCopiesOption),
    entry(collateOption),
    entry(offsetOption),
    entry(nTo1Option),
    entry(faceUpOption),
    entry(bindingOption),
    entry(nUpCountOption),
    entry(ringBindingOption),
    entry(printedSideFirstOption),
    entry(printedSideLastOption),
    entry(stapleOption),
    entry(punchOption),
    entry(feedDirOption),
    entry(foldDirectionOption),
    entry(foldOption),
    entry(stitchOption),
    entry(trimOption),
    entry(squareFoldOption),
    entry(squareFoldStrengthOption),
    entry(slitOption),
    entry(slitPositionTopOption),
    entry(slitPositionBottomOption),
    entry(slitMarginOption),
    entry(creaseOption),
    entry(creaseSideOption),
    entry(creasePosition1ValueOption),
    entry(creasePosition2ValueOption),
    entry(creasePosition3ValueOption),
    entry(creasePosition4ValueOption),
    entry(divideOutputOption),
    entry(divideOutputPagesOption),
    entry(offsetCopiesOption),
    entry(offsetCopiesCountOption),
    entry(offsetPagesOption),
    entry(offsetPagesCountOption),
    entry(gutterOption),
    entry(gutterFrontOption),
    entry(gutterBackOption),
    entry(creepOption),
    entry(creepFrontOption),
    entry(creepBackOption),
    entry(frontBackEqualOption),
    entry(zoomOption),
    entry(fullBleedOption),
    entry(rotate180Option),
    entry(targetPaperSizeOption),
    entry(customTargetPaperSizeWidthOption),
    entry(customTargetPaperSizeHeightOption),
    entry(targetPaperSizeTypeOption),
    entry(targetPaperSizeNameOption),
    entry(scaleToFitOption),
    entry(mediaTypeAutoOption),
    entry(mediaTypeTray1Option),
    entry(mediaTypeTray2Option),
    entry(mediaTypeTray3Option),
    entry(mediaTypeTray4Option),
    entry(mediaTypeTray5Option),
    entry(mediaWeightAutoOption),
    entry(mediaWeightTray1Option),
    entry(mediaWeightTray2Option),
    entry(mediaWeightTray3Option),
    entry(mediaWeightTray4Option),
    entry(mediaWeightTray5Option),
    entry(mediaColorAutoOption),
    entry(mediaColorTray1Option),
    entry(mediaColorTray2Option),
    entry(mediaColorTray3Option),
    entry(mediaColorTray4Option),
    entry(mediaColorTray5Option),
    entry(mediaPrepunchedAutoOption),
    entry(mediaPrepunchedTray1Option),
    entry(mediaPrepunchedTray2Option),
    entry(mediaPrepunchedTray3Option),
    entry(mediaPrepunchedTray4Option),
    entry(mediaPrepunchedTray5Option),
    entry(outputBinOption),
    entry(resolutionOption),
    entry(screeningOption),
    entry(otherScreeningOption),
    entry(screenFreqOption),
    entry(otherScreenFreqOption),
    entry(screenAngleOption),
    entry(otherScreenAngleOption),
    entry(screenDotOption),
    entry(otherScreenDotOption),
    entry(toneCurveOption),
    entry(otherToneCurveOption),
    entry(printQualityOption),
    entry(imageDensityOption),
    entry(smoothingOption),
    entry(thinningOption),
    entry(thinObjectOption),
    entry(useCieColorOption),
    entry(waitModeOption),
    entry(pileOption),
    entry(headerPageOption),
    entry(perfectBindModeOption),
    entry(perfectBindTrimOption),
    entry(perfectBindTrimSpineOption),
    entry(perfectBindDuplexOption),
    entry(perfectBindTrayOption),
    entry(perfectBindPaperNameOption),
    entry(perfectBindSlitOption),
    entry(perfectBindSlitPositionTopOption),
    entry(perfectBindSlitPositionBottomOption),
    entry(perfectBindCreaseOption),
    entry(frontCoverTrayOption),
    entry(frontCoverPaperNameOption),
    entry(frontCoverMediaTypeOption),
    entry(frontCoverMediaWeightOption),
    entry(frontCoverMediaColorOption),
    entry(frontCoverMediaPrepunchedOption),
    entry(piFrontCoverTrayOption),
    entry(piFrontSheetsOption),
    entry(frontCoverPrintedOption),
    entry(backCoverTrayOption),
    entry(backCoverPaperNameOption),
    entry(backCoverMediaTypeOption),
    entry(backCoverMediaWeightOption),
    entry(backCoverMediaColorOption),
    entry(backCoverMediaPrepunchedOption),
    entry(piBackCoverTrayOption),
    entry(piBackSheetsOption),
    entry(backCoverPrintedOption),
    entry(ppsPrintTypeOption),
    entry(ppsSourceOption),
    entry(ppsMultipleInsertionsOption),
    entry(ppsPunchOption),
    entry(ppsStapleOption),
    entry(ppsFinishStaplingOption),
    entry(ppsPaperNameOption),
    entry(tppsCurrentPageOption),
    entry(tppsPageModeOption),
    entry(tppsInsertOption),
    entry(tppsInsertionsOption),
    entry(tppsTabTypeOption),
    entry(tppsTabTextOption),
    entry(tppsTabPositionOption),
    entry(tppsUntitledTextOption),
    entry(imageShiftTypeOption),
    entry(shiftFrontBackOption),
    entry(horizontalShiftOption),
    entry(verticalShiftOption),
    entry(horizontalShiftBackOption),
    entry(verticalShiftBackOption),
    entry(printPositionOption),
    entry(copyProtectionOption),
    entry(backPatternOption),
    entry(patternIndexOption),
    entry(formPrintPatternOption),
    entry(jobFormOption),
    entry(jobFormPageCountOption),
    entry(jobFormResolutionOption),
    entry(prependOption),
    entry(prependPageCountOption),
    entry(prependResolutionOption),
    entry(appendOption),
    entry(appendPageCountOption),
    entry(appendResolutionOption),
    entry(dateStampOption),
    entry(pageNumberingModeOption),
    entry(pageNumberingStartPageOption),
    entry(pageNumberingStartingNumberOption),
    entry(setNumberingModeOption),
    entry(setNumberingStartingNumberOption),
    entry(tandemOption),
    entry(sendEMailOption),
    entry(sendEMailAddressOption),
    entry(userAuthenticationOption),
    entry(userAuthenticationPublicOption),
    entry(userAuthenticationServerOption),
    entry(userAuthenticationUserNameOption),
    entry(userAuthenticationPasswordOption),
    entry(relayServerSettingsOption),
    entry(relayServerScreenIdOption),
    entry(accountTrackOption),
    entry(accountTrackDepartmentNameOption),
    entry(accountTrackPasswordOption),
    entry(waitModeSecurePrintIdOption),
    entry(waitModePasswordOption),
    entry(outputMethodOption),
    entry(outputMethodUserboxNumberOption),
    entry(outputMethodFileNameOption),
    entry(encryptPdfOption),
    entry(pdfPasswordOption),
    entry(addShowpageOption),
    entry(tabImageShiftOption),
    entry(tabImageShiftRangeOption),
    entry(tab1TrayOption),
    entry(tab2TrayOption),
    entry(tab1PageSizeOption),
    entry(tab2PageSizeOption),
    entry(tab1NumOfTabsOption),
    entry(tab2NumOfTabsOption),
    entry(tab1SpaceAboveOption),
    entry(tab2SpaceAboveOption),
    entry(tab1SpaceBelowOption),
    entry(tab2SpaceBelowOption),
    entry(tab1HeightOption),
    entry(tab2HeightOption),
    entry(tab1FontNameOption),
    entry(tab2FontNameOption),
    entry(tab1FontBoldOption),
    entry(tab2FontBoldOption),
    entry(tab1FontItalicOption),
    entry(tab2FontItalicOption),
    entry(tab1FontSizeOption),
    entry(tab2FontSizeOption),
    entry(tab1LineSpacingOption),
    entry(tab2LineSpacingOption),
    entry(tab1OrientationOption),
    entry(tab2OrientationOption),
    entry(tab1PositionOption),
    entry(tab2PositionOption),
    entry(tab1TextPositionOption),
    entry(tab2TextPositionOption),
    entry(pageSpecificFormsOption),
    entry(pageSpecificTraysOption),
    entry(chapterModeOption),
    entry(chapterPagesOption),
    entry(languageVersionOption),
    entry(measureUnitOption),
    entry(weightUnitOption),
    entry(keychainOption),
    entry(snmpVersionOption),
    entry(snmpReadCommunityNameOption),
    entry(snmpReadUserAuthPwOption),
    entry(snmpReadUserPrivPwOption),
    entry(snmpContextNameOption),
    entry(snmpReadUserNameOption),
    entry(snmpSecurityLevelOption),
};
#undef entry

const OptionDescriptor& headOf(const AnyDescriptor& descriptor) {
    return std::visit([](auto* d) -> const OptionDescriptor& { return *d; }, descriptor);
}

bool isPrintableAscii(const char* text) {
    if (text == nullptr) return true;
    for (const char* c = text; *c != '\0'; ++c)
        if (*c < 0x20 || *c > 0x7E) return false;
    return true;
}

bool isNullOrNonEmpty(const char* text) {
    return text == nullptr || *text != '\0';
}

void expectNamesWellFormed(const OptionNames& names, std::string_view where) {
    for (const char* text : std::initializer_list<const char*>{names.ppdName, names.altName,
                                                               names.reserved, names.pjlName}) {
        EXPECT_TRUE(isNullOrNonEmpty(text)) << where;
        EXPECT_TRUE(isPrintableAscii(text)) << where;
    }
    EXPECT_EQ(names.reserved, nullptr) << where;
    EXPECT_LE(static_cast<std::uint32_t>(names.pjlMode), 3u) << where;
}

bool isTitleRow(std::uint32_t row) {
    return row == noTitleRow || row < 1309;
}

TEST(OptionCatalogue, HoldsTheDescriptorsInTheirKnownProportions) {
    ASSERT_EQ(allDescriptors.size(), 251u);
    std::set<std::string_view> names;
    std::size_t choices = 0, numerics = 0, texts = 0;
    std::map<PjlMode, std::size_t> modes;
    std::size_t choicesWithAltName = 0, descriptorsWithAltName = 0;
    for (const CatalogueEntry& e : allDescriptors) {
        EXPECT_TRUE(names.insert(e.name).second) << e.name;
        const OptionDescriptor& head = headOf(e.descriptor);
        ++modes[head.names.pjlMode];
        if (const auto* choice = std::get_if<const ChoiceOptionDescriptor*>(&e.descriptor)) {
            ++choices;
            std::size_t withAlt = 0;
            for (std::uint32_t i = 0; i < (*choice)->choiceCount; ++i)
                withAlt += (*choice)->choices[i].names.altName != nullptr;
            choicesWithAltName += withAlt;
            descriptorsWithAltName += withAlt > 0;
        } else if (std::holds_alternative<const NumericOptionDescriptor*>(e.descriptor)) {
            ++numerics;
        } else {
            ++texts;
        }
    }
    EXPECT_EQ(choices, 170u);
    EXPECT_EQ(numerics, 55u);
    EXPECT_EQ(texts, 26u);
    EXPECT_EQ(modes[PjlMode::never], 186u);
    EXPECT_EQ(modes[PjlMode::allJobKinds], 19u);
    EXPECT_EQ(modes[PjlMode::jobKind1Only], 1u);
    EXPECT_EQ(modes[PjlMode::jobKind2Only], 45u);
    EXPECT_EQ(choicesWithAltName, 120u);
    EXPECT_EQ(descriptorsWithAltName, 15u);
}

TEST(OptionCatalogue, EveryDescriptorIsWellFormed) {
    for (const CatalogueEntry& e : allDescriptors) {
        SCOPED_TRACE(e.name);
        const OptionDescriptor& head = headOf(e.descriptor);
        expectNamesWellFormed(head.names, e.name);
        EXPECT_EQ(head.names.altName, nullptr);
        EXPECT_TRUE(isTitleRow(head.titleRow));
        if (const auto* p = std::get_if<const ChoiceOptionDescriptor*>(&e.descriptor)) {
            const ChoiceOptionDescriptor& d = **p;
            ASSERT_LE(d.choiceCount, maxChoiceCount);
            if (d.choiceCount == 0) {
                EXPECT_EQ(d.defaultIndex, 0u);
                EXPECT_EQ(d.choices[0].titleRow, noTitleRow);
                EXPECT_EQ(d.choices[0].name, nullptr);
            } else {
                EXPECT_LT(d.defaultIndex, d.choiceCount);
            }
            std::set<std::string_view> choiceNames;
            for (std::uint32_t i = 0; i < d.choiceCount; ++i) {
                const OptionChoice& c = d.choices[i];
                ASSERT_NE(c.name, nullptr) << i;
                EXPECT_TRUE(choiceNames.insert(c.name).second) << c.name;
                EXPECT_TRUE(isNullOrNonEmpty(c.name) && isPrintableAscii(c.name)) << i;
                EXPECT_TRUE(isTitleRow(c.titleRow)) << c.name;
                expectNamesWellFormed(c.names, c.name);
            }
            for (std::size_t i = std::max<std::size_t>(d.choiceCount, 1); i < maxChoiceCount; ++i) {
                const OptionChoice& c = d.choices[i];
                EXPECT_TRUE(c.titleRow == 0 && c.name == nullptr && c.names.ppdName == nullptr &&
                            c.names.altName == nullptr && c.names.pjlName == nullptr &&
                            c.names.pjlMode == PjlMode::never)
                    << "unused entry " << i;
            }
        } else if (const auto* p = std::get_if<const NumericOptionDescriptor*>(&e.descriptor)) {
            const NumericOptionDescriptor& d = **p;
            EXPECT_EQ(d.names.ppdName, nullptr) << "no numeric option reaches the PPD";
            EXPECT_NE(d.divisor, 0u);
            EXPECT_LE(d.minimum, d.defaultValue);
            EXPECT_LE(d.defaultValue, d.maximum);
            if (d.form == NumericForm::signedForm) {
                EXPECT_GE(d.minimum, INT32_MIN);
                EXPECT_LE(d.maximum, INT32_MAX);
            } else {
                EXPECT_GE(d.minimum, 0);
                EXPECT_LE(d.maximum, 0xFFFFFFFFll);
            }
            for (std::uint32_t scale : d.outputScale) EXPECT_EQ(scale, d.outputScale[0]);
            for (const char* value : d.ppdValues) EXPECT_EQ(value, nullptr);
            ASSERT_LE(d.displayUnitCount, maxDisplayUnitCount);
            for (const DisplayUnit& unit : d.displayUnits) {
                EXPECT_TRUE(isTitleRow(unit.labelRow));
                EXPECT_EQ(unit.decimals[0], unit.decimals[1]);
                EXPECT_LE(unit.decimals[0], 3u);
            }
            for (std::size_t i = d.displayUnitCount; i < maxDisplayUnitCount; ++i) {
                EXPECT_EQ(d.displayUnits[i].labelRow, noTitleRow);
                EXPECT_EQ(d.displayUnits[i].scale, 1u);
                EXPECT_EQ(d.displayUnits[i].decimals[0], 0u);
            }
        } else {
            const TextOptionDescriptor& d =
                **std::get_if<const TextOptionDescriptor*>(&e.descriptor);
            EXPECT_TRUE(isPrintableAscii(d.defaultText));
        }
    }
}

// A few facts that are easy to copy wrong because they break a pattern.
TEST(OptionCatalogue, KeepsTheIrregularEntries) {
    EXPECT_EQ(faceUpOption.names.pjlMode, PjlMode::jobKind2Only);
    EXPECT_EQ(faceUpOption.choices[0].names.pjlMode, PjlMode::allJobKinds);
    EXPECT_STREQ(faceUpOption.choices[1].names.ppdName, "FaceUp");
    EXPECT_EQ(headerPageOption.choices[0].names.pjlMode, PjlMode::never);
    EXPECT_EQ(headerPageOption.choices[1].names.pjlMode, PjlMode::allJobKinds);
    EXPECT_EQ(stapleOption.choices[3].names.ppdName, nullptr);
    EXPECT_EQ(stapleOption.choices[3].names.pjlName, nullptr);
    EXPECT_STREQ(nUpCountOption.choices[9].names.ppdName, "9");
    EXPECT_EQ(nUpCountOption.names.pjlMode, PjlMode::jobKind1Only);
    EXPECT_STREQ(screenAngleOption.choices[1].name, "7");
    EXPECT_STREQ(screenAngleOption.choices[1].names.ppdName, "7.5");
    EXPECT_STREQ(waitModeOption.choices[5].names.ppdName, "None");
    EXPECT_STREQ(toneCurveOption.choices[0].names.pjlName, "OFF");
    EXPECT_EQ(toneCurveOption.choices[0].names.ppdName, nullptr);
    EXPECT_STREQ(mediaTypeTray3Option.choices[4].names.altName, "Rough");
    EXPECT_STREQ(mediaTypeTray3Option.choices[4].names.pjlName, "ROUGH");
    EXPECT_EQ(mediaTypeTray3Option.choices[4].names.pjlMode, PjlMode::jobKind2Only);
    EXPECT_EQ(mediaPrepunchedTray5Option.choices[1].names.altName, nullptr);
    EXPECT_STREQ(mediaPrepunchedTray5Option.choices[1].names.ppdName, "True");
    EXPECT_STREQ(snmpContextNameOption.defaultText, "");
    EXPECT_EQ(pageSizeNameOption.defaultText, nullptr);
    EXPECT_EQ(jobFormPageCountOption.maximum, 0xFFFFFFFFll);
    EXPECT_EQ(gutterOption.outputScale[outputScalePjlWord], 1000u);
    EXPECT_EQ(gutterFrontOption.outputScale[outputScalePjlWord], 10u);
    EXPECT_EQ(tab1FontSizeOption.outputScale[outputScalePostScriptWord], 1u);
    EXPECT_EQ(tab1TextPositionOption.displayUnits[1].scale, 100u);
    EXPECT_EQ(tab1HeightOption.displayUnits[1].scale, 10u);
    EXPECT_EQ(tab1LineSpacingOption.displayUnitCount, 1u);
    EXPECT_EQ(tab1LineSpacingOption.displayUnits[0].labelRow, noTitleRow);
    EXPECT_EQ(tab1LineSpacingOption.displayUnits[0].scale, 10u);
    EXPECT_EQ(tab1LineSpacingOption.displayUnits[0].decimals[0], 1u);
    EXPECT_STREQ(languageVersionOption.choices[6].names.ppdName, "TradChinese");
    EXPECT_STREQ(languageVersionOption.choices[6].name, "TraditionalChinese");
    EXPECT_STREQ(offsetOption.names.ppdName, "QZOffset");
    EXPECT_STREQ(offsetOption.names.pjlName, "JOBOFFSET");
}

// A 64-bit FNV-1a digest of every word of every descriptor: names (null told apart from empty),
// PJL modes, title rows, all 37 choice entries, numeric limits, scales, PPD values and display
// units, default texts. The signature of the record layout covers only names, counts and divisors;
// this digest also covers what reaches the PPD and the PJL header.
class CatalogueDigest {
  public:
    void text(const char* t) {
        byte(t == nullptr ? 0 : 1);
        if (t == nullptr) return;
        for (const char* c = t; *c != '\0'; ++c) byte(static_cast<unsigned char>(*c));
        byte(0);
    }
    void word(std::uint64_t w) {
        for (int i = 0; i < 8; ++i) byte(static_cast<unsigned char>(w >> (8 * i)));
    }
    void names(const OptionNames& n) {
        for (const char* t :
             std::initializer_list<const char*>{n.ppdName, n.altName, n.reserved, n.pjlName})
            text(t);
        word(static_cast<std::uint32_t>(n.pjlMode));
    }
    std::uint64_t value() const { return hash_; }

  private:
    void byte(unsigned char b) { hash_ = (hash_ ^ b) * 0x100000001B3ull; }
    std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

std::uint64_t catalogueDigest() {
    CatalogueDigest digest;
    for (const CatalogueEntry& e : allDescriptors) {
        digest.text(std::string(e.name).c_str());
        const OptionDescriptor& head = headOf(e.descriptor);
        digest.names(head.names);
        digest.word(head.titleRow);
        if (const auto* p = std::get_if<const ChoiceOptionDescriptor*>(&e.descriptor)) {
            digest.word((*p)->choiceCount);
            digest.word((*p)->defaultIndex);
            for (const OptionChoice& c : (*p)->choices) {
                digest.word(c.titleRow);
                digest.text(c.name);
                digest.names(c.names);
            }
        } else if (const auto* n = std::get_if<const NumericOptionDescriptor*>(&e.descriptor)) {
            const NumericOptionDescriptor& d = **n;
            digest.word(static_cast<std::uint64_t>(d.form));
            for (std::uint32_t scale : d.outputScale) digest.word(scale);
            digest.word(d.divisor);
            digest.word(static_cast<std::uint64_t>(d.minimum));
            digest.word(static_cast<std::uint64_t>(d.maximum));
            digest.word(static_cast<std::uint64_t>(d.defaultValue));
            for (const char* value : d.ppdValues) digest.text(value);
            digest.word(d.displayUnitCount);
            for (const DisplayUnit& u : d.displayUnits) {
                digest.word(u.labelRow);
                digest.word(u.scale);
                digest.word(u.decimals[0]);
                digest.word(u.decimals[1]);
            }
        } else {
            digest.text(std::get<const TextOptionDescriptor*>(e.descriptor)->defaultText);
        }
    }
    return digest.value();
}

// Pinned after every word of the catalogue was checked, descriptor by descriptor and choice by
// choice, against the option tables it was copied from. A change here means that some name,
// value, mode, title or limit that printers and PPDs depend on has changed: check the edit
// against those tables word for word before updating the value.
TEST(OptionCatalogue, ContentMatchesTheCheckedCatalogue) {
    EXPECT_EQ(catalogueDigest(), 0x339B0D2DA0D92B99ull);
}

}  // namespace
}  // namespace pd
