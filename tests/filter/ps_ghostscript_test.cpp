// Ghostscript interprets the driver's inserted PostScript in the golden outputs: as the printer
// sees it when it defines none of the driver's procedures, and when it defines all of them and
// they read what the driver stored for them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const fs::path goldenRoot = fs::path(PD_SOURCE_DIR) / "tests/filter/golden";

// Printer procedures that read every value the inserted code stores for them.
constexpr const char* printerProcedures = R"(
userdict /TLQXFeatures 100 dict put
TLQXFeatures begin
/Talvo_NupP0 { TLQXFeatures /Talvo_V11 get length 20 ne { stop } if } def
/Talvo_NupP3 { } def
/Talvo_NupP5 { TLQXFeatures /HiResPageSize get aload pop pop pop
               TLQXFeatures /TLQXPdNup get pop TLQXFeatures /PageOrient get pop
               TLQXFeatures /TLQXBookletBlankInsertion get pop } def
/Talvo_P4 { } def
/Talvo_P6 { TLQXFeatures /TrayConfiguration get /Tray5 get /TLQXMediaType get pop
            TLQXFeatures /Gutter get TLQXFeatures /Creep get add pop
            TLQXFeatures /PPSArray known { TLQXFeatures /PPSArray get { aload pop pop pop } forall } if
            TLQXFeatures /TPCS known { TLQXFeatures /TPCS get aload pop pop pop } if } def
/Talvo_P8_pagesave { } def
/Talvo_P8_MAC { } def
end
userdict /TalvoTABdict 100 dict put
TalvoTABdict /Talvo_TP1 {
  TalvoTABdict /TABtexts known {
    TalvoTABdict begin
    TABtexts length TABpagenumbers length ne { stop } if
    TABtexts { { length pop } forall } forall
    TABsets_fontname { pop } forall TABsets_width aload pop add pop
    end
  } if
} put
)";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The PostScript between the PJL language switch and the closing UEL.
std::string postScriptPart(const std::string& printerStream) {
    const std::string enter = "@PJL ENTER LANGUAGE = POSTSCRIPT\n";
    const std::size_t start = printerStream.find(enter);
    const std::size_t end = printerStream.rfind("\x1b%-12345X");
    if (start == std::string::npos || end == std::string::npos || end < start) return {};
    return printerStream.substr(start + enter.size(), end - start - enter.size());
}

struct GsRun {
    int status = -1;
    std::string output;
};

GsRun runGhostscript(const std::string& postScript) {
    const fs::path dir = fs::temp_directory_path() / ("pd_gs_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "job.ps", std::ios::binary) << postScript;
    const std::string command = "gs -q -dSAFER -dNOPAUSE -dBATCH -sDEVICE=nullpage '" +
                                (dir / "job.ps").string() + "' > '" + (dir / "gs.txt").string() +
                                "' 2>&1";
    GsRun run;
    run.status = std::system(command.c_str());
    run.output = readFile(dir / "gs.txt");
    fs::remove_all(dir);
    return run;
}

class DriverPostScript : public testing::TestWithParam<std::string> {};

TEST_P(DriverPostScript, GhostscriptRunsItWithAndWithoutPrinterProcedures) {
    if (std::system("gs -v > /dev/null 2>&1") != 0) GTEST_SKIP() << "no Ghostscript";
    const std::string postScript =
        postScriptPart(readFile(goldenRoot / GetParam() / "expected.prn"));
    ASSERT_FALSE(postScript.empty());
    for (const std::string& prefix : {std::string(), std::string(printerProcedures)}) {
        const GsRun run = runGhostscript(prefix + postScript);
        EXPECT_EQ(run.status, 0) << run.output;
        EXPECT_EQ(run.output.find("Error"), std::string::npos) << run.output;
    }
}

INSTANTIATE_TEST_SUITE_P(Golden, DriverPostScript,
                         testing::Values("driver-booklet", "driver-nup-custom",
                                         "driver-repeat-chapters", "driver-tab-paper", "stdin-job"),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name) {
                                 if (c == '-') c = '_';
                             }
                             return name;
                         });

}  // namespace
