// A scripted stand-in for the settings application, for the tests: it speaks the pipe protocol
// on its standard input and output as its script says, and reports what it sees into a file.
// It links nothing of the driver: a record is the bytes of its environment, changed by patches.
//
// It gets only its environment, so it reads its script from the file "script" beside its
// executable (as it was started, links not followed) and counts its launches in "launches"
// there. One command per line; blank lines and lines beginning with "#" are skipped:
//
//   output PATH            reports go to PATH from here on (default: "output" beside the script)
//   launch N               the lines up to the next "launch" apply only to the N-th launch
//   env                    reports "env NAME=VALUE" for each variable of the environment
//   send TYPE [HEX]        a frame of TYPE with the body HEX (none: size 0)
//   send-record DELTA [OFFSET=HEX...]
//                          a frame of type 1 with the record of TALVOCOREDATA, the bytes at each
//                          OFFSET replaced by HEX, DELTA bytes longer (zeros) or shorter
//   send-bytes TYPE COUNT BYTE
//                          a frame of TYPE whose body is COUNT bytes of the value BYTE (hex)
//   header TYPE SIZE [bad] a header alone, SIZE decimal or 0x hex; "bad": the name's last byte
//                          changed
//   raw HEX                the bytes HEX as they stand
//   raw-bytes COUNT BYTE   COUNT bytes of the value BYTE
//   split TYPE [HEX]       a frame whose header goes out in two writes, 200 ms apart
//   pid [SIZE]             a frame of type 6 with this process's id, cut or padded with zeros to
//                          SIZE bytes (default 4)
//   keychain TYPE ACCOUNT PASSWORD SERVICE
//                          a frame of TYPE with a 1,540-byte keychain request (status 7); each
//                          field is "-" (empty), "x:HEX", "fill:COUNT:BYTE" (no NUL) or text
//   expect TYPE MS         reads frames, reporting each as "frame TYPE SIZE HEX", until one of
//                          TYPE has come; "timeout TYPE" when none came within MS milliseconds,
//                          "eof" at the end of the input
//   sleep MS
//   clock                  reports "clock NS", the system's monotonic clock in nanoseconds
//   close-input, close-output
//   hold-output MS         starts a process that holds this one's standard output for MS
//                          milliseconds (its other descriptors closed); reports "holder PID"
//   parent-signals         reports "sigpipe ignored=0|1 caught=0|1" of the parent process
//   parent-children        reports "parent-children COUNT ZOMBIES": the processes whose parent is
//                          this one's, this one included, and how many of them are zombies
//   exit CODE              exits at once (also the end of the script, with 0)
//   kill                   kills itself
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

std::string folder;
std::string outputPath;
std::string magic;

void report(const std::string& line) {
    std::ofstream(outputPath, std::ios::app) << line << '\n';
}

Bytes fromHex(const std::string& text) {
    Bytes bytes;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2)
        bytes.push_back(static_cast<unsigned char>(std::stoul(text.substr(i, 2), nullptr, 16)));
    return bytes;
}

std::string toHex(const Bytes& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (const unsigned char byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 15];
    }
    return text;
}

void writeAll(const Bytes& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = write(1, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return;
        done += static_cast<std::size_t>(count);
    }
}

