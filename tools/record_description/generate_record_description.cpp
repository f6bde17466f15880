// Writes the record layout description as a C++ source of the filter, so that the description
// is a constant of the build rather than computed by every job at start-up.
//
//   record_description_generator OUTPUT.cpp
#include <cstdio>
#include <string>

#include "filter/record_description.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string description = pd::buildCoreDataDescription();
    std::string source =
        "// Written at build time by record_description_generator from the record's member table\n"
        "// and the option catalogue.\n"
        "#include \"filter/record_description.h\"\n\n"
        "namespace pd {\n\n"
        "constinit const std::string_view coreDataDescription =";
    // Base64 needs no escapes; lines of 76 characters keep the source readable.
    constexpr std::size_t piece = 76;
    for (std::size_t at = 0; at < description.size(); at += piece) {
        source += "\n    \"";
        source += description.substr(at, piece);
        source += '"';
    }
    source += ";\n\n}  // namespace pd\n";
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) return 1;
    const bool written = std::fwrite(source.data(), 1, source.size(), file) == source.size();
    return std::fclose(file) == 0 && written ? 0 : 1;
}
