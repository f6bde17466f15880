// The settings application as dialoghost serves it, played by the scripted application of the
// test bundle.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/base/hex.h"
#include "tests/panel/panel_test_support.h"

extern char** environ;

namespace pd {
namespace {

namespace fs = std::filesystem;

const std::string testBundle = PD_BINARY_DIR "/printpanel-test.bundle";
const std::string applicationFolder = "corvex_PRO_583_ui_helper.app";

fs::path scratch() {
    const auto folder = fs::path(PD_BINARY_DIR) / "dialoghost_settings_test" /
                        ::testing::UnitTest::GetInstance()->current_test_info()->name();
    return folder;
}

// A bundle of the test's own: the test bundle's module and resources, its own copy of the
// scripted application with script beside it.
struct ScriptedBundle {
    fs::path path;

    ScriptedBundle(const std::string& name, const std::string& script) {
        path = scratch() / name;
        fs::remove_all(path);
        fs::create_directories(path / applicationFolder);
        for (const char* entry : {"printpanel.so", "PDE.view", "strings"})
            fs::create_symlink(fs::path(testBundle) / entry, path / entry);
        fs::copy_file(fs::path(testBundle) / applicationFolder / "corvex_PRO_583_ui_helper",
                      executable());
        std::ofstream(path / applicationFolder / "script") << script;
    }
    fs::path executable() const { return path / applicationFolder / "corvex_PRO_583_ui_helper"; }
    // The application's report lines.
    std::vector<std::string> output() const {
        std::vector<std::string> lines;
        std::ifstream in(path / applicationFolder / "output");
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    std::vector<std::string> linesStartingWith(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& line : output())
            if (line.starts_with(prefix)) found.push_back(line);
        return found;
    }
};

struct HostRun {
    int status = -1;
    std::string optionLine;
    long maxResidentKilobytes = 0;
    double seconds = 0;
};

// Runs program with the arguments and the test's environment without the display variables,
// plus extra; killed when it runs for more than a minute.
HostRun runHost(const std::string& program, const std::vector<std::string>& arguments,
                const std::vector<std::string>& extra = {}) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (text.starts_with("DISPLAY=") || text.starts_with("WAYLAND_DISPLAY=") ||
            text.starts_with("XDG_RUNTIME_DIR=") || text.starts_with("LANG") ||
            text.starts_with("LC_"))
            continue;
        environment.push_back(text);
    }
    environment.push_back("LC_ALL=C");
    environment.insert(environment.end(), extra.begin(), extra.end());
    fs::create_directories(scratch());
    const std::string outputPath = (scratch() / "stdout").string();
    HostRun result;
    const auto start = std::chrono::steady_clock::now();
    if (const auto pid = spawnProgram(program, arguments, environment, "/dev/null", outputPath)) {
        int status = 0;
        rusage usage{};
        for (;;) {
            if (wait4(*pid, &status, WNOHANG, &usage) == *pid) break;
            if (std::chrono::steady_clock::now() - start > std::chrono::seconds(60))
                kill(*pid, SIGKILL);
            usleep(5000);
        }
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        result.maxResidentKilobytes = usage.ru_maxrss;
    }
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::ifstream in(outputPath);
    std::string line;
    while (std::getline(in, line)) result.optionLine = line;
    return result;
}

HostRun dialoghost(const ScriptedBundle& bundle, std::vector<std::string> arguments,
                   const std::vector<std::string>& extra = {}) {
    arguments.insert(arguments.begin(), {"--ppd", testPpdPath, "--bundle", bundle.path.string()});
    return runHost(PD_BINARY_DIR "/dialoghost", arguments, extra);
}

PdCoreData recordOfLine(const std::string& optionLine) {
    cups_option_t* options = nullptr;
    const int count = cupsParseOptions(optionLine.c_str(), 0, &options);
    MemoryPrintSettings settings;
    for (int i = 0; i < count; ++i)
        settings.setValue(options[i].name, std::string(options[i].value));
    cupsFreeOptions(count, options);
    return storedRecord(settings);
}

std::string optionLineWith(const PdCoreData& record) {
    MemoryPrintSettings settings;
    storeRecord(settings, record);
    std::string line;
    for (const auto& [key, value] : settings.stringEntries()) line += key + "=" + value + " ";
    return line;
}

