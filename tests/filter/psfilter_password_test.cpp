// The psfilter program loads libcrypto only when it first encrypts: a job whose record holds a
// secure-print password must still carry it encrypted, never in the clear and never empty.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/record/base64.h"
#include "filter/job_services.h"
#include "filter/pjl/pjl_password.h"

namespace {

namespace fs = std::filesystem;

TEST(PsfilterPassword, TheProgramEncryptsTheSecurePrintPassword) {
    pd::PdCoreData record = pd::jobDefaultRecord();
    record.DtWaitMode.set(5);  // secure print
    record.DtWaitModeSecurePrintId.assign("job7");
    record.DtWaitModePassword.assign("s3cret");
    const auto bytes = pd::coreDataBytes(record);
    const std::string options =
        "S_PCD0001=" + pd::base64Encode(bytes.data(), static_cast<std::uint32_t>(bytes.size()));

    const fs::path outputPath =
        fs::temp_directory_path() / ("pd_password_" + std::to_string(::getpid()) + ".prn");
    const std::string psfilter = std::string(PD_BINARY_DIR) + "/psfilter";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    const char* argv[] = {psfilter.c_str(), "1", "user", "title", "1", options.c_str(), nullptr};
    char* envp[] = {nullptr};
    pid_t pid = 0;
    ASSERT_EQ(
        posix_spawn(&pid, psfilter.c_str(), &actions, nullptr, const_cast<char**>(argv), envp), 0);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    std::ifstream in(outputPath, std::ios::binary);
    const std::string output(std::istreambuf_iterator<char>(in), {});
    fs::remove(outputPath);

    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::string encrypted = pd::encryptPjlPassword("s3cret");
    ASSERT_EQ(encrypted.size(), 32u);
    EXPECT_NE(output.find("@PJL SET HOLDKEY2=\"" + encrypted + "\"\r\n"), std::string::npos)
        << output.substr(0, 2000);
    EXPECT_EQ(output.find("s3cret"), std::string::npos);
}

}  // namespace
