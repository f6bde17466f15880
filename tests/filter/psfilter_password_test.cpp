// The psfilter program loads libcrypto only when it first encrypts: a job whose record holds a
// secure-print password must still carry it encrypted, never in the clear and never empty.
#include <gtest/gtest.h>

#include <string>

#include "core/base/base64.h"
#include "filter/job_services.h"
#include "filter/pjl/pjl_password.h"
#include "psfilter_process.h"

namespace {

// The options of a job whose record holds a secure-print password.
std::string securePrintOptions() {
    pd::PdCoreData record = pd::jobDefaultRecord();
    record.DtWaitMode.set(5);  // secure print
    record.DtWaitModeSecurePrintId.assign("job7");
    record.DtWaitModePassword.assign("s3cret");
    const auto bytes = pd::coreDataBytes(record);
    return "S_PCD0001=" + pd::base64Encode(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

TEST(PsfilterPassword, TheProgramEncryptsTheSecurePrintPassword) {
    const std::string options = securePrintOptions();
    const pd::test::FilterRun run = pd::test::runPsfilter({"1", "user", "title", "1", options}, {});
    const std::string& output = run.output;

    ASSERT_EQ(run.status, 0);
    const std::string encrypted = pd::encryptPjlPassword("s3cret");
    ASSERT_EQ(encrypted.size(), 32u);
    EXPECT_NE(output.find("@PJL SET HOLDKEY2=\"" + encrypted + "\"\r\n"), std::string::npos)
        << output.substr(0, 2000);
    EXPECT_EQ(output.find("s3cret"), std::string::npos);
}

// Without libcrypto the password can be neither sent in the clear nor left out of a secure-print
// job: the job fails before anything reaches the printer.
TEST(PsfilterPassword, AJobWhoseSecretCannotBeEncryptedFails) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer runtime must be the first library loaded";
#endif
    const std::string preload = std::string("LD_PRELOAD=") + PD_NO_LIBCRYPTO_SHIM;
    const pd::test::FilterRun run =
        pd::test::runPsfilter({"1", "user", "title", "1", securePrintOptions()}, {preload});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "");

    const pd::test::FilterRun plain =
        pd::test::runPsfilter({"1", "user", "title", "1", "media=A4"}, {preload});
    EXPECT_EQ(plain.status, 0) << "a job without secrets needs no libcrypto";
}

}  // namespace