std::map<std::string, std::string> environmentOf(const ScriptedBundle& bundle) {
    std::map<std::string, std::string> environment;
    for (const std::string& line : bundle.linesStartingWith("env ")) {
        const std::size_t equals = line.find('=');
        environment[line.substr(4, equals - 4)] = line.substr(equals + 1);
    }
    return environment;
}

TEST(DialoghostSettings, GivesTheApplicationExactlyItsSixVariables) {
    const ScriptedBundle bundle("environment", "env\n");
    const HostRun run = dialoghost(
        bundle, {"--printer", "queue1", "--paper", "Poster:612x792:custom", "restore", "settings"});
    ASSERT_EQ(0, run.status);
    const std::map<std::string, std::string> environment = environmentOf(bundle);
    std::vector<std::string> names;
    for (const auto& [name, value] : environment) names.push_back(name);
    EXPECT_EQ(
        (std::vector<std::string>{"TALVOCOREDATA", "TALVOPDECONNECTION", "TALVOPDEWINDOWLEVEL",
                                  "TALVOPLATFORMDATA", "TALVOPRINTERID", "TALVOUSERNAME"}),
        names);
    const PdCoreData restored = recordOfLine(run.optionLine);
    EXPECT_EQ(hexEncode(&restored, coreDataSize), environment.at("TALVOCOREDATA"));
    const std::string& page = environment.at("TALVOPLATFORMDATA");
    ASSERT_EQ(278u, page.size());
    EXPECT_EQ(hexEncode("Poster", 6) + std::string(244, '0'), page.substr(0, 256));
    EXPECT_EQ("24", page.substr(2 * 128, 2));        // a custom paper's id, 36
    EXPECT_EQ("002AA210", page.substr(2 * 129, 8));  // height 2,794,000
    EXPECT_EQ("0020F198", page.substr(2 * 133, 8));  // width 2,159,000
    EXPECT_EQ("queue1", environment.at("TALVOPRINTERID"));
    // The dialog's window is a modal panel.
    EXPECT_EQ("8", environment.at("TALVOPDEWINDOWLEVEL"));
    EXPECT_TRUE(environment.at("TALVOPDECONNECTION").starts_with("TALVOPDE"));
}

TEST(DialoghostSettings, StoresARecordFromTheApplicationOnlyWhenItIsOne) {
    PdCoreData base = defaultCoreData();
    base.DtDateStamp.set(2);
    const std::string dateStamp = std::to_string(offsetof(PdCoreData, DtDateStamp)) + "=01";
    const struct {
        std::string script;
        int dateStamp;
    } cases[] = {
        // Sent just before the application exits: still stored.
        {"send-record 0 " + dateStamp + "\n", 1},
        {"send-record 0 0=00000000 " + dateStamp + "\n", 0},
        {"send-record -1 " + dateStamp + "\n", 0},
        {"send-record 1 " + dateStamp + "\n", 0},
        {"send 1\n", 2},
        {"send-record 0 " + dateStamp + "\nsend 1\n", 1},
    };
    int number = 0;
    for (const auto& c : cases) {
        const ScriptedBundle bundle("case" + std::to_string(++number), c.script);
        const HostRun run =
            dialoghost(bundle, {"--options", optionLineWith(base), "restore", "settings", "save"});
        ASSERT_EQ(0, run.status) << c.script;
        EXPECT_EQ(c.dateStamp, recordOfLine(run.optionLine).DtDateStamp.get()) << c.script;
    }
}

TEST(DialoghostSettings, AnswersQuestionsAndIgnoresWhatItDoesNotKnow) {
    const ScriptedBundle bundle("questions", R"(send 4
expect 4 5000
send 5 00
expect 5 5000
send 0 0100000000000000
send 7
send -1 0102
send 100
send 2
send 3
pid 3
pid 5
header 4 0 bad
send 4
expect 4 5000
split 5
expect 5 5000
header 1 70000
raw-bytes 70000 41
pid
send 4
expect 4 5000
)");
    const HostRun run = dialoghost(bundle, {"--active", "child", "settings"});
    ASSERT_EQ(0, run.status);
    EXPECT_EQ(
        (std::vector<std::string>{"frame 4 1 00", "frame 5 8 0800000000000000", "frame 4 1 00",
                                  "frame 5 8 0800000000000000", "frame 4 1 01"}),
        bundle.output());

    // While the dialog is the active application.
    const ScriptedBundle host("host", "send 4\nexpect 4 5000\n");
    ASSERT_EQ(0, dialoghost(host, {"--active", "host", "settings"}).status);
    EXPECT_EQ(std::vector<std::string>{"frame 4 1 01"}, host.linesStartingWith("frame 4 "));
}

