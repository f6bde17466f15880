#include "filter/pjl/pjl_item_emitter.h"

#include <gtest/gtest.h>

#include "core/catalog/option_catalogue.h"
#include "core/record/core_data.h"

namespace pd {
namespace {

NumericOptionDescriptor numericOption(const char* pjlName, PjlMode mode, std::uint32_t scale,
                                      std::uint32_t divisor) {
    NumericOptionDescriptor option;
    option.names.pjlName = pjlName;
    option.names.pjlMode = mode;
    option.outputScale = {scale, scale, scale, scale};
    option.divisor = divisor;
    return option;
}

TextOptionDescriptor textOption(const char* pjlName, PjlMode mode) {
    TextOptionDescriptor option;
    option.names.pjlName = pjlName;
    option.names.pjlMode = mode;
    return option;
}

TEST(PjlItem, SpineWidthIsWrittenInRoundedTenthsOfAMillimetre) {
    const std::pair<std::uint32_t, const char*> cases[] = {
        {100000, "@PJL SET PERFECTBINDSPINE=100\r\n"},
        {100499, "@PJL SET PERFECTBINDSPINE=100\r\n"},
        {100500, "@PJL SET PERFECTBINDSPINE=101\r\n"},
    };
    for (const auto& [stored, line] : cases) {
        PdCoreData record;
        record.DtPerfectBindTrimSpine.set(stored);
        for (std::uint32_t kind : {1u, 2u}) {
            std::string out;
            emitPjlItem(perfectBindTrimSpineOption, &PdCoreData::DtPerfectBindTrimSpine, nullptr,
                        nullptr, &out, &record, kind);
            EXPECT_EQ(out, line) << stored;
        }
    }
}

TEST(PjlItem, SignedNumbersStayBare) {
    const auto option = numericOption("GUTTER", PjlMode::allJobKinds, 10, 10000);
    PdCoreData record;
    record.DtGutter.set(-24500);
    std::string out;
    emitPjlItem(option, &PdCoreData::DtGutter, nullptr, nullptr, &out, &record, 1);
    EXPECT_EQ(out, "@PJL SET GUTTER=-25\r\n");
}

TEST(PjlItem, ModeAndJobKindDecide) {
    struct ModeCase {
        PjlMode mode;
        std::uint32_t jobKind;
        bool written;
    };
    const ModeCase cases[] = {
        {PjlMode::allJobKinds, 1, true},   {PjlMode::allJobKinds, 2, true},
        {PjlMode::allJobKinds, 0, false},  {PjlMode::allJobKinds, 3, false},
        {PjlMode::jobKind1Only, 1, true},  {PjlMode::jobKind1Only, 2, false},
        {PjlMode::jobKind2Only, 1, false}, {PjlMode::jobKind2Only, 2, true},
        {PjlMode::never, 1, false},        {static_cast<PjlMode>(7), 1, false},
    };
    PdCoreData record;
    record.DtZoom.set(100);
    for (const ModeCase& c : cases) {
        const auto option = numericOption("ZOOM", c.mode, 1, 1);
        std::string out;
        emitPjlItem(option, &PdCoreData::DtZoom, nullptr, nullptr, &out, &record, c.jobKind);
        EXPECT_EQ(out, c.written ? "@PJL SET ZOOM=100\r\n" : "")
            << static_cast<int>(c.mode) << " kind " << c.jobKind;
    }
}

TEST(PjlItem, TextsAreAlwaysQuotedAndMadeSafe) {
    const auto option = textOption("MAILTO", PjlMode::allJobKinds);
    const std::pair<const char*, const char*> cases[] = {
        {"", "@PJL SET MAILTO=\"\"\r\n"},
        {" ", "@PJL SET MAILTO=\" \"\r\n"},
        {"ops", "@PJL SET MAILTO=\"ops\"\r\n"},
        {"a\"\r\n@PJL SET HOLD=ON", "@PJL SET MAILTO=\"a'  @PJL SET HOLD=ON\"\r\n"},
    };
    for (const auto& [text, line] : cases) {
        PdCoreData record;
        record.DtSendEMailAddress.assign(text);
        std::string out;
        emitPjlItem(option, &PdCoreData::DtSendEMailAddress, nullptr, nullptr, &out, &record, 2);
        EXPECT_EQ(out, line);
    }
}

TEST(PjlItem, WithoutPjlNameNothingIsWrittenOrRead) {
    PdCoreData record;
    record.DtGutter.set(5000);
    std::string out;
    emitPjlItem(gutterOption, &PdCoreData::DtGutter, nullptr, nullptr, &out, &record, 1);
    emitPjlItem(pageSizeNameOption, &PdCoreData::DtPageSizeName, nullptr, nullptr, &out, &record,
                1);
    EXPECT_EQ(out, "");

    const PjlValueList values = {{"", "12"}};
    PdCoreData target;
    emitPjlItem(gutterOption, &PdCoreData::DtGutter, &values, &target, nullptr, nullptr, 1);
    EXPECT_EQ(target.DtGutter.get(), 0);
}

TEST(PjlItem, ReverseConvertsBackIntoTheField) {
    const auto fontSize = numericOption("FONTSIZE", PjlMode::never, 1, 10);
    const auto gutter = numericOption("GUTTER", PjlMode::never, 10, 10000);
    const auto spine = numericOption("SPINE", PjlMode::never, 10, 10000);
    const auto name = textOption("NAME", PjlMode::never);
    const PjlValueList values = {
        {"FONTSIZE", "13"}, {"GUTTER", "-25"}, {"SPINE", "x1"}, {"NAME", "Job 7"}, {"SPINE", "9"}};
    PdCoreData target;
    target.DtPerfectBindTrimSpine.set(4);
    emitPjlItem(fontSize, &PdCoreData::DtTab1FontSize, &values, &target, nullptr, nullptr, 0);
    emitPjlItem(gutter, &PdCoreData::DtGutter, &values, &target, nullptr, nullptr, 0);
    emitPjlItem(spine, &PdCoreData::DtPerfectBindTrimSpine, &values, &target, nullptr, nullptr, 0);
    emitPjlItem(name, &PdCoreData::DtTab1FontName, &values, &target, nullptr, nullptr, 0);
    EXPECT_EQ(target.DtTab1FontSize.get(), 130);
    EXPECT_EQ(target.DtGutter.get(), -25000);
    EXPECT_EQ(target.DtPerfectBindTrimSpine.get(), 4u);  // the first entry does not parse
    EXPECT_EQ(target.DtTab1FontName.view(), "Job 7");
}

TEST(PjlItem, ReverseSaturatesOversizedNumbers) {
    const auto zoom = numericOption("ZOOM", PjlMode::never, 1, 1);
    const auto count = numericOption("COUNT", PjlMode::never, 1, 1);
    const PjlValueList values = {{"ZOOM", "70000"}, {"COUNT", "99999999999"}};
    PdCoreData target;
    emitPjlItem(zoom, &PdCoreData::DtZoom, &values, &target, nullptr, nullptr, 0);
    emitPjlItem(count, &PdCoreData::DtJobFormPageCount, &values, &target, nullptr, nullptr, 0);
    EXPECT_EQ(target.DtZoom.get(), 0xFFFF);
    EXPECT_EQ(target.DtJobFormPageCount.get(), 0xFFFFFFFFu);
}

TEST(PjlItem, BothPairsCompleteDoNothing) {
    const auto option = numericOption("ZOOM", PjlMode::allJobKinds, 1, 1);
    const PjlValueList values = {{"ZOOM", "50"}};
    PdCoreData record;
    record.DtZoom.set(100);
    PdCoreData target;
    std::string out;
    emitPjlItem(option, &PdCoreData::DtZoom, &values, &target, &out, &record, 1);
    EXPECT_EQ(out, "");
    EXPECT_EQ(target.DtZoom.get(), 0);
}

}  // namespace
}  // namespace pd
