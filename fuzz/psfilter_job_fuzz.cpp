// Drives the filter's set-up and rewriting with arbitrary options and job bytes: no crash, no
// read outside a buffer, and a job without DSC comments comes out unchanged.
//
// Input: the options text, a NUL byte, then the job.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "filter/filter_job.h"
#include "filter/job_services.h"
#include "filter/line_reader.h"
#include "filter/media_option.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    const void* nul = std::memchr(bytes, '\0', size);
    const std::size_t optionsLength =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes) : size;
    const std::string options(bytes, optionsLength);
    const std::string job = optionsLength < size
                                ? std::string(bytes + optionsLength + 1, size - optionsLength - 1)
                                : "";

    pd::FilterJob setup;
    setup.optionCount = cupsParseOptions(options.c_str(), 0, &setup.jobOptions);
    pd::scanJobOptions(setup, "fuzz");
    pd::rebuildRecord(setup);
    pd::mergeJobSettings(setup);

    std::FILE* input = fmemopen(const_cast<char*>(job.data()), job.size(), "rb");
    if (input == nullptr) return 0;
    pd::JobOutput output(-1);
    pd::JobRewriter rewriter(output);
    rewriter.texts = {"<c>", "<s>", "<e>", "<p>"};
    pd::LineReader reader(input, output);
    pd::CurrentLine line;
    bool dsc = false;
    while (reader.readLine(line) == pd::ReadResult::line) {
        dsc = dsc || (line.length > 0 && line.data[0] == '%');
        pd::rewriteLine(rewriter, line);
    }
    std::fclose(input);
    if (!dsc && output.captured() != job) __builtin_trap();
    return 0;
}
