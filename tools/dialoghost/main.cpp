// dialoghost: see dialog_host.h.
#include <unistd.h>

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "tools/dialoghost/dialog_host.h"

namespace {

// The bundle built or installed beside the executable.
std::string bundleBesideExecutable() {
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return "printpanel.bundle";
    path.resize(static_cast<std::size_t>(length));
    return path.substr(0, path.rfind('/') + 1) + "printpanel.bundle";
}

}  // namespace

int main(int argc, char** argv) {
    // A print dialog runs in its user's locale, a decimal comma and all: so does its stand-in, so
    // that the panel is run as a dialog would run it.
    std::setlocale(LC_ALL, "");
    try {
        const auto parsed =
            pd::parseDialogHostArguments(std::vector<std::string>(argv + 1, argv + argc));
        if (const auto* problem = std::get_if<std::string>(&parsed)) {
            std::cerr << "dialoghost: " << *problem << '\n' << pd::dialogHostUsage;
            return pd::exitUsage;
        }
        return pd::runDialogHost(std::get<pd::DialogHostArguments>(parsed),
                                 bundleBesideExecutable(), std::cout, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "dialoghost: " << error.what() << '\n';
        return 1;
    }
}
