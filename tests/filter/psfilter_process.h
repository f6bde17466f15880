// Runs the psfilter program as a process, for the tests that need the whole program.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace pd::test {

inline const std::string psfilterPath = std::string(PD_BINARY_DIR) + "/psfilter";

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct FilterRun {
    std::string output;
    int status = -1;  // the exit status; 128 + the signal that ended it; -1 when it did not start
};

// Runs psfilter with exactly these arguments (after the program name) and environment, standard
// input from inputPath (an empty one when inputPath is empty), and returns its output and status.
inline FilterRun runPsfilter(const std::vector<std::string>& args,
                             const std::vector<std::string>& env,
                             const std::string& inputPath = "") {
    const std::filesystem::path outputPath = std::filesystem::temp_directory_path() /
                                             ("pd_psfilter_" + std::to_string(::getpid()) + ".prn");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(
        &actions, 0, inputPath.empty() ? "/dev/null" : inputPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<char*> argv{const_cast<char*>(psfilterPath.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& entry : env) envp.push_back(const_cast<char*>(entry.c_str()));
    envp.push_back(nullptr);
    pid_t pid = 0;
    FilterRun run;
    if (posix_spawn(&pid, psfilterPath.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    run.output = readFile(outputPath);
    std::filesystem::remove(outputPath);
    return run;
}

}  // namespace pd::test
