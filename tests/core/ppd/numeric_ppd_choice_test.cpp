#include "core/ppd/numeric_ppd_choice.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/catalog/option_catalogue.h"
#include "tests/core/ppd/record_fixture.h"

namespace pd {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<const char*> texts(std::initializer_list<const char*> entries) {
    return entries;
}

TEST(NearestNumericChoice, PicksTheNearerEntryAndTheUpperOnATie) {
    const auto list = texts({"10", "20"});
    struct Case {
        std::uint32_t value;
        const char* expected;
    } const cases[] = {{15, "20"}, {14, "10"}, {5, "10"}, {25, "20"},
                       {20, "20"}, {10, "10"}, {0, "10"}, {4294967295u, "20"}};
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, nearestNumericChoice(list, c.value)) << c.value;
}

TEST(NearestNumericChoice, ListsTooShortOrUnreadableGiveNothing) {
    EXPECT_EQ("", nearestNumericChoice({}, 5));
    EXPECT_EQ("", nearestNumericChoice(texts({"10"}), 10));
    EXPECT_EQ("", nearestNumericChoice(texts({"10", nullptr, "30"}), 10));
    EXPECT_EQ("", nearestNumericChoice(texts({nullptr, "10"}), 10));

    // Entry 0 matches before entry 1 is read; past it the unreadable entry stops the walk.
    const auto broken = texts({"10", "x", "30"});
    EXPECT_EQ("10", nearestNumericChoice(broken, 10));
    EXPECT_EQ("", nearestNumericChoice(broken, 12));
    // An unreadable entry beyond where the walk stops does not matter.
    EXPECT_EQ("20", nearestNumericChoice(texts({"10", "20", "x"}), 16));
}

TEST(NearestNumericChoice, ValuesBeyondTheLastEntryTakeTheLast) {
    EXPECT_EQ("50", nearestNumericChoice(texts({"10", "20", "30", "40", "50"}), 900));

    std::array<std::string, maxPpdValueCount> numbers;
    std::array<const char*, maxPpdValueCount> full{};
    for (std::size_t i = 0; i < full.size(); ++i) {
        numbers[i] = std::to_string(10 * (i + 1));
        full[i] = numbers[i].c_str();
    }
    EXPECT_EQ("590", nearestNumericChoice(full, 100000));
    EXPECT_EQ("300", nearestNumericChoice(full, 296));
}

TEST(NearestNumericChoice, EntriesAreSentAsWritten) {
    EXPECT_EQ("20mm", nearestNumericChoice(texts({"10mm", "20mm"}), 19));
    EXPECT_EQ("020", nearestNumericChoice(texts({"010", "020"}), 19));
    // A number above the 32-bit range reads as its largest value.
    EXPECT_EQ("99999999999", nearestNumericChoice(texts({"10", "99999999999"}), 4294967295u));
}

TEST(NearestNumericChoice16, ComparesWidenedValues) {
    EXPECT_EQ("200", nearestNumericChoice16(texts({"100", "200"}), 150));
    EXPECT_EQ("65535", nearestNumericChoice16(texts({"100", "65535", "70000"}), 65535));
    EXPECT_EQ("70000", nearestNumericChoice16(texts({"100", "70000"}), 65535));
}

TEST(NearestSignedNumericChoice, ComparesSigned) {
    const auto list = texts({"-20", "0", "20"});
    struct Case {
        std::int32_t value;
        const char* expected;
    } const cases[] = {{-15, "-20"},
                       {-10, "0"},
                       {-25, "-20"},
                       {5, "0"},
                       {10, "20"},
                       {2147483647, "20"},
                       {-2147483647 - 1, "-20"}};
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, nearestSignedNumericChoice(list, c.value)) << c.value;
    // Distances across the whole 32-bit range stay exact.
    const auto wide = texts({"-2147483648", "2147483647"});
    EXPECT_EQ("2147483647", nearestSignedNumericChoice(wide, 0));
    EXPECT_EQ("-2147483648", nearestSignedNumericChoice(wide, -1));
}

// The catalogue's numeric objects have no PPD keyword; these tests give one a keyword and a list.
struct NumberFixture {
    NumericOptionDescriptor option;
    CoreDataMember member;
    PdCoreData record = defaultRecord();

    NumberFixture(const NumericOptionDescriptor& base, const char* memberName,
                  std::vector<const char*> values)
        : option(base), member(memberNamed(memberName)) {
        option.names.ppdName = "QZNumber";
        option.ppdValues = {};
        for (std::size_t i = 0; i < values.size(); ++i) option.ppdValues[i] = values[i];
        member.numericOption = &option;
    }
};