void appendWord(Bytes& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

Bytes header(std::int32_t type, std::uint32_t size, const std::string& name) {
    Bytes bytes(name.begin(), name.end());
    appendWord(bytes, static_cast<std::uint32_t>(type));
    appendWord(bytes, size);
    return bytes;
}

Bytes frame(std::int32_t type, const Bytes& body) {
    Bytes bytes = header(type, static_cast<std::uint32_t>(body.size()), magic);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

Bytes field(const std::string& text) {
    if (text == "-") return {};
    if (text.starts_with("x:")) return fromHex(text.substr(2));
    if (text.starts_with("fill:")) {
        const std::size_t colon = text.find(':', 5);
        const std::size_t count = std::stoul(text.substr(5, colon - 5));
        return Bytes(count,
                     static_cast<unsigned char>(std::stoul(text.substr(colon + 1), nullptr, 16)));
    }
    return Bytes(text.begin(), text.end());
}

// Reads exactly count bytes within the deadline; false at its end or at the end of the input.
bool readExactly(Bytes& into, std::size_t count, std::chrono::steady_clock::time_point deadline,
                 bool& ended) {
    into.clear();
    while (into.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd input{0, POLLIN, 0};
        if (poll(&input, 1, static_cast<int>(left.count())) <= 0) continue;
        unsigned char buffer[4096];
        const ssize_t got = read(0, buffer, std::min(sizeof buffer, count - into.size()));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            ended = true;
            return false;
        }
        into.insert(into.end(), buffer, buffer + got);
    }
    return true;
}

std::uint32_t wordAt(const Bytes& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= std::uint32_t{bytes[offset + i]} << (8 * i);
    return value;
}

void expect(std::int32_t type, int milliseconds) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    bool ended = false;
    Bytes head;
    Bytes body;
    while (readExactly(head, magic.size() + 8, deadline, ended)) {
        const auto gotType = static_cast<std::int32_t>(wordAt(head, magic.size()));
        const std::uint32_t size = wordAt(head, magic.size() + 4);
        if (!readExactly(body, size, deadline, ended)) break;
        report("frame " + std::to_string(gotType) + " " + std::to_string(size) + " " + toHex(body));
        if (gotType == type) return;
    }
    report(ended ? "eof" : "timeout " + std::to_string(type));
}

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void parentSignals() {
    std::istringstream status(readFile("/proc/" + std::to_string(getppid()) + "/status"));
    std::string line;
    const std::uint64_t bit = std::uint64_t{1} << (SIGPIPE - 1);
    bool ignored = false;
    bool caught = false;
    while (std::getline(status, line)) {
        if (line.starts_with("SigIgn:"))
            ignored = (std::stoull(line.substr(7), nullptr, 16) & bit) != 0;
        if (line.starts_with("SigCgt:"))
            caught = (std::stoull(line.substr(7), nullptr, 16) & bit) != 0;
    }
    report(std::string("sigpipe ignored=") + (ignored ? "1" : "0") +
           " caught=" + (caught ? "1" : "0"));
}

void parentChildren() {
    const std::string parent = std::to_string(getppid());
    DIR* directory = opendir("/proc");
    if (directory == nullptr) return;
    int count = 0;
    int zombies = 0;
    while (const dirent* entry = readdir(directory)) {
        if (entry->d_name[0] < '0' || entry->d_name[0] > '9') continue;
        // "PID (NAME) STATE PPID ...": the name may hold anything but ends at the last ')'.
        const std::string stat = readFile(std::string("/proc/") + entry->d_name + "/stat");
        const std::size_t paren = stat.rfind(')');
        if (paren == std::string::npos) continue;
        std::istringstream fields(stat.substr(paren + 1));
        std::string state;
        std::string ppid;
        if (!(fields >> state >> ppid) || ppid != parent) continue;
        ++count;
        if (state == "Z") ++zombies;
    }
    closedir(directory);
    report("parent-children " + std::to_string(count) + " " + std::to_string(zombies));
}

void holdOutput(int milliseconds) {
    const pid_t holder = fork();
    if (holder == 0) {
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 2);
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        _exit(0);
    }
    report("holder " + std::to_string(holder));
}

std::int32_t number(const std::string& text) {
    return static_cast<std::int32_t>(std::stoll(text, nullptr, 0));
}

