#include "filter/record_description.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "core/base/base64.h"
#include "core/base/number_text.h"
#include "core/catalog/option_catalogue.h"
#include "core/record/core_data.h"
#include "filter/job_services.h"
#include "filter/job_settings_comments.h"
#include "written_comments.h"

namespace pd {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    return parts;
}

std::string decodeBase64(const std::string& text) {
    std::string bytes(text.size(), '\0');
    std::uint32_t length = 0;
    base64Decode(text, reinterpret_cast<unsigned char*>(bytes.data()),
                 static_cast<std::uint32_t>(bytes.size()), &length);
    bytes.resize(length);
    return bytes;
}

TEST(RecordDescription, DescribesEveryOptionMemberInRecordOrder) {
    const std::string text = coreDataDescriptionText();
    const std::string signature = "AC9D5F4D";
    EXPECT_EQ(text.size(), 11036 + signature.size());
    ASSERT_EQ(text.back(), ' ');
    const std::vector<std::string> tokens = split(text, ' ');
    ASSERT_EQ(tokens.size(), 3u + coreDataOptionMemberCount);
    EXPECT_EQ(tokens[0], "1");
    EXPECT_EQ(tokens[1], signature);
    EXPECT_EQ(tokens[2], "25582");

    std::size_t offset = 9;
    int choiceRows = 0, numberRows = 0, arrayRows = 0;
    for (std::size_t i = 3; i < tokens.size(); ++i) {
        const std::vector<std::string> items = split(tokens[i], ':');
        ASSERT_GE(items.size(), 6u) << tokens[i];
        EXPECT_EQ(items[3], std::to_string(offset)) << tokens[i];
        offset += std::stoul(items[1]) * std::stoul(items[2]);
        choiceRows += items[5] == "S";
        numberRows += items[5] == "R";
        arrayRows += items[5] == "A";
    }
    EXPECT_EQ(offset, coreDataSize);
    EXPECT_EQ(choiceRows, 138);
    EXPECT_EQ(numberRows, 52);
    EXPECT_EQ(arrayRows, 25);
}

TEST(RecordDescription, RowsOfKnownMembers) {
    const std::string text = " " + coreDataDescriptionText();
    for (const char* row :
         {" custompagesizewidth:4:1:10:0:R:10000 ", " pagesizename:1:128:19:1:A ",
          " orientation:1:1:147:0:S:port:land ", " binding:1:1:240:0:S:left:right:top ",
          " gutter:4:1:241:1:R:10000 ", " zoom:2:1:406:0:R:1 ", " frontcovermediatype:1:1:589:0:S ",
          " chapterpages:1:122:799:0:A ", " screening:1:1:22287:0:S:photo:text:textphoto:dot ",
          " jobform:4:1:22807:0:S ", " relayserverscreenid:1:17:25565:1:A "}) {
        EXPECT_NE(text.find(row), std::string::npos) << row;
    }
    EXPECT_EQ(split(appendChoiceKeywords(pageSizeOption), ':').size(), 37u);
    EXPECT_EQ(split(appendChoiceKeywords(targetPaperSizeOption), ':').size(), 38u);
}

TEST(RecordDescription, TravelsAsBase64WithItsNul) {
    const std::string decoded = decodeBase64(buildCoreDataDescription());
    EXPECT_EQ(decoded, coreDataDescriptionText() + std::string(1, '\0'));
}

// What jobs carry is made at build time: it must be what the layout gives now.
TEST(RecordDescription, TheBuildsConstantIsTheComputedDescription) {
    EXPECT_EQ(coreDataDescription, buildCoreDataDescription());
    const std::string comments = test::jobSettingsCommentsText(jobDefaultRecord());
    std::string carried;
    for (const std::string& line :
         split(comments.substr(comments.find("%%TALVO-JobSettingsDescription: ")), '\n')) {
        const std::size_t head = line.rfind("%%+ ", 0) == 0 ? 4 : 32;
        carried += line.substr(head, line.size() - head - 1);
    }
    EXPECT_EQ(carried, buildCoreDataDescription());
}

TEST(JobSettingsComments, CarryTheRecordWithoutItsSecrets) {
    PdCoreData record = jobDefaultRecord();
    record.DtWaitModePassword.assign("1234");
    record.DtPdfPassword.assign("pdf secret");
    record.DtAccountTrackPassword.assign("5678");
    // Every byte of a secret, the last ones too, however the record is cut to be encoded.
    std::memset(record.DtUserAuthenticationPassword.bytes, 'p',
                sizeof record.DtUserAuthenticationPassword);
    std::memset(record.DtRelayServerSettings.bytes, 0x42, sizeof record.DtRelayServerSettings);
    record.DtOutputMethodFileName.assign("kept");
    const std::string comments = test::jobSettingsCommentsText(record);

    const std::size_t boundary = comments.find("%%TALVO-JobSettingsDescription: ");
    ASSERT_NE(boundary, std::string::npos);
    const std::string recordComment = comments.substr(0, boundary);
    EXPECT_EQ(std::count(recordComment.begin(), recordComment.end(), '\n'), 219);
    std::string value;
    for (const std::string& line : split(recordComment, '\n')) {
        const std::size_t head = line.rfind("%%+ ", 0) == 0 ? 4 : 21;
        value += line.substr(head, line.size() - head - 1);
    }
    const std::string decoded = decodeBase64(value);
    ASSERT_EQ(decoded.size(), coreDataSize);
    PdCoreData expected = record;
    expected.DtWaitModePassword.assign("");
    expected.DtPdfPassword.assign("");
    expected.DtUserAuthenticationPassword.assign("");
    expected.DtAccountTrackPassword.assign("");
    expected.DtRelayServerSettings = {};
    const auto expectedBytes = coreDataBytes(expected);
    EXPECT_TRUE(std::equal(expectedBytes.begin(), expectedBytes.end(),
                           reinterpret_cast<const unsigned char*>(decoded.data())));
    EXPECT_EQ(comments, test::jobSettingsCommentsText(record));
}

}  // namespace
}  // namespace pd
