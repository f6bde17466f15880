// The header's entries leave out, while compiling, options that can write nothing. Every field's
// entry is compared here with its descriptor's emitter, so that leaving an option out can never
// drop a line the descriptor would write or a value it would read back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <type_traits>

#include "core/catalog/option_catalogue.h"
#include "core/catalog/option_reading.h"
#include "core/record/core_data.h"
#include "core/record/default_record.h"
#include "filter/pjl/pjl_choice_emitter.h"
#include "filter/pjl/pjl_item_emitter.h"
#include "filter/pjl/pjl_line.h"

namespace pd {
namespace {
constexpr std::uint32_t jobKinds[] = {0, pjlJobKindFilter, pjlJobKindOther, 3};

std::string forward(PjlEmitter entry, const PdCoreData& record, std::uint32_t jobKind) {
    std::string out;
    entry(nullptr, nullptr, &out, &record, jobKind, 0);
    return out;
}

PjlValueList listing(const char* name, const char* value) {
    return {{name, value}};
}

PdCoreData reverse(PjlEmitter entry, const PjlValueList& values) {
    PdCoreData target = defaultCoreData();
    entry(&values, &target, nullptr, nullptr, 0, 0);
    return target;
}

template <typename Field>
struct IsFixedText : std::false_type {};
template <std::size_t N>
struct IsFixedText<FixedText<N>> : std::true_type {};

template <const ChoiceOptionDescriptor& Constant, StoredUInt8 PdCoreData::*Field>
void expectChoiceEntryReadsAsDescriptor(const ChoiceOptionDescriptor& option, const char* member) {
    SCOPED_TRACE(member);
    const PjlEmitter entry = pjlChoiceEntry<Constant, Field>;
    PdCoreData record = defaultCoreData();
    for (std::uint32_t index = 0; index < 256; ++index) {
        (record.*Field).set(static_cast<std::uint8_t>(index));
        for (const std::uint32_t kind : jobKinds) {
            const std::string line =
                isWrittenToPjl(option, kind)
                    ? pjlSetLineText(option.names.pjlName, pjlChoiceValueWithDefault(option, index))
                    : std::string();
            ASSERT_EQ(forward(entry, record, kind), line) << "index " << index << " kind " << kind;
        }
    }
    if (!hasPjlName(option)) return;
    for (std::uint32_t index = 0; index < option.choiceCount; ++index) {
        const char* value = option.choices[index].names.pjlName;
        if (!isNameSet(value)) continue;
        const PjlValueList values = listing(option.names.pjlName, value);
        PdCoreData expected = defaultCoreData();
        emitPjlChoice(option, Field, &values, &expected, nullptr, nullptr, 0);
        EXPECT_EQ((reverse(entry, values).*Field).get(), (expected.*Field).get()) << value;
    }
}

template <const auto& Constant, auto Field, typename Option>
void expectItemEntryReadsAsDescriptor(const Option& option, const char* member) {
    SCOPED_TRACE(member);
    const PjlEmitter entry = pjlItemEntry<Constant, Field>;
    PdCoreData record = defaultCoreData();
    for (const std::uint32_t kind : jobKinds) {
        std::string expected;
        emitPjlItem(option, Field, nullptr, nullptr, &expected, &record, kind);
        EXPECT_EQ(forward(entry, record, kind), expected) << "kind " << kind;
    }
    if (!hasPjlName(option)) return;
    const PjlValueList values = listing(option.names.pjlName, "1234");
    PdCoreData expected = defaultCoreData();
    emitPjlItem(option, Field, &values, &expected, nullptr, nullptr, 0);
    const PdCoreData target = reverse(entry, values);
    EXPECT_EQ(std::memcmp(&target, &expected, sizeof expected), 0);
}

// Every field whose descriptor a header entry can be bound to: one-byte choices, numbers and
// texts. Members of other forms have no such entry.
template <const auto& Constant, auto Field, typename Option>
void expectEntryReadsAsDescriptor(const Option& option, const char* member) {
    using Stored = std::remove_cvref_t<decltype(std::declval<PdCoreData&>().*Field)>;
    if constexpr (std::is_same_v<Option, ChoiceOptionDescriptor> &&
                  std::is_same_v<Stored, StoredUInt8>) {
        expectChoiceEntryReadsAsDescriptor<Constant, Field>(option, member);
    } else if constexpr (std::is_same_v<Option, NumericOptionDescriptor> &&
                         (std::is_same_v<Stored, StoredInt32> ||
                          std::is_same_v<Stored, StoredUInt32> ||
                          std::is_same_v<Stored, StoredUInt16>)) {
        expectItemEntryReadsAsDescriptor<Constant, Field>(option, member);
    } else if constexpr (std::is_same_v<Option, TextOptionDescriptor> && IsFixedText<Stored>{}) {
        expectItemEntryReadsAsDescriptor<Constant, Field>(option, member);
    }
}

TEST(PjlFieldEntries, EveryFieldsEntryWritesAndReadsAsItsDescriptor) {
#define PD_FIELD(member, type, size, kind, option) \
    expectEntryReadsAsDescriptor<option, &PdCoreData::member>(option, #member);
#include "core/record/fields.def"
#undef PD_FIELD
}

// A descriptor that claims more choices than it has slots is read within its slots.
TEST(PjlFieldEntries, AChoiceCountBeyondTheSlotsReadsNoFurther) {
    ChoiceOptionDescriptor overfull = bindingOption;
    overfull.choiceCount = 200;
    PdCoreData record = defaultCoreData();
    record.DtBinding.set(150);
    std::string out;
    emitPjlChoice(overfull, &PdCoreData::DtBinding, nullptr, nullptr, &out, &record,
                  pjlJobKindFilter);
    EXPECT_EQ(out, "");
    const PjlValueList values = listing("BINDING", "RIGHT");
    PdCoreData target = defaultCoreData();
    emitPjlChoice(overfull, &PdCoreData::DtBinding, &values, &target, nullptr, nullptr, 0);
    EXPECT_EQ(target.DtBinding.get(), 1);
    EXPECT_STREQ(pjlChoiceValueWithDefault(overfull, 150), nullptr);
}

}  // namespace
}  // namespace pd
