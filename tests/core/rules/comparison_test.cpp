#include <gtest/gtest.h>

#include <cstring>

#include "core/rules/field_comparison.h"
#include "core/rules/record_comparison.h"
#include "rules_test_support.h"

namespace pd {
namespace {

// A value that names no finishing function: every sheet passes, and only the members count.
constexpr PaperFeature everySheet{};

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
    EXPECT_TRUE(recordsEqual(candidate, reference, nullptr, everySheet));
    candidate.DtRelayServerScreenId.bytes[0] = 'x';  // the last member counts
    EXPECT_FALSE(recordsEqual(candidate, reference, nullptr, everySheet));
}

TEST(RecordComparison, AnyOtherMemberOrARefusedSheetMakesThemUnequal) {
    const PdCoreData reference = test::plainA4Record();
    PdCoreData candidate = reference;
    EXPECT_FALSE(recordsEqual(candidate, reference, nullptr, PaperFeature::sideImagePosition));
    EXPECT_TRUE(recordsEqual(candidate, reference, nullptr, PaperFeature::oneStaple));
    candidate.DtGutter.set(1);
    EXPECT_FALSE(recordsEqual(candidate, reference, nullptr, everySheet));
    candidate = reference;
    candidate.DtPageSpecificTrays.bytes[21201] = 1;
    EXPECT_FALSE(recordsEqual(candidate, reference, nullptr, everySheet));
    candidate = reference;
    candidate.DtPageSizeName.bytes[5] = 'x';  // after the terminator
    EXPECT_TRUE(recordsEqual(candidate, reference, nullptr, everySheet));

    PdCoreData full = reference;
    std::memset(full.DtWaitModePassword.bytes, 'p', sizeof full.DtWaitModePassword.bytes);
    EXPECT_FALSE(recordsEqual(full, full, nullptr, everySheet));
}

TEST(RecordComparison, AStaplePlacedByTheBindingEqualsTheCornerStapleOnThatSide) {
    struct Case {
        std::uint8_t staple, binding, otherStaple, otherBinding;
        bool equal;
    };
    const Case cases[] = {
        {.staple = 3, .binding = 0, .otherStaple = 1, .otherBinding = 0, .equal = true},
        {.staple = 3, .binding = 2, .otherStaple = 1, .otherBinding = 0, .equal = false},
        {.staple = 1, .binding = 2, .otherStaple = 3, .otherBinding = 0, .equal = true},
        {.staple = 3, .binding = 1, .otherStaple = 2, .otherBinding = 2, .equal = true},
        {.staple = 3, .binding = 0, .otherStaple = 2, .otherBinding = 0, .equal = false},
        {.staple = 1, .binding = 0, .otherStaple = 2, .otherBinding = 0, .equal = false},
        {.staple = 1, .binding = 0, .otherStaple = 2, .otherBinding = 1, .equal = false},
        {.staple = 3, .binding = 2, .otherStaple = 3, .otherBinding = 0, .equal = true},
        {.staple = 4, .binding = 0, .otherStaple = 4, .otherBinding = 2, .equal = true},
    };
    for (const Case& c : cases) {
        PdCoreData candidate = test::plainA4Record();
        PdCoreData reference = test::plainA4Record();
        candidate.DtStaple.set(c.staple);
        candidate.DtBinding.set(c.binding);
        reference.DtStaple.set(c.otherStaple);
        reference.DtBinding.set(c.otherBinding);
        EXPECT_EQ(c.equal, recordsEqual(candidate, reference, nullptr, everySheet))
            << int{c.staple} << "/" << int{c.binding} << " against " << int{c.otherStaple} << "/"
            << int{c.otherBinding};
        EXPECT_EQ(c.equal, stapleSettingsEquivalent(reference, candidate));
        EXPECT_EQ(c.equal, stapleSettingsEquivalent(candidate, reference));
    }
}

}  // namespace
}  // namespace pd
