#include "filter/pjl/pjl_choice_emitter.h"

#include <gtest/gtest.h>

#include "core/catalog/option_catalogue.h"
#include "core/record/core_data.h"

namespace pd {
namespace {

std::string forward(const ChoiceOptionDescriptor& option, PjlChoiceField field,
                    const PdCoreData& record, std::uint32_t jobKind) {
    std::string out;
    emitPjlChoice(option, field, nullptr, nullptr, &out, &record, jobKind);
    return out;
}

struct ChoiceCase {
    const ChoiceOptionDescriptor* option;
    PjlChoiceField field;
    std::uint8_t index;
    std::uint32_t jobKind;
    const char* line;
};

TEST(PjlChoice, WritesTheSelectedChoiceWhenTheModeAdmitsTheJobKind) {
    const ChoiceCase cases[] = {
        {&bindingOption, &PdCoreData::DtBinding, 1, 1, "@PJL SET BINDING=RIGHT\r\n"},
        {&bindingOption, &PdCoreData::DtBinding, 2, 2, "@PJL SET BINDING=TOP\r\n"},
        {&bindingOption, &PdCoreData::DtBinding, 7, 1, "@PJL SET BINDING=LEFT\r\n"},
        {&bindingOption, &PdCoreData::DtBinding, 1, 0, ""},
        {&bindingOption, &PdCoreData::DtBinding, 1, 3, ""},
        {&nUpCountOption, &PdCoreData::DtNUpCount, 0, 1, ""},
        {&nUpCountOption, &PdCoreData::DtNUpCount, 2, 1, "@PJL SET INFONIN1=N2\r\n"},
        {&nUpCountOption, &PdCoreData::DtNUpCount, 12, 1, "@PJL SET INFONIN1=N16\r\n"},
        {&nUpCountOption, &PdCoreData::DtNUpCount, 2, 2, ""},
        {&duplexOption, &PdCoreData::DtDuplex, 1, 1, ""},
        {&duplexOption, &PdCoreData::DtDuplex, 1, 2, "@PJL SET DUPLEX=ON\r\n"},
        {&resolutionOption, &PdCoreData::DtResolution, 200, 2, "@PJL SET RESOLUTION=1200\r\n"},
        {&screenAngleOption, &PdCoreData::DtScreenAngle, 23, 2,
         "@PJL SET QXCUSTOMSCREENDEGREEK=1725\r\n"},
        {&perfectBindModeOption, &PdCoreData::DtPerfectBindMode, 3, 1,
         "@PJL SET PERFECTBINDMODE=1IN1\r\n"},
    };
    for (const ChoiceCase& c : cases) {
        PdCoreData record;
        (record.*c.field).set(c.index);
        EXPECT_EQ(forward(*c.option, c.field, record, c.jobKind), c.line)
            << c.option->names.pjlName << " " << int(c.index) << " kind " << c.jobKind;
    }
}

TEST(PjlChoice, NeedsExactlyOneCompletePair) {
    PdCoreData record;
    record.DtDuplex.set(0);
    PdCoreData target;
    target.DtDuplex.set(0);
    const PjlValueList values = {{"DUPLEX", "ON"}};
    std::string out;
    emitPjlChoice(duplexOption, &PdCoreData::DtDuplex, &values, &target, &out, &record, 2);
    EXPECT_EQ(out, "");
    EXPECT_EQ(target.DtDuplex.get(), 0);
    emitPjlChoice(duplexOption, &PdCoreData::DtDuplex, nullptr, nullptr, nullptr, &record, 2);
    emitPjlChoice(duplexOption, &PdCoreData::DtDuplex, &values, nullptr, &out, nullptr, 2);
    EXPECT_EQ(out, "");
}

TEST(PjlChoice, ReverseSetsTheLowestMatchingChoice) {
    struct ReverseCase {
        const ChoiceOptionDescriptor* option;
        PjlChoiceField field;
        PjlValueList values;
        std::uint8_t expected;
    };
    const ReverseCase cases[] = {
        {&duplexOption, &PdCoreData::DtDuplex, {{"DUPLEX", "ON"}}, 1},
        {&duplexOption, &PdCoreData::DtDuplex, {{"DUPLEX", "on"}}, 9},
        {&duplexOption, &PdCoreData::DtDuplex, {{"DUPLEX", ""}}, 9},
        {&duplexOption, &PdCoreData::DtDuplex, {{"duplex", "ON"}}, 9},
        {&nUpCountOption, &PdCoreData::DtNUpCount, {{"INFONIN1", "N2"}}, 1},
        {&bindingOption, &PdCoreData::DtBinding, {{"BINDING", "TOP"}, {"BINDING", "RIGHT"}}, 2},
    };
    for (const ReverseCase& c : cases) {
        PdCoreData target;
        (target.*c.field).set(9);
        // No job kind applies in this direction.
        emitPjlChoice(*c.option, c.field, &c.values, &target, nullptr, nullptr, 0);
        EXPECT_EQ((target.*c.field).get(), c.expected) << c.option->names.pjlName;
    }
}

TEST(PjlChoice, OptionsWithoutPjlNameWriteNothing) {
    PdCoreData record;
    std::string out;
    for (std::uint32_t kind : {1u, 2u}) {
        emitPjlChoice(collateOption, &PdCoreData::DtCollate, nullptr, nullptr, &out, &record, kind);
        emitPjlChoice(pageSizeOption, &PdCoreData::DtPageSize, nullptr, nullptr, &out, &record,
                      kind);
    }
    EXPECT_EQ(out, "");
}

TEST(PjlChoiceValue, NeverReadsBeyondTheChoices) {
    EXPECT_EQ(pjlChoiceValueBounded(bindingOption, 3), nullptr);
    EXPECT_EQ(pjlChoiceValueBounded(bindingOption, 255), nullptr);
    EXPECT_STREQ(pjlChoiceValueWithDefault(bindingOption, 255), "LEFT");

    ChoiceOptionDescriptor broken = bindingOption;
    broken.choiceCount = 200;
    broken.defaultIndex = 0x1FF;
    EXPECT_EQ(pjlChoiceValueBounded(broken, 100), nullptr);
    EXPECT_EQ(pjlChoiceValueWithDefault(broken, 250), nullptr);
}

}  // namespace
}  // namespace pd