TEST(DialoghostSettings, TellsTheApplicationTheWindowLevelWhileTheDialogIsActive) {
    for (const std::string active : {"host", "none"}) {
        const ScriptedBundle bundle("active-" + active, "send 5\nexpect 5 5000\nexpect 9 300\n");
        ASSERT_EQ(0, dialoghost(bundle, {"--active", active, "settings"}).status);
        const std::vector<std::string> notices = bundle.linesStartingWith("frame 0 ");
        EXPECT_EQ(active == "host", !notices.empty()) << active;
        for (const std::string& notice : notices) EXPECT_EQ("frame 0 8 0800000000000000", notice);
    }
}

TEST(DialoghostSettings, DropsAnEndlessBodyWithoutHoldingIt) {
    const ScriptedBundle baseline("baseline", "exit 0\n");
    const HostRun small = dialoghost(baseline, {"settings"});
    const ScriptedBundle endless("endless", "header 1 0xFFFFFFFF\nraw-bytes 8000000 41\nexit 0\n");
    const HostRun large = dialoghost(endless, {"settings"});
    ASSERT_EQ(0, small.status);
    ASSERT_EQ(0, large.status);
    EXPECT_LT(large.maxResidentKilobytes - small.maxResidentKilobytes, 8 * 1024)
        << small.maxResidentKilobytes << " kB before, " << large.maxResidentKilobytes
        << " kB after";
    std::cout << "dialoghost: " << small.maxResidentKilobytes << " kB without, "
              << large.maxResidentKilobytes << " kB with an endless body\n";
}

// The numbers after prefix in the report lines that begin with it.
std::vector<long long> numbersOf(const ScriptedBundle& bundle, const std::string& prefix) {
    std::vector<long long> numbers;
    for (const std::string& line : bundle.linesStartingWith(prefix + " ")) {
        std::istringstream words(line.substr(prefix.size()));
        for (long long number = 0; words >> number;) numbers.push_back(number);
    }
    return numbers;
}

// The state letter of process pid ("R", "S", "Z", ...); empty when there is no such process.
std::string processState(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    const std::string stat(std::istreambuf_iterator<char>(in), {});
    const std::size_t paren = stat.rfind(')');
    return paren != std::string::npos && paren + 2 < stat.size() ? stat.substr(paren + 2, 1)
                                                                 : std::string();
}

