#include "filter/pjl/pjl_hold_auth_entries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/catalog/option_catalogue.h"
#include "core/record/core_data.h"
#include "filter/pjl/pjl_password.h"
#include "filter/pjl/pjl_relay_server.h"
#include "pjl_test_support.h"

namespace pd {
namespace {

using test::setLines;

// A relay-server blob built entry by entry.
struct RelayBlob {
    std::vector<unsigned char> bytes{0, 0};

    RelayBlob& count(std::uint16_t n) {
        bytes[0] = static_cast<unsigned char>(n >> 8);
        bytes[1] = static_cast<unsigned char>(n);
        return *this;
    }
    RelayBlob& raw(std::initializer_list<unsigned char> values) {
        bytes.insert(bytes.end(), values);
        return *this;
    }
    RelayBlob& text(const std::string& value) {
        bytes.insert(bytes.end(), value.begin(), value.end());
        bytes.push_back(0);
        return *this;
    }
    RelayBlob& head(std::uint8_t type, const std::string& name) {
        bytes.push_back(type);
        return text(name);
    }
};

void setRelayBlob(PdCoreData& record, const RelayBlob& blob) {
    std::fill(std::begin(record.DtRelayServerSettings.bytes),
              std::end(record.DtRelayServerSettings.bytes), 0);
    std::copy_n(blob.bytes.begin(),
                std::min(blob.bytes.size(), sizeof record.DtRelayServerSettings.bytes),
                record.DtRelayServerSettings.bytes);
}

std::string encrypted(const std::string& name, const std::string& secret) {
    return "@PJL SET " + name + "=\"" + encryptPjlPassword(secret) + "\"\r\n";
}

std::string runWithOption(void (*emit)(const TextOptionDescriptor&, const PjlValueList*,
                                       PdCoreData*, std::string*, const PdCoreData*, std::uint32_t),
                          const TextOptionDescriptor& option, const PdCoreData& record,
                          std::uint32_t jobKind) {
    std::string out;
    emit(option, nullptr, nullptr, &out, &record, jobKind);
    return out;
}

TEST(PjlHoldEntry, PrintModes) {
    const char* holds[] = {"OFF", "QXWAITPROOF", "QXWAITPROOF1STSHEET", "QXWAITSTORE", "QXHOLD"};
    for (std::uint8_t mode : {0, 1, 2, 3, 4, 6, 255}) {
        PdCoreData record;
        record.DtWaitMode.set(mode);
        record.DtWaitModePassword.assign("1234");
        const std::string hold = std::string("HOLD=") + (mode < 5 ? holds[mode] : "OFF");
        EXPECT_EQ(test::runEmitter(emitPjlHold, record, 1),
                  setLines({hold.c_str(), "HOLDTYPE=PUBLIC"}))
            << int{mode};
    }

    PdCoreData record;
    record.DtWaitMode.set(5);
    EXPECT_EQ(test::runEmitter(emitPjlHold, record, 1), setLines({"HOLD=ON", "QXJOBID=\"\""}) +
                                                            encrypted("HOLDKEY2", "") +
                                                            setLines({"HOLDTYPE=PRIVATE"}));
    EXPECT_EQ(encryptPjlPassword("").size(), 32u);
    record.DtWaitModeSecurePrintId.assign("job7");
    record.DtWaitModePassword.assign("s3cret");
    EXPECT_EQ(test::runEmitter(emitPjlHold, record, 0), setLines({"HOLD=ON", "QXJOBID=\"job7\""}) +
                                                            encrypted("HOLDKEY2", "s3cret") +
                                                            setLines({"HOLDTYPE=PRIVATE"}));
}

TEST(PjlAccountAndPdfEntries, WrittenWhenOnAndAdmitted) {
    PdCoreData record;
    record.DtAccountTrackDepartmentName.assign("Sales");
    record.DtAccountTrackPassword.assign("9876");
    record.DtPdfPassword.assign("open");
    EXPECT_EQ(runWithOption(emitPjlAccountName, accountTrackDepartmentNameOption, record, 1), "");
    EXPECT_EQ(runWithOption(emitPjlAccountPassword, accountTrackPasswordOption, record, 1), "");
    EXPECT_EQ(runWithOption(emitPjlPdfPassword, pdfPasswordOption, record, 2), "");

    record.DtAccountTrack.set(1);
    record.DtEncryptPdf.set(1);
    EXPECT_EQ(runWithOption(emitPjlAccountName, accountTrackDepartmentNameOption, record, 1),
              setLines({"QXSECTIONNAME=\"Sales\""}));
    EXPECT_EQ(runWithOption(emitPjlAccountPassword, accountTrackPasswordOption, record, 2),
              encrypted("QXSECTIONKEY2", "9876"));
    EXPECT_EQ(runWithOption(emitPjlAccountName, accountTrackDepartmentNameOption, record, 0), "");
    EXPECT_EQ(runWithOption(emitPjlPdfPassword, pdfPasswordOption, record, 1), "");
    EXPECT_EQ(runWithOption(emitPjlPdfPassword, pdfPasswordOption, record, 2),
              encrypted("PDFPASSWD", "open"));
    record.DtAccountTrackDepartmentName.assign("");
    EXPECT_EQ(runWithOption(emitPjlAccountName, accountTrackDepartmentNameOption, record, 1),
              setLines({"QXSECTIONNAME=\"\""}));

    // The option decides: a descriptor without a PJL name writes nothing.
    TextOptionDescriptor unnamed = accountTrackDepartmentNameOption;
    unnamed.names.pjlName = "";
    EXPECT_EQ(runWithOption(emitPjlAccountName, unnamed, record, 1), "");
}

TEST(PjlUserAuthentication, MethodsAndThePublicUser) {
    struct AuthCase {
        std::uint8_t method;
        bool publicUser;
        std::string lines;
    };
    const std::string user = setLines({"QXUSERNAME=\"alice\""}) + encrypted("QXUSERKEY2", "pw");
    const std::string publicName = setLines({"QXUSERNAME=\"Public\""});
    const std::string none = setLines({"QXCERTSERVTYPE=NONE"});
    const AuthCase cases[] = {
        {0, false, none},
        {0, true, none},
        {1, false, user + none},
        {1, true, publicName + none},
        {2, false, user + setLines({"QXCERTSERVTYPE=NUMBER", "QXCERTSERVNUM=20"})},
        {2, true, publicName + none},
        {3, false, none},
        {3, true, publicName + none},
        {4, false, user + none},
    };
    for (const AuthCase& c : cases) {
        PdCoreData record;
        record.DtUserAuthentication.set(c.method);
        record.DtUserAuthenticationPublic.set(c.publicUser ? 1 : 0);
        record.DtUserAuthenticationServer.set(19);
        record.DtUserAuthenticationUserName.assign("alice");
        record.DtUserAuthenticationPassword.assign("pw");
        EXPECT_EQ(test::runEmitter(emitPjlUserAuthentication, record, 1), c.lines)
            << int{c.method} << ' ' << c.publicUser;
    }
    PdCoreData record;
    record.DtUserAuthentication.set(2);
    EXPECT_EQ(test::runEmitter(emitPjlUserAuthentication, record, 1),
              setLines({"QXUSERNAME=\"\""}) + encrypted("QXUSERKEY2", "") +
                  setLines({"QXCERTSERVTYPE=NUMBER", "QXCERTSERVNUM=1"}));
}

TEST(PjlUserAuthentication, RelayServerBlock) {
    PdCoreData record;
    record.DtUserAuthentication.set(3);
    record.DtRelayServerScreenId.assign("screen-2");
    setRelayBlob(record, RelayBlob{}
                             .count(6)
                             .head(1, "dept")
                             .text("Finance")
                             .head(2, "cost")
                             .raw({0xFF, 0xFF, 0xFF, 0xFF})
                             .head(3, "color")
                             .raw({2})
                             .head(4, "due")
                             .raw({0x07, 0xE0, 3, 7, 9, 5, 0xFB, 0})
                             .head(6, "room")
                             .text("B12")
                             .head(9, "note")
                             .text("rush"));
    const std::string expected =
        setLines({"QXCERTSERVTYPE=NONE", "QXCERTFLEXCONTNUM=6", "QXCERTFLEXCONTTYPE1=STRING"}) +
        encrypted("QXCERTFLEXSTRING1", "Finance") +
        setLines({"QXCERTFLEXCONTID1=\"dept\"", "QXCERTFLEXCONTTYPE2=NUMERIC"}) +
        encrypted("QXCERTFLEXNUMERIC2", "-1") +
        setLines({"QXCERTFLEXCONTID2=\"cost\"", "QXCERTFLEXCONTTYPE3=TOGGLE"}) +
        encrypted("QXCERTFLEXTOGGLE3", "true") +
        setLines({"QXCERTFLEXCONTID3=\"color\"", "QXCERTFLEXCONTTYPE4=DATEANDTIME1"}) +
        encrypted("QXCERTFLEXDAY4", "2016,3,7,9,5,-5,0") +
        setLines({"QXCERTFLEXCONTID4=\"due\"", "QXCERTFLEXCONTTYPE5=STATICSELECT"}) +
        encrypted("QXCERTFLEXSELECT5", "B12") +
        setLines({"QXCERTFLEXCONTID5=\"room\"", "QXCERTFLEXCONTTYPE6=STRING"}) +
        encrypted("QXCERTFLEXSTRING6", "rush") +
        setLines({"QXCERTFLEXCONTID6=\"note\"", "QXCERTSELECTTYPE=FLEX",
                  "QXCERTFLEXSCREENID=\"screen-2\""});
    EXPECT_EQ(test::runEmitter(emitPjlUserAuthentication, record, 1), expected);

    // A count above six refuses the blob: only the server type is left.
    record.DtRelayServerSettings.bytes[1] = 7;
    EXPECT_EQ(test::runEmitter(emitPjlUserAuthentication, record, 1),
              setLines({"QXCERTSERVTYPE=NONE"}));

    setRelayBlob(record, RelayBlob{}.count(1).head(3, "t").raw({0}));
    record.DtRelayServerScreenId.assign("");
    EXPECT_EQ(
        test::runEmitter(emitPjlUserAuthentication, record, 1),
        setLines({"QXCERTSERVTYPE=NONE", "QXCERTFLEXCONTNUM=1", "QXCERTFLEXCONTTYPE1=TOGGLE"}) +
            encrypted("QXCERTFLEXTOGGLE1", "false") +
            setLines(
                {"QXCERTFLEXCONTID1=\"t\"", "QXCERTSELECTTYPE=FLEX", "QXCERTFLEXSCREENID=\"\""}));
}

TEST(PjlRelayServerFields, DecodesEveryType) {
    const RelayBlob blob = RelayBlob{}
                               .count(4)
                               .head(4, "when")
                               .raw({0x07, 0xE0, 3, 7, 9, 5, 0xFB, 0})
                               .head(3, "on")
                               .raw({2})
                               .head(2, "n")
                               .raw({0x80, 0, 0, 0})
                               .head(0, "zero")
                               .text("z");
    RelayServerFieldList fields;
    ASSERT_TRUE(decodeRelayServerFields(blob.bytes.data(),
                                        static_cast<std::uint32_t>(blob.bytes.size()), fields));
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_EQ(formatRelayDateTime(fields[0]), "2016,3,7,9,5,-5,0");
    EXPECT_EQ(std::string(fields[0].name.data()), "when");
    EXPECT_EQ(formatRelayToggle(fields[1]), "true");
    EXPECT_EQ(formatRelayNumber(fields[2]), "-2147483648");
    EXPECT_EQ(fields[3].type, 0u);
    EXPECT_EQ(formatRelayString(fields[3]), "z");
}

TEST(PjlRelayServerFields, CutsNamesAndTextsToTheirWidths) {
    const std::string name20 = "abcdefghijklmnopqrst";
    const std::string text200(200, 'x');
    const RelayBlob blob = RelayBlob{}
                               .count(4)
                               .head(1, name20)
                               .text(text200)
                               .head(5, "other")
                               .text(text200)
                               .head(6, "select")
                               .text(text200)
                               .head(1, "utf8")
                               .text(std::string(127, 'y') + "\xC3\xA9");
    RelayServerFieldList fields;
    ASSERT_TRUE(decodeRelayServerFields(blob.bytes.data(),
                                        static_cast<std::uint32_t>(blob.bytes.size()), fields));
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_EQ(std::string(fields[0].name.data()), name20.substr(0, 16));
    EXPECT_EQ(formatRelayString(fields[0]), std::string(128, 'x'));
    EXPECT_EQ(formatRelayString(fields[1]), std::string(120, 'x'));
    EXPECT_EQ(std::string(fields[1].name.data()), "other");
    EXPECT_EQ(formatRelaySelect(fields[2]), std::string(16, 'x'));
    // A character that does not fit whole is left out, never split.
    EXPECT_EQ(formatRelayString(fields[3]), std::string(127, 'y'));
}

TEST(PjlRelayServerFields, RefusedAndTruncatedBlobs) {
    RelayServerFieldList fields;
    std::vector<unsigned char> big(65536, 0);
    big[1] = 1;
    EXPECT_FALSE(decodeRelayServerFields(big.data(), 65536, fields));
    EXPECT_TRUE(fields.empty());
    const RelayBlob seven = RelayBlob{}.count(7).head(1, "a").text("b");
    EXPECT_FALSE(decodeRelayServerFields(seven.bytes.data(), 7, fields));
    EXPECT_TRUE(fields.empty());
    // Too short for the count: no entries, and the count itself ran past the end.
    EXPECT_FALSE(decodeRelayServerFields(seven.bytes.data(), 1, fields));
    EXPECT_FALSE(decodeRelayServerFields(nullptr, 0, fields));
    EXPECT_TRUE(fields.empty());
    const RelayBlob empty = RelayBlob{}.count(0).head(1, "a").text("b");
    EXPECT_TRUE(decodeRelayServerFields(empty.bytes.data(), 7, fields));
    EXPECT_TRUE(fields.empty());

    struct TruncatedCase {
        RelayBlob blob;
        bool result;
        std::string value;
    };
    const TruncatedCase cases[] = {
        {RelayBlob{}.count(2).head(2, "n").raw({0, 0, 1}), false, "0"},
        {RelayBlob{}.count(2).head(3, "t"), false, "true"},
        {RelayBlob{}.count(2).head(4, "d").raw({0x07, 0xE0, 12}), false, "2016,12,0,0,0,0,0"},
        {RelayBlob{}.count(2).head(1, "s").raw({'a', 'b'}), true, ""},
    };
    for (const TruncatedCase& c : cases) {
        EXPECT_EQ(decodeRelayServerFields(c.blob.bytes.data(),
                                          static_cast<std::uint32_t>(c.blob.bytes.size()), fields),
                  c.result);
        ASSERT_EQ(fields.size(), 1u);
        const RelayServerField& f = fields[0];
        const std::string value = f.type == relayFieldNumber     ? formatRelayNumber(f)
                                  : f.type == relayFieldToggle   ? formatRelayToggle(f)
                                  : f.type == relayFieldDateTime ? formatRelayDateTime(f)
                                                                 : formatRelayString(f);
        EXPECT_EQ(value, c.value) << f.type;
    }

    // A name with bytes that are not UTF-8 keeps its length with '?' in their place.
    const RelayBlob bad = RelayBlob{}.count(1).head(1, "a\xFF\xFE").text("v");
    ASSERT_TRUE(decodeRelayServerFields(bad.bytes.data(),
                                        static_cast<std::uint32_t>(bad.bytes.size()), fields));
    EXPECT_EQ(std::string(fields[0].name.data()), "a??");
}

TEST(PjlHoldAuthEntries, WriteOnlyForward) {
    PdCoreData record;
    record.DtWaitMode.set(5);
    record.DtUserAuthentication.set(1);
    test::expectForwardOnly(emitPjlHold, record);
    test::expectForwardOnly(emitPjlUserAuthentication, record);
}

}  // namespace
}  // namespace pd
