#include "core/rules/platform_data.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/record/default_record.h"
#include "platform/custom_papers.h"
#include "platform/measurement_system.h"
#include "rules_test_support.h"

namespace pd {
namespace {

// A4 and metric, as in the filter.
const bool metric = (useFilterMeasurementSystem(), true);

using test::Names;

// The five marks of the page-size request, before its setters run.
const Names pageSizeMarks{"DtPageSizeName", "DtPageSizeType", "DtCustomPageSizeWidth",
                          "DtCustomPageSizeHeight", "DtPageSize"};

Names concat(std::initializer_list<Names> parts) {
    Names all;
    for (const Names& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Members that differ between two records, by name.
Names differences(const PdCoreData& a, const PdCoreData& b) {
    Names result;
    for (const CoreDataMember& member : coreDataMembers) {
        const auto left = memberBytes(a, member);
        const auto right = memberBytes(b, member);
        if (!std::equal(left.begin(), left.end(), right.begin(), right.end()))
            result.push_back(member.name);
    }
    return result;
}

PdPlatformData setup(std::uint8_t paperId, const char* name, std::uint8_t orientation = 2,
                     std::uint8_t slot = 6) {
    PdPlatformData data;
    data.DtPageSize.set(paperId);
    data.DtPageSizeName.assign(name);
    data.DtOrientation.set(orientation);
    data.DtInputSlot.set(slot);
    return data;
}

struct Merge : ::testing::Test {
    PdCoreData record = defaultCoreData();
    const PdCoreData before = defaultCoreData();
    ChangedFieldList changed;

    ~Merge() override { setCustomPaperReader(nullptr); }
    Names changedNames() const { return test::memberNames(record, changed); }
};

TEST_F(Merge, ANewPageSetupHoldsTheDefaultPaperPortraitAndTheAutomaticSlot) {
    const PdPlatformData data;
    EXPECT_EQ(1, data.DtPageSize.get());
    EXPECT_EQ(0, data.DtOrientation.get());
    EXPECT_EQ(0, data.DtInputSlot.get());
    EXPECT_EQ("", data.DtPageSizeName.view());
    EXPECT_EQ(0u, data.DtCustomPageSizeWidth.get());
}

TEST_F(Merge, TheDefaultPaperStoresMarksAndSetsTheFivePageFieldsAndNothingElse) {
    const PdPlatformData data = setup(1, "A4");
    mergePlatformData(&record, &data, nullptr, InputSlotMerge::keep, &changed);
    EXPECT_EQ(concat({pageSizeMarks, pageSizeMarks}), changedNames());
    EXPECT_EQ((Names{"DtPageSizeName"}), differences(record, before));
    EXPECT_EQ("A4", record.DtPageSizeName.view());
}

TEST_F(Merge, AStandardPaperIdClearsTheCustomSize) {
    record.DtCustomPageSizeWidth.set(1234567);
    record.DtCustomPageSizeHeight.set(2345678);
    PdPlatformData data = setup(17, "Letter");
    data.DtCustomPageSizeWidth.set(99);  // read only for a custom size
    mergePlatformData(&record, &data, nullptr, InputSlotMerge::keep, &changed);
    EXPECT_EQ(17, record.DtPageSize.get());
    EXPECT_EQ(0u, record.DtCustomPageSizeWidth.get());
    EXPECT_EQ(0u, record.DtCustomPageSizeHeight.get());
    EXPECT_EQ(concat({pageSizeMarks, pageSizeMarks}), changedNames());
}

TEST_F(Merge, ACustomSizeSendsTheJobToTray1AndForcesFullBleed) {
    PdPlatformData data = setup(36, "Poster");
    data.DtCustomPageSizeWidth.set(3000000);
    data.DtCustomPageSizeHeight.set(4000000);
    mergePlatformData(&record, &data, nullptr, InputSlotMerge::keep, &changed);
    EXPECT_EQ(36, record.DtPageSize.get());
    EXPECT_EQ(3000000u, record.DtCustomPageSizeWidth.get());
    EXPECT_EQ(4000000u, record.DtCustomPageSizeHeight.get());
    // The automatic source refuses custom sizes, and while the page size changes it cannot ask
    // for a target paper: Tray1 takes the job. A custom page prints full bleed.
    EXPECT_EQ(1, record.DtInputSlot.get());
    EXPECT_EQ(1, record.DtFullBleed.get());
    EXPECT_EQ(concat({pageSizeMarks,
                      {"DtPageSizeName", "DtPageSizeType", "DtCustomPageSizeWidth", "DtInputSlot",
                       "DtFullBleed", "DtCustomPageSizeHeight", "DtPageSize"}}),
              changedNames());
    EXPECT_EQ((Names{"DtPageSize", "DtCustomPageSizeWidth", "DtCustomPageSizeHeight",
                     "DtPageSizeName", "DtInputSlot", "DtFullBleed"}),
              differences(record, before));
}

TEST_F(Merge, AStandardPaperDropsAWideTargetPaperThatTheRequestDidNotMark) {
    // The wide target on A4 forces full bleed on as the custom width is set; the page size then
    // sends the target back to Auto, which leaves full bleed to the user.
    record.DtTargetPaperSize.set(22);
    const PdPlatformData data = setup(1, "A4");
    mergePlatformData(&record, &data, nullptr, InputSlotMerge::keep, &changed);
    EXPECT_EQ(0, record.DtTargetPaperSize.get());
    EXPECT_EQ(1, record.DtFullBleed.get());
    EXPECT_EQ(concat({pageSizeMarks,
                      {"DtPageSizeName", "DtPageSizeType", "DtCustomPageSizeWidth", "DtFullBleed",
                       "DtCustomPageSizeHeight", "DtPageSize", "DtTargetPaperSize"}}),
              changedNames());
}

TEST_F(Merge, AnOrientationRequestComesBeforeThePageSize) {
    const PdPlatformData data = setup(1, "A4", 1);
    mergePlatformData(&record, &data, nullptr, InputSlotMerge::keep, &changed);
    EXPECT_EQ(1, record.DtOrientation.get());
    EXPECT_EQ(concat({{"DtOrientation", "DtOrientation"}, pageSizeMarks, pageSizeMarks}),
              changedNames());

    // The same orientation again, or none, issues no orientation request.
    for (const std::uint8_t orientation : {std::uint8_t{1}, std::uint8_t{2}}) {
        changed.entries.clear();
        const PdPlatformData again = setup(1, "A4", orientation);
        mergePlatformData(&record, &again, nullptr, InputSlotMerge::keep, &changed);
        EXPECT_EQ(concat({pageSizeMarks, pageSizeMarks}), changedNames());
        EXPECT_EQ(1, record.DtOrientation.get());
    }
}

TEST_F(Merge, TheSlotIsTakenOnlyWhenAskedForGivenAndDifferent) {
    struct Case {
        InputSlotMerge inputSlot;
        std::uint8_t slot;
        bool taken;
    };
    // A value that names neither way keeps the record's slot.
    const auto neither = static_cast<InputSlotMerge>(2);
    const Case cases[] = {
        {.inputSlot = InputSlotMerge::take, .slot = 2, .taken = true},
        {.inputSlot = InputSlotMerge::keep, .slot = 2, .taken = false},
        {.inputSlot = neither, .slot = 2, .taken = false},
        {.inputSlot = InputSlotMerge::take, .slot = 6, .taken = false},
        {.inputSlot = InputSlotMerge::take, .slot = 0, .taken = false},
    };
    for (const Case& c : cases) {
        record = before;
        changed.entries.clear();
        const PdPlatformData data = setup(1, "A4", 2, c.slot);
        mergePlatformData(&record, &data, nullptr, c.inputSlot, &changed);
        const Names expected =
            c.taken ? concat({{"DtInputSlot", "DtInputSlot"}, pageSizeMarks, pageSizeMarks})
                    : concat({pageSizeMarks, pageSizeMarks});
        EXPECT_EQ(expected, changedNames()) << static_cast<int>(c.inputSlot) << " " << int{c.slot};
        EXPECT_EQ(c.taken ? c.slot : 0, record.DtInputSlot.get());
    }
}

TEST_F(Merge, WithoutAListOrWithoutRecordOrSetup) {
    const PdPlatformData data = setup(17, "Letter", 1);
    mergePlatformData(nullptr, &data, nullptr, InputSlotMerge::take, &changed);
    mergePlatformData(&record, nullptr, nullptr, InputSlotMerge::take, &changed);
    EXPECT_TRUE(changed.empty());
    EXPECT_EQ(0, std::memcmp(&record, &before, sizeof record));
    mergePlatformData(&record, &data, nullptr, InputSlotMerge::take, nullptr);
    EXPECT_EQ(17, record.DtPageSize.get());
    EXPECT_EQ(1, record.DtOrientation.get());
}

CustomPaperPreferences papersNamedLetter() {
    CustomPaperPreferences papers;
    papers.push_back(CustomPaperPreference{"", true});
    papers.push_back(CustomPaperPreference{"Letter", true});
    papers.push_back(CustomPaperPreference{"Letter", false});
    return papers;
}

CustomPaperPreferences unnamedPaper() {
    return {CustomPaperPreference{std::nullopt, true}};
}

TEST_F(Merge, TheFirstCustomPaperOfTheSameNameDecidesThePageSizeType) {
    setCustomPaperReader(papersNamedLetter);
    const PdPlatformData data = setup(17, "Letter");
    mergePlatformData(&record, &data, nullptr, InputSlotMerge::keep, &changed);
    EXPECT_EQ(1, record.DtPageSizeType.get());

    // No paper matches: the record's own type stays.
    record.DtPageSizeType.set(2);
    const PdPlatformData other = setup(1, "A4");
    mergePlatformData(&record, &other, nullptr, InputSlotMerge::keep, &changed);
    EXPECT_EQ(2, record.DtPageSizeType.get());

    // A paper without a name matches nothing, not even a setup without a name.
    setCustomPaperReader(unnamedPaper);
    const PdPlatformData unnamed = setup(1, "");
    mergePlatformData(&record, &unnamed, nullptr, InputSlotMerge::keep, &changed);
    EXPECT_EQ(2, record.DtPageSizeType.get());
}

TEST_F(Merge, APaperNameKeepsItsBytesWhateverTheirEncoding) {
    // A record written elsewhere may name its paper in another encoding; the merge stores the
    // setup's name as it is, so the record's own name comes back unchanged.
    const char latin1[] = "Gr\366\337e A4";
    const PdPlatformData data = setup(1, latin1);
    mergePlatformData(&record, &data, nullptr, InputSlotMerge::keep, &changed);
    EXPECT_EQ(latin1, record.DtPageSizeName.view());

    PageSizeRequest request;
    request.DtPageSizeName = "\xC3";
    applyPageSizeRequest(record, request, nullptr, nullptr, nullptr);
    EXPECT_EQ("\xC3", record.DtPageSizeName.view());
}

TEST_F(Merge, ASetupNameWithoutTerminatorIsReadWithinItsBytes) {
    PdPlatformData data = setup(1, "");
    std::memset(data.DtPageSizeName.bytes, 'z', sizeof data.DtPageSizeName.bytes);
    mergePlatformData(&record, &data, nullptr, InputSlotMerge::keep, &changed);
    EXPECT_EQ(std::string(127, 'z'), record.DtPageSizeName.view());
}

}  // namespace
}  // namespace pd
