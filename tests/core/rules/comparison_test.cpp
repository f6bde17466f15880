#include <gtest/gtest.h>

#include <cstring>

#include "core/rules/field_comparison.h"
#include "core/rules/record_comparison.h"
#include "rules_test_support.h"

namespace pd {
namespace {

template <std::size_t N>
FixedText<N> text(const char* bytes, std::size_t length) {
    FixedText<N> result;
    std::memset(result.bytes, 0, N);
    std::memcpy(result.bytes, bytes, length);
    return result;
}

TEST(FieldComparison, TextsAreEqualUpToTheirTerminatorOnly) {
    EXPECT_TRUE(fixedTextEquals(text<9>("\0abc", 4), text<9>("\0xyz", 4)));
    EXPECT_TRUE(fixedTextEquals(text<9>("abc\0q", 5), text<9>("abc\0r", 5)));
    EXPECT_FALSE(fixedTextEquals(text<9>("abc", 3), text<9>("abcd", 4)));
    EXPECT_FALSE(fixedTextEquals(text<9>("abd", 3), text<9>("abc", 3)));
    // Nine bytes without a NUL: equal to nothing, not even to the same bytes.
    EXPECT_FALSE(fixedTextEquals(text<9>("ninechars", 9), text<9>("ninechars", 9)));
    EXPECT_TRUE(fixedTextEquals(text<9>("eightchr", 8), text<9>("eightchr", 8)));
}

TEST(FieldComparison, BlocksAreEqualOnlyWhenEveryByteIs) {
    ByteBlock<21202> a{};
    ByteBlock<21202> b{};
    EXPECT_TRUE(fixedBytesEqual(a, b));
    b.bytes[21201] = 1;
    EXPECT_FALSE(fixedBytesEqual(a, b));
    const unsigned char word[] = {0xAB, 0xCD};
    EXPECT_EQ(0xABCD, readBE16(word));
}

TEST(RecordComparison, IgnoresBindingFeedDirectionSignatureAndFavourites) {
    const PdCoreData reference = test::plainA4Record();
    PdCoreData candidate = reference;
    candidate.DtBinding.set(2);
    candidate.DtFeedDir.set(1);
    candidate.layoutSignature.set(7);
    candidate.FavoriteSettingsData.wordValue.set(9);
    EXPECT_TRUE(recordsEqual(candidate, reference, nullptr, 0));
    candidate.DtRelayServerScreenId.bytes[0] = 'x';  // the last member counts
    EXPECT_FALSE(recordsEqual(candidate, reference, nullptr, 0));
}

TEST(RecordComparison, AnyOtherMemberOrARefusedSheetMakesThemUnequal) {
    const PdCoreData reference = test::plainA4Record();
    PdCoreData candidate = reference;
    EXPECT_FALSE(recordsEqual(candidate, reference, nullptr, 15));  // feature 15 refuses A4
    EXPECT_TRUE(recordsEqual(candidate, reference, nullptr, 7));
    candidate.DtGutter.set(1);
    EXPECT_FALSE(recordsEqual(candidate, reference, nullptr, 0));
    candidate = reference;
    candidate.DtPageSpecificTrays.bytes[21201] = 1;
    EXPECT_FALSE(recordsEqual(candidate, reference, nullptr, 0));
    candidate = reference;
    candidate.DtPageSizeName.bytes[5] = 'x';  // after the terminator
    EXPECT_TRUE(recordsEqual(candidate, reference, nullptr, 0));

    PdCoreData full = reference;
    std::memset(full.DtWaitModePassword.bytes, 'p', sizeof full.DtWaitModePassword.bytes);
    EXPECT_FALSE(recordsEqual(full, full, nullptr, 0));
}

TEST(RecordComparison, AStaplePlacedByTheBindingEqualsTheCornerStapleOnThatSide) {
    struct Case {
        std::uint8_t candidateStaple, candidateBinding, referenceStaple, referenceBinding;
        bool equal;
    };
    const Case cases[] = {
        {3, 0, 1, 0, true},  {3, 2, 1, 0, false}, {1, 2, 3, 0, true},
        {3, 1, 2, 2, true},  {3, 0, 2, 0, false}, {1, 0, 2, 0, false},
        {1, 0, 2, 1, false}, {3, 2, 3, 0, true},  {4, 0, 4, 2, true},
    };
    for (const Case& c : cases) {
        PdCoreData candidate = test::plainA4Record();
        PdCoreData reference = test::plainA4Record();
        candidate.DtStaple.set(c.candidateStaple);
        candidate.DtBinding.set(c.candidateBinding);
        reference.DtStaple.set(c.referenceStaple);
        reference.DtBinding.set(c.referenceBinding);
        EXPECT_EQ(c.equal, recordsEqual(candidate, reference, nullptr, 0))
            << int{c.candidateStaple} << "/" << int{c.candidateBinding} << " against "
            << int{c.referenceStaple} << "/" << int{c.referenceBinding};
        EXPECT_EQ(c.equal, stapleSettingsEquivalent(reference, candidate));
        EXPECT_EQ(c.equal, stapleSettingsEquivalent(candidate, reference));
    }
}

}  // namespace
}  // namespace pd