TEST(PpdNumberWriters, ScaleTheMemberIntoThePpdUnit) {
    // -1 mm of gutter, factor 1000 over 10000: looked up as -1000 (1/1000 mm).
    NumberFixture gutter(gutterOption, "DtGutter", {"-2000", "-1000", "0"});
    gutter.option.outputScale[0] = 1000;
    gutter.option.divisor = 10000;
    gutter.record.DtGutter.set(-10000);
    PpdChoiceList out;
    EXPECT_TRUE(writePpdSignedNumber({PpdWriterKind::signedNumber, &gutter.member}, gutter.record,
                                     out, nullptr));
    EXPECT_THAT(out, ElementsAre(PpdChoice{"QZNumber", "-1000"}));

    // Truncation toward zero: -1.4999 mm is -1499 in 1/1000 mm, nearer -1000.
    gutter.record.DtGutter.set(-14999);
    out.clear();
    writePpdSignedNumber({PpdWriterKind::signedNumber, &gutter.member}, gutter.record, out,
                         nullptr);
    EXPECT_THAT(out, ElementsAre(PpdChoice{"QZNumber", "-1000"}));

    NumberFixture zoom(zoomOption, "DtZoom", {"100", "200"});
    zoom.option.outputScale[0] = 1;
    zoom.option.divisor = 1;
    zoom.record.DtZoom.set(150);
    out.clear();
    EXPECT_TRUE(
        writePpdNumber16({PpdWriterKind::number16, &zoom.member}, zoom.record, out, nullptr));
    EXPECT_THAT(out, ElementsAre(PpdChoice{"QZNumber", "200"}));

    NumberFixture width(customPageSizeWidthOption, "DtCustomPageSizeWidth", {"100000", "210000"});
    width.option.outputScale[0] = 1000;
    width.option.divisor = 10000;
    width.record.DtCustomPageSizeWidth.set(2100000);  // 210 mm
    out.clear();
    EXPECT_TRUE(writePpdNumber({PpdWriterKind::number, &width.member}, width.record, out, nullptr));
    EXPECT_THAT(out, ElementsAre(PpdChoice{"QZNumber", "210000"}));
}

TEST(PpdNumberWriters, ExtremeProductsTakeTheLastEntryAndDivisorZeroCountsAsOne) {
    NumberFixture width(customPageSizeWidthOption, "DtCustomPageSizeWidth", {"10", "20"});
    width.option.outputScale[0] = 0xFFFFFFFF;
    width.option.divisor = 0;
    width.record.DtCustomPageSizeWidth.set(0xFFFFFFFF);
    PpdChoiceList out;
    writePpdNumber({PpdWriterKind::number, &width.member}, width.record, out, nullptr);
    EXPECT_THAT(out, ElementsAre(PpdChoice{"QZNumber", "20"}));

    // A 16-bit quotient beyond 65535 is held at 65535, not cut to its low bits (70000 would
    // otherwise read as 4464, nearer the first entry).
    NumberFixture zoom(zoomOption, "DtZoom", {"5000", "65535"});
    zoom.option.outputScale[0] = 10;
    zoom.option.divisor = 1;
    zoom.record.DtZoom.set(7000);
    out.clear();
    writePpdNumber16({PpdWriterKind::number16, &zoom.member}, zoom.record, out, nullptr);
    EXPECT_THAT(out, ElementsAre(PpdChoice{"QZNumber", "65535"}));

    NumberFixture gutter(gutterOption, "DtGutter", {"-5", "5"});
    gutter.option.outputScale[0] = 0xFFFFFFFF;
    gutter.option.divisor = 1;
    gutter.record.DtGutter.set(-2147483647 - 1);
    out.clear();
    writePpdSignedNumber({PpdWriterKind::signedNumber, &gutter.member}, gutter.record, out,
                         nullptr);
    EXPECT_THAT(out, ElementsAre(PpdChoice{"QZNumber", "-5"}));
}

TEST(PpdNumberWriters, FilterKeywordAndListDecide) {
    NumberFixture zoom(zoomOption, "DtZoom", {"100", "200"});
    zoom.option.outputScale[0] = 1;
    zoom.option.divisor = 1;
    const PpdWriterRow row{PpdWriterKind::number16, &zoom.member};
    PpdChoiceList out;

    ChangedFieldList other;
    other.append(fieldIdentity(zoom.record.DtNumCopies));
    EXPECT_FALSE(writePpdNumber16(row, zoom.record, out, &other));
    ChangedFieldList own;
    own.append(fieldIdentity(zoom.record.DtZoom));
    EXPECT_TRUE(writePpdNumber16(row, zoom.record, out, &own));

    zoom.option.ppdValues[1] = nullptr;
    EXPECT_FALSE(writePpdNumber16(row, zoom.record, out, nullptr));
    // An empty text is an entry without a number, not the end of the list where 250 would take
    // "200".
    zoom.option.ppdValues[1] = "200";
    zoom.option.ppdValues[2] = "";
    zoom.option.ppdValues[3] = "300";
    zoom.record.DtZoom.set(250);
    EXPECT_FALSE(writePpdNumber16(row, zoom.record, out, nullptr));
    zoom.option.ppdValues[2] = nullptr;
    zoom.option.names.ppdName = "";
    EXPECT_FALSE(writePpdNumber16(row, zoom.record, out, nullptr));
    EXPECT_EQ(1u, out.size());

    // The catalogue's own object has no keyword.
    const CoreDataMember catalogueZoom = memberNamed("DtZoom");
    EXPECT_FALSE(
        writePpdNumber16({PpdWriterKind::number16, &catalogueZoom}, zoom.record, out, nullptr));
    EXPECT_EQ(1u, out.size());
}

}  // namespace
}  // namespace pd