TEST(DialoghostSettings, EndsTheSessionWhenTheApplicationEndsOrCannotStart) {
    PdCoreData base = defaultCoreData();
    base.DtDateStamp.set(2);
    const std::string options = optionLineWith(base);
    const HostRun kept =
        dialoghost(ScriptedBundle("kept", ""), {"--options", options, "restore", "save"});
    ASSERT_EQ(2, recordOfLine(kept.optionLine).DtDateStamp.get());
    const struct {
        std::string name;
        std::string script;
    } cases[] = {
        // Each application tells the time as it starts and ends; the third lists the first two.
        {"exits",
         "launch 1\nclock\nexit 0\nlaunch 2\nclock\nexit 0\n"
         "launch 3\nclock\nparent-children\n"},
        {"killed",
         "launch 1\nclock\nkill\nlaunch 2\nclock\nkill\n"
         "launch 3\nclock\nparent-children\n"},
        {"missing", ""},
        {"not-executable", ""},
    };
    for (const auto& c : cases) {
        const ScriptedBundle bundle(c.name, c.script);
        if (c.name == "missing") fs::remove(bundle.executable());
        if (c.name == "not-executable") chmod(bundle.executable().c_str(), 0644);
        const HostRun run = dialoghost(
            bundle, {"--options", options, "restore", "settings", "settings", "settings", "save"});
        EXPECT_EQ(0, run.status) << c.name;
        EXPECT_EQ(kept.optionLine, run.optionLine) << c.name;
        if (c.name == "missing" || c.name == "not-executable") {
            // Three sessions that never began, and the start of dialoghost: well within seconds.
            EXPECT_LT(run.seconds, 5.0) << c.name;
            continue;
        }
        // From an application's end to the start of the next, across the end of its session.
        const std::vector<long long> clocks = numbersOf(bundle, "clock");
        ASSERT_EQ(3u, clocks.size()) << c.name;
        for (std::size_t i = 1; i < clocks.size(); ++i)
            EXPECT_LT(clocks[i] - clocks[i - 1], 1'000'000'000LL) << c.name << " session " << i;
        // The listing found the third application itself, and neither of the first two was left
        // a zombie.
        const std::vector<long long> children = numbersOf(bundle, "parent-children");
        ASSERT_EQ(2u, children.size()) << c.name;
        EXPECT_GE(children[0], 1) << c.name;
        EXPECT_EQ(0, children[1]) << c.name;
    }
}

TEST(DialoghostSettings, GoesOnWhileAProcessOfTheApplicationHoldsItsOutput) {
    // The holder, orphaned when the application exits, becomes this process's to reap.
    ASSERT_EQ(0, prctl(PR_SET_CHILD_SUBREAPER, 1));
    PdCoreData base = defaultCoreData();
    base.DtDateStamp.set(2);
    const std::string dateStamp = std::to_string(offsetof(PdCoreData, DtDateStamp)) + "=01";
    const ScriptedBundle bundle("holder",
                                "send-record 0 " + dateStamp + "\nhold-output 30000\nexit 0\n");
    const HostRun run =
        dialoghost(bundle, {"--options", optionLineWith(base), "restore", "settings", "save"});
    const std::vector<long long> holder = numbersOf(bundle, "holder");
    ASSERT_EQ(1u, holder.size());
    const pid_t holderPid = static_cast<pid_t>(holder[0]);
    // dialoghost has ended while the holder still holds the application's output.
    const std::string state = processState(holderPid);
    kill(holderPid, SIGKILL);
    waitpid(holderPid, nullptr, 0);
    EXPECT_TRUE(state == "S" || state == "R") << state;
    EXPECT_EQ(0, run.status);
    // The record sent just before the exit is stored.
    EXPECT_EQ(1, recordOfLine(run.optionLine).DtDateStamp.get());
}

TEST(DialoghostSettings, SurvivesAnApplicationThatNoLongerReads) {
    const struct {
        std::string name;
        std::string script;
    } cases[] = {
        {"closed", "close-input\nsend 4\nsend 5\nsleep 300\nparent-signals\n"},
        {"gone", "send 4\nsend 5\nexit 0\n"},
    };
    for (const auto& c : cases) {
        const ScriptedBundle bundle(c.name, c.script);
        const HostRun run = dialoghost(bundle, {"settings", "save"});
        EXPECT_EQ(0, run.status) << c.name;
        EXPECT_FALSE(run.optionLine.empty()) << c.name;
        if (c.name == "closed") {
            EXPECT_EQ(std::vector<std::string>{"sigpipe ignored=0 caught=0"}, bundle.output());
        }
    }
}

// The status and the password of a keychain reply's line "frame TYPE 1540 HEX".
std::pair<std::int32_t, std::string> keychainReply(const std::string& line) {
    const std::string hex = line.substr(line.rfind(' ') + 1);
    std::string password;
    for (std::size_t i = 512; i < 1024; ++i) {
        const char byte = static_cast<char>(std::stoi(hex.substr(2 * i, 2), nullptr, 16));
        if (byte == '\0') break;
        password += byte;
    }
    std::uint32_t status = 0;
    for (std::size_t i = 0; i < 4; ++i)
        status |= static_cast<std::uint32_t>(std::stoi(hex.substr(2 * (1536 + i), 2), nullptr, 16))
                  << (8 * i);
    return {static_cast<std::int32_t>(status), password};
}

bool onPath(const std::string& program) {
    return runHost("/bin/sh", {"-c", "command -v " + program}).status == 0;
}

TEST(DialoghostSettings, KeepsPasswordsInTheUsersKeyring) {
    if (!onPath("dbus-run-session") || !onPath("gnome-keyring-daemon") || !onPath("dbus-send"))
        GTEST_SKIP() << "no session bus or keyring daemon to run";
    const std::string script = R"(keychain 3 alice one print
expect 3 5000
keychain 2 alice - print
expect 2 5000
keychain 3 alice two print
expect 3 5000
keychain 2 alice - print
expect 2 5000
keychain 3 alice - print
expect 3 5000
keychain 2 alice - print
expect 2 5000
keychain 3 bob - print
expect 3 5000
keychain 2 bob - print
expect 2 5000
keychain 2 alice - -
expect 2 5000
keychain 3 alice pw -
expect 3 5000
keychain 2 - - print
expect 2 5000
keychain 3 - pw print
expect 3 5000
keychain 3 fill:512:41 fill:512:50 fill:512:53
expect 3 5000
keychain 2 fill:512:41 - fill:512:53
expect 2 5000
)";
    const std::vector<std::pair<std::int32_t, std::string>> expected{{0, "one"},
                                                                     {0, "one"},
                                                                     {0, "two"},
                                                                     {0, "two"},
                                                                     {1, ""},
                                                                     {0, "two"},
                                                                     {0, ""},
                                                                     {0, ""},
                                                                     {-25300, ""},
                                                                     {1, "pw"},
                                                                     {-25300, ""},
                                                                     {1, "pw"},
                                                                     {0, std::string(512, 'P')},
                                                                     {0, std::string(511, 'P')}};
    const std::string keyringFolder = (scratch() / "keyring-daemon").string();
    fs::remove_all(keyringFolder);
    // The replies to script, run with a keyring of kind (see private_keyring.sh) in folder.
    const auto repliesOf = [](const std::string& name, const std::string& script,
                              const std::string& folder, const std::string& kind) {
        const ScriptedBundle bundle(name, script);
        const HostRun run =
            runHost("/bin/bash", {PD_SOURCE_DIR "/tests/panel/private_keyring.sh", folder, kind,
                                  PD_BINARY_DIR "/dialoghost", "--ppd", testPpdPath, "--bundle",
                                  bundle.path.string(), "--active", "none", "settings"});
        EXPECT_EQ(0, run.status) << kind;
        std::vector<std::pair<std::int32_t, std::string>> replies;
        for (const std::string& line : bundle.output()) {
            EXPECT_TRUE(line.starts_with("frame ")) << line;
            if (line.starts_with("frame ")) replies.push_back(keychainReply(line));
        }
        return replies;
    };
    EXPECT_EQ(expected, repliesOf("keyring", script, keyringFolder, "unlocked"));

    // The same keyring, locked: it is not unlocked, which would ask the user, and nothing is
    // stored; an item it does not hold is not found.
    const std::string questions =
        "keychain 2 alice - print\nexpect 2 5000\nkeychain 3 alice three print\nexpect 3 5000\n"
        "keychain 2 carol - print\nexpect 2 5000\n";
    EXPECT_EQ((std::vector<std::pair<std::int32_t, std::string>>{
                  {keychainFailure, ""}, {1, "three"}, {-25300, ""}}),
              repliesOf("locked", questions, keyringFolder, "locked"));

    // No Secret Service runs, and none is started though the bus could: nothing is found and
    // nothing stored.
    const std::vector<std::pair<std::int32_t, std::string>> none{
        {-25300, ""}, {1, "three"}, {-25300, ""}};
    const std::string emptyFolder = (scratch() / "no-daemon").string();
    fs::remove_all(emptyFolder);
    EXPECT_EQ(none, repliesOf("none", questions, emptyFolder, "none"));
    // Nor where the session bus cannot be reached.
    const ScriptedBundle unreachable("unreachable", questions);
    ASSERT_EQ(0, dialoghost(unreachable, {"--active", "none", "settings"},
                            {"DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/bus"})
                     .status);
    std::vector<std::pair<std::int32_t, std::string>> replies;
    for (const std::string& line : unreachable.output()) replies.push_back(keychainReply(line));
    EXPECT_EQ(none, replies);
}

}  // namespace
}  // namespace pd
