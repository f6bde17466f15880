#include "core/record/validation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>
#include <string>

#include "core/catalog/option_catalogue.h"
#include "core/catalog/paper_size.h"
#include "core/record/default_record.h"
#include "core/record/layout_signature.h"

namespace pd {
namespace {

struct Host {
    const char* name;
    std::uint32_t paperId;
    PdCoreData defaults;
};

Host makeHost(const char* name, std::uint32_t paperId) {
    Host host{name, paperId, {}};
    fillDefaultCoreData(host.defaults, paperId, languageUsEnglish);
    return host;
}

// Offsets at which two records differ.
std::vector<std::size_t> differences(const PdCoreData& a, const PdCoreData& b) {
    std::vector<std::size_t> offsets;
    const auto left = coreDataBytes(a);
    const auto right = coreDataBytes(b);
    for (std::size_t i = 0; i < coreDataSize; ++i) {
        if (left[i] != right[i]) offsets.push_back(i);
    }
    return offsets;
}

bool onlyWithin(const std::vector<std::size_t>& offsets, std::size_t begin, std::size_t size) {
    for (const std::size_t offset : offsets) {
        if (offset < begin || offset >= begin + size) return false;
    }
    return true;
}

TEST(Validation, ForeignLayoutBecomesTheDefaultRecord) {
    const Host host = makeHost("metric", a4PaperId);
    PdCoreData record = host.defaults;
    record.layoutSignature.set(computeCoreDataSignature() ^ 1);
    record.DtLayout.set(2);
    record.FavoriteSettingsData.wordValue.set(7);
    EXPECT_FALSE(validateCoreData(record, host.defaults, host.paperId));
    EXPECT_TRUE(differences(record, host.defaults).empty());

    PdCoreData zero;
    EXPECT_FALSE(validateCoreData(zero));
    EXPECT_EQ(0, std::memcmp(&zero, &defaultCoreData(), coreDataSize));

    // The signature that this catalogue's layout computes to is not the format's.
    PdCoreData computed = host.defaults;
    computed.layoutSignature.set(0x84658113u);
    EXPECT_FALSE(validateCoreData(computed, host.defaults, host.paperId));
}

TEST(Validation, DefaultRecordPassesUnchanged) {
    for (const Host& host : {makeHost("metric", a4PaperId), makeHost("inch", letterPaperId)}) {
        PdCoreData record = host.defaults;
        EXPECT_TRUE(validateCoreData(record, host.defaults, host.paperId)) << host.name;
        EXPECT_TRUE(differences(record, host.defaults).empty()) << host.name;
    }
    PdCoreData record = defaultCoreData();
    EXPECT_TRUE(validateCoreData(record));
}

struct RepairCase {
    const char* name;
    std::function<void(PdCoreData&)> damage;
    bool valid;
    // Checks the repaired record on the metric and the inch host.
    std::function<void(const PdCoreData&, std::uint32_t paperId)> check;
};

TEST(Validation, RepairsEachMemberOnItsOwn) {
    const RepairCase cases[] = {
        {"layout beyond its choices", [](PdCoreData& r) { r.DtLayout.set(10); }, false,
         [](const PdCoreData& r, std::uint32_t) { EXPECT_EQ(0, r.DtLayout.get()); }},
        {"custom page size with both dimensions",
         [](PdCoreData& r) {
             r.DtPageSize.set(36);
             r.DtCustomPageSizeWidth.set(2'100'000);
             r.DtCustomPageSizeHeight.set(2'970'000);
         },
         true, [](const PdCoreData& r, std::uint32_t) { EXPECT_EQ(36, r.DtPageSize.get()); }},
        {"custom page size without height",
         [](PdCoreData& r) {
             r.DtPageSize.set(36);
             r.DtCustomPageSizeWidth.set(2'100'000);
         },
         false,
         [](const PdCoreData& r, std::uint32_t paperId) {
             EXPECT_EQ(paperId, r.DtPageSize.get());
             EXPECT_EQ(2'100'000u, r.DtCustomPageSizeWidth.get());
         }},
        // The width is reset to 0 first; the page size must not stay custom with it.
        {"custom page size with a width beyond its range",
         [](PdCoreData& r) {
             r.DtPageSize.set(36);
             r.DtCustomPageSizeWidth.set(700'000'000);
             r.DtCustomPageSizeHeight.set(2'970'000);
         },
         false,
         [](const PdCoreData& r, std::uint32_t paperId) {
             EXPECT_EQ(0u, r.DtCustomPageSizeWidth.get());
             EXPECT_EQ(paperId, r.DtPageSize.get());
         }},
        {"page size beyond custom", [](PdCoreData& r) { r.DtPageSize.set(37); }, false,
         [](const PdCoreData& r, std::uint32_t paperId) {
             EXPECT_EQ(paperId, r.DtPageSize.get());
         }},
        {"custom target size with both dimensions",
         [](PdCoreData& r) {
             r.DtTargetPaperSize.set(37);
             r.DtCustomTargetPaperSizeWidth.set(1'000'000);
             r.DtCustomTargetPaperSizeHeight.set(1'500'000);
         },
         true,
         [](const PdCoreData& r, std::uint32_t) { EXPECT_EQ(37, r.DtTargetPaperSize.get()); }},
        {"custom target size with a height beyond its range",
         [](PdCoreData& r) {
             r.DtTargetPaperSize.set(37);
             r.DtCustomTargetPaperSizeWidth.set(1'000'000);
             r.DtCustomTargetPaperSizeHeight.set(0xFFFFFFFF);
         },
         false,
         [](const PdCoreData& r, std::uint32_t) {
             EXPECT_EQ(0, r.DtTargetPaperSize.get());
             EXPECT_EQ(1'000'000u, r.DtCustomTargetPaperSizeWidth.get());
         }},
        {"target size beyond custom", [](PdCoreData& r) { r.DtTargetPaperSize.set(38); }, false,
         [](const PdCoreData& r, std::uint32_t) { EXPECT_EQ(0, r.DtTargetPaperSize.get()); }},
        {"gutter at its minimum", [](PdCoreData& r) { r.DtGutter.set(-2'500'000); }, true,
         [](const PdCoreData& r, std::uint32_t) { EXPECT_EQ(-2'500'000, r.DtGutter.get()); }},
        {"gutter below its minimum", [](PdCoreData& r) { r.DtGutter.set(-2'500'001); }, false,
         [](const PdCoreData& r, std::uint32_t) { EXPECT_EQ(0, r.DtGutter.get()); }},
        {"zoom at its maximum", [](PdCoreData& r) { r.DtZoom.set(1000); }, true,
         [](const PdCoreData& r, std::uint32_t) { EXPECT_EQ(1000, r.DtZoom.get()); }},
        {"zoom 0", [](PdCoreData& r) { r.DtZoom.set(0); }, false,
         [](const PdCoreData& r, std::uint32_t) { EXPECT_EQ(100, r.DtZoom.get()); }},
        {"zoom 1001", [](PdCoreData& r) { r.DtZoom.set(1001); }, false,
         [](const PdCoreData& r, std::uint32_t) { EXPECT_EQ(100, r.DtZoom.get()); }},
        {"tab height below its range", [](PdCoreData& r) { r.DtTab1Height.set(24'999); }, false,
         [](const PdCoreData& r, std::uint32_t paperId) {
             EXPECT_EQ(paperId == a4PaperId ? 403'000u : 343'000u, r.DtTab1Height.get());
         }},
        {"tab height at its minimum", [](PdCoreData& r) { r.DtTab2Height.set(25'000); }, true,
         [](const PdCoreData& r, std::uint32_t) { EXPECT_EQ(25'000u, r.DtTab2Height.get()); }},
        {"tab page size beyond its choices", [](PdCoreData& r) { r.DtTab2PageSize.set(3); }, false,
         [](const PdCoreData& r, std::uint32_t paperId) {
             EXPECT_EQ(paperId == a4PaperId ? 0 : 2, r.DtTab2PageSize.get());
         }},
        {"page size name without its NUL",
         [](PdCoreData& r) { std::memset(r.DtPageSizeName.bytes, 'x', 128); }, false,
         [](const PdCoreData& r, std::uint32_t) {
             EXPECT_EQ(std::string(128, '\0'), std::string(r.DtPageSizeName.bytes, 128));
         }},
        {"page size name with a final NUL",
         [](PdCoreData& r) {
             std::memset(r.DtPageSizeName.bytes, 'x', 127);
             r.DtPageSizeName.bytes[3] = '\0';
         },
         true,
         [](const PdCoreData& r, std::uint32_t) { EXPECT_EQ("xxx", r.DtPageSizeName.view()); }},
        {"tab font without its NUL",
         [](PdCoreData& r) {
             r.DtTab1FontName.assign("Ryumin-Light");
             std::memset(r.DtTab2FontName.bytes, 'x', 51);
         },
         false,
         [](const PdCoreData& r, std::uint32_t) {
             EXPECT_EQ("Ryumin-Light", r.DtTab1FontName.view());
             EXPECT_EQ("ArialMT", r.DtTab2FontName.view());
         }},
        {"tone curve without its NUL",
         [](PdCoreData& r) { std::memset(r.DtToneCurve.bytes, 'y', 253); }, false,
         [](const PdCoreData& r, std::uint32_t) {
             EXPECT_EQ("OFF", r.DtToneCurve.view());
             EXPECT_TRUE(r.DtToneCurve.bytes[252] == '\0');
         }},
        {"user name without its NUL",
         [](PdCoreData& r) { std::memset(r.DtUserAuthenticationUserName.bytes, 'z', 257); }, false,
         [](const PdCoreData& r, std::uint32_t) {
             EXPECT_EQ("NoName", r.DtUserAuthenticationUserName.view());
         }},
        {"members without a range",
         [](PdCoreData& r) {
             r.DtJobForm.set(5);
             r.DtFrontCoverMediaType.set(200);
             r.DtJobFormPageCount.set(0xFFFFFFFF);
             r.DtJobFormResolution.set(99);
             r.FavoriteSettingsData.byteValue.set(9);
             std::memset(r.DtChapterPages.bytes, 0xFF, sizeof r.DtChapterPages.bytes);
         },
         true,
         [](const PdCoreData& r, std::uint32_t) {
             EXPECT_EQ(5u, r.DtJobForm.get());
             EXPECT_EQ(200, r.DtFrontCoverMediaType.get());
         }},
        {"authentication server beyond its choices",
         [](PdCoreData& r) { r.DtUserAuthenticationServer.set(20); }, false,
         [](const PdCoreData& r, std::uint32_t) {
             EXPECT_EQ(0, r.DtUserAuthenticationServer.get());
         }},
        {"tray media not specified",
         [](PdCoreData& r) {
             r.DtMediaTypeTray1.set(6);
             r.DtMediaWeightTray3.set(11);
             r.DtMediaColorTray4.set(7);
             r.DtMediaPrepunchedTray5.set(2);
         },
         true,
         [](const PdCoreData& r, std::uint32_t) {
             EXPECT_EQ(6, r.DtMediaTypeTray1.get());
             EXPECT_EQ(2, r.DtMediaPrepunchedTray5.get());
         }},
        {"tray media beyond not specified",
         [](PdCoreData& r) {
             r.DtMediaTypeTray1.set(7);
             r.DtMediaPrepunchedTray5.set(3);
         },
         false,
         [](const PdCoreData& r, std::uint32_t) {
             EXPECT_EQ(0, r.DtMediaTypeTray1.get());
             EXPECT_EQ(0, r.DtMediaPrepunchedTray5.get());
         }},
        {"automatic tray media has no unspecified value",
         [](PdCoreData& r) {
             r.DtMediaTypeAuto.set(6);
             r.DtMediaPrepunchedAuto.set(2);
         },
         false,
         [](const PdCoreData& r, std::uint32_t) {
             EXPECT_EQ(0, r.DtMediaTypeAuto.get());
             EXPECT_EQ(0, r.DtMediaPrepunchedAuto.get());
         }},
        {"authentication server at its last choice",
         [](PdCoreData& r) { r.DtUserAuthenticationServer.set(19); }, true,
         [](const PdCoreData& r, std::uint32_t) {
             EXPECT_EQ(19, r.DtUserAuthenticationServer.get());
         }},
    };
    for (const Host& host : {makeHost("metric", a4PaperId), makeHost("inch", letterPaperId)}) {
        for (const RepairCase& c : cases) {
            SCOPED_TRACE(std::string(host.name) + ": " + c.name);
            PdCoreData record = host.defaults;
            c.damage(record);
            PdCoreData damaged = record;
            EXPECT_EQ(c.valid, validateCoreData(record, host.defaults, host.paperId));
            c.check(record, host.paperId);
            if (c.valid) {
                EXPECT_TRUE(differences(record, damaged).empty());
            }
            EXPECT_TRUE(validateCoreData(record, host.defaults, host.paperId));
        }
    }
}

// Every member with a range, pushed out of it, is repaired alone and leaves the record valid.
TEST(Validation, EveryRangedMemberIsRepairedAlone) {
    const Host host = makeHost("metric", a4PaperId);
    int tested = 0;
    for (const CoreDataMember& member : coreDataMembers) {
        PdCoreData record = host.defaults;
        if (member.kind == MemberKind::choice) {
            writeMemberNumber(record, member, 0xFF);
        } else if (member.kind == MemberKind::number) {
            const auto& option = *member.numericOption;
            const std::int64_t widest = member.form == StoredForm::uint16 ? 0xFFFF
                                        : member.form == StoredForm::int32
                                            ? std::numeric_limits<std::int32_t>::max()
                                            : 0xFFFFFFFF;
            const std::int64_t lowest =
                member.form == StoredForm::int32 ? std::numeric_limits<std::int32_t>::min() : 0;
            if (option.maximum < widest) {
                writeMemberNumber(record, member, option.maximum + 1);
            } else if (option.minimum > lowest) {
                writeMemberNumber(record, member, option.minimum - 1);
            } else {
                continue;  // every stored value is in range
            }
        } else if (member.kind == MemberKind::text || member.kind == MemberKind::choiceText) {
            const auto bytes = memberBytes(record, member);
            std::memset(bytes.data(), 'q', bytes.size());
        } else {
            continue;
        }
        ++tested;
        SCOPED_TRACE(member.name);
        EXPECT_FALSE(validateCoreData(record, host.defaults, host.paperId));
        const auto changed = differences(record, host.defaults);
        EXPECT_TRUE(onlyWithin(changed, member.offset, member.size));
        EXPECT_TRUE(validateCoreData(record, host.defaults, host.paperId));
    }
    EXPECT_GT(tested, 150);
}

TEST(Validation, TabHeightChecks) {
    PdCoreData record = defaultCoreData();
    EXPECT_TRUE(checkTab1Height(record, a4PaperId));
    record.DtTab1Height.set(2'970'001);
    record.DtTab2Height.set(0);
    EXPECT_FALSE(checkTab1Height(record, letterPaperId));
    EXPECT_FALSE(checkTab2Height(record, a4PaperId));
    EXPECT_EQ(343'000u, record.DtTab1Height.get());
    EXPECT_EQ(403'000u, record.DtTab2Height.get());
}

}  // namespace
}  // namespace pd