void run(const std::vector<std::string>& words) {
    const std::string& command = words[0];
    const auto word = [&words](std::size_t i) {
        return i < words.size() ? words[i] : std::string();
    };
    if (command == "output") {
        outputPath = word(1);
    } else if (command == "env") {
        for (char** entry = environ; *entry != nullptr; ++entry)
            report(std::string("env ") + *entry);
    } else if (command == "send") {
        writeAll(frame(number(word(1)), fromHex(word(2))));
    } else if (command == "send-record") {
        const char* data = std::getenv("TALVOCOREDATA");
        Bytes record = fromHex(data != nullptr ? data : "");
        for (std::size_t i = 2; i < words.size(); ++i) {
            const std::size_t equals = words[i].find('=');
            const std::size_t offset = std::stoul(words[i].substr(0, equals));
            const Bytes patch = fromHex(words[i].substr(equals + 1));
            for (std::size_t k = 0; k < patch.size() && offset + k < record.size(); ++k)
                record[offset + k] = patch[k];
        }
        const long delta = std::stol(word(1));
        record.resize(static_cast<std::size_t>(static_cast<long>(record.size()) + delta), 0);
        writeAll(frame(1, record));
    } else if (command == "send-bytes") {
        writeAll(frame(number(word(1)),
                       Bytes(std::stoul(word(2)),
                             static_cast<unsigned char>(std::stoul(word(3), nullptr, 16)))));
    } else if (command == "header") {
        std::string name = magic;
        if (word(3) == "bad" && !name.empty()) name.back() ^= 1;
        writeAll(header(number(word(1)),
                        static_cast<std::uint32_t>(std::stoull(word(2), nullptr, 0)), name));
    } else if (command == "raw") {
        writeAll(fromHex(word(1)));
    } else if (command == "raw-bytes") {
        writeAll(Bytes(std::stoul(word(1)),
                       static_cast<unsigned char>(std::stoul(word(2), nullptr, 16))));
    } else if (command == "split") {
        const Bytes bytes = frame(number(word(1)), fromHex(word(2)));
        const std::size_t half = magic.size() / 2 + 3;
        writeAll(Bytes(bytes.begin(), bytes.begin() + half));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        writeAll(Bytes(bytes.begin() + half, bytes.end()));
    } else if (command == "pid") {
        Bytes body;
        appendWord(body, static_cast<std::uint32_t>(getpid()));
        body.resize(words.size() > 1 ? std::stoul(word(1)) : 4, 0);
        writeAll(frame(6, body));
    } else if (command == "keychain") {
        Bytes request(1540, 0);
        for (int f = 0; f < 3; ++f) {
            const Bytes bytes = field(word(2 + f));
            std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), 512),
                        request.begin() + 512 * f);
        }
        request[1536] = 7;
        writeAll(frame(number(word(1)), request));
    } else if (command == "expect") {
        expect(number(word(1)), number(word(2)));
    } else if (command == "sleep") {
        std::this_thread::sleep_for(std::chrono::milliseconds(number(word(1))));
    } else if (command == "clock") {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        report("clock " + std::to_string(now.tv_sec * 1000000000LL + now.tv_nsec));
    } else if (command == "hold-output") {
        holdOutput(number(word(1)));
    } else if (command == "close-input") {
        close(0);
    } else if (command == "close-output") {
        close(1);
    } else if (command == "parent-signals") {
        parentSignals();
    } else if (command == "parent-children") {
        parentChildren();
    } else if (command == "exit") {
        _exit(number(word(1)));
    } else if (command == "kill") {
        raise(SIGKILL);
    } else {
        report("unknown " + command);
    }
}

int launchNumber() {
    const std::string path = folder + "/launches";
    const int number = std::atoi(readFile(path).c_str()) + 1;
    std::ofstream(path) << number;
    return number;
}

}  // namespace

int main(int, char** argv) {
    // A write to a panel that has stopped reading fails here instead of ending the script.
    signal(SIGPIPE, SIG_IGN);
    const std::string self = argv[0];
    folder = self.substr(0, self.rfind('/'));
    outputPath = folder + "/output";
    const char* connection = std::getenv("TALVOPDECONNECTION");
    magic = connection != nullptr ? connection : "";
    const int launch = launchNumber();
    std::istringstream script(readFile(folder + "/script"));
    std::string line;
    int section = launch;
    while (std::getline(script, line)) {
        std::istringstream split(line);
        std::vector<std::string> words;
        for (std::string word; split >> word;) words.push_back(word);
        if (words.empty() || words[0].starts_with('#')) continue;
        if (words[0] == "launch") {
            section = number(words.at(1));
            continue;
        }
        if (section == launch) run(words);
    }
    _exit(0);
}
