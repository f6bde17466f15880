// The PJL header entries that read blobs any user can submit, over arbitrary bytes: the relay
// server fields, the page-specific inserted sheets and forms, and the chapter list, then the whole
// header of a record made of the input. No read outside the blob, every line one well-formed SET
// line, and every list within the header's bounds.
//
// Input: one byte of settings (bit 0 the last flag, bit 1 job kind 2, bit 2 the public user, bit 3
// chapters on, bit 4 a whole record of the bytes), then the blob.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "core/record/core_data.h"
#include "filter/pjl/pjl_hold_auth_entries.h"
#include "filter/pjl/pjl_job_handling_entries.h"
#include "filter/pjl/pjl_job_header.h"
#include "filter/pjl/pjl_pps_entries.h"
#include "filter/pjl/pjl_relay_server.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// Longest "CHAPTER" value: every page of 1 to 9999 once, joined by commas.
constexpr std::size_t maxChapterValue = 9 * 2 + 90 * 3 + 900 * 4 + 9000 * 5 - 1;

struct SetLine {
    std::string_view name;
    std::string_view value;  // without its quotes
};

// Splits text into SET lines, requiring each to be well formed: a name of capitals and digits,
// "=", and a value that is bare or wholly quoted, without a quote or a control byte inside.
std::vector<SetLine> setLines(std::string_view text) {
    std::vector<SetLine> lines;
    constexpr std::string_view prefix = "@PJL SET ";
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        require(end != std::string_view::npos);
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 2);
        require(line.substr(0, prefix.size()) == prefix);
        line.remove_prefix(prefix.size());
        const std::size_t equals = line.find('=');
        require(equals != std::string_view::npos && equals > 0);
        const std::string_view name = line.substr(0, equals);
        for (const char c : name) require((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'));
        std::string_view value = line.substr(equals + 1);
        if (!value.empty() && value.front() == '"') {
            require(value.size() >= 2 && value.back() == '"');
            value = value.substr(1, value.size() - 2);
        }
        for (const char c : value) {
            const auto byte = static_cast<unsigned char>(c);
            require(c != '"' && byte >= 0x20 && byte != 0x7F);
        }
        lines.push_back({name, value});
    }
    return lines;
}

void checkRelayFields(const std::uint8_t* blob, std::size_t size) {
    // An exact copy, so that any read past the end is caught.
    const std::vector<unsigned char> exact(blob, blob + size);
    pd::RelayServerFieldList fields;
    const bool complete =
        pd::decodeRelayServerFields(exact.data(), static_cast<std::uint32_t>(size), fields);
    require(fields.size() <= pd::maxRelayServerFields);
    if (size > 65535) require(!complete && fields.empty());
    for (const pd::RelayServerField& field : fields) {
        require(field.type <= 255);
        require(std::memchr(field.name.data(), '\0', field.name.size()) != nullptr);
        require(std::memchr(field.text.data(), '\0', field.text.size()) != nullptr);
    }
}

void checkEntries(const pd::PdCoreData& record, std::uint32_t jobKind, std::uint32_t lastFlag) {
    std::string out;
    pd::emitPerPageSettings(nullptr, nullptr, &out, &record, jobKind, lastFlag);
    std::size_t sets = 0;
    for (const SetLine& line : setLines(out)) {
        if (line.name.substr(0, 16) == "PPSUSERMEDIANAME") require(line.value.size() <= 88);
        if (line.name.substr(0, 10) != "PERPAGESET") continue;
        const std::string number(line.name.substr(10));
        const int n = std::atoi(number.c_str());
        require(n >= 3 && n <= 102);
        ++sets;
        require(std::count(line.value.begin(), line.value.end(), ',') >= 12);
    }
    require(sets <= 100);

    out.clear();
    pd::emitPjlOverlayPage(nullptr, nullptr, &out, &record, jobKind, lastFlag);
    require(setLines(out).size() <= 3);

    out.clear();
    pd::emitPjlChapters(nullptr, nullptr, &out, &record, jobKind, lastFlag);
    for (const SetLine& line : setLines(out)) require(line.value.size() <= maxChapterValue);

    out.clear();
    pd::emitPjlUserAuthentication(nullptr, nullptr, &out, &record, jobKind, lastFlag);
    std::size_t groups = 0;
    for (const SetLine& line : setLines(out)) {
        if (line.name.substr(0, 18) == "QXCERTFLEXCONTTYPE") ++groups;
    }
    require(groups <= pd::maxRelayServerFields);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pd;
    if (size < 1) return 0;
    const std::uint8_t settings = data[0];
    const std::uint8_t* blob = data + 1;
    const std::size_t blobSize = size - 1;
    const std::uint32_t lastFlag = settings & 1;
    const std::uint32_t jobKind = (settings & 2) != 0 ? 2 : 1;

    checkRelayFields(blob, blobSize);

    PdCoreData record;
    if ((settings & 16) != 0) {
        auto bytes = coreDataBytes(record);
        std::memcpy(bytes.data(), blob, std::min(blobSize, bytes.size()));
    } else {
        std::memcpy(record.DtRelayServerSettings.bytes, blob,
                    std::min(blobSize, sizeof record.DtRelayServerSettings.bytes));
        std::memcpy(record.DtPageSpecificTrays.bytes, blob,
                    std::min(blobSize, sizeof record.DtPageSpecificTrays.bytes));
        std::memcpy(record.DtPageSpecificForms.bytes, blob,
                    std::min(blobSize, sizeof record.DtPageSpecificForms.bytes));
        std::memcpy(record.DtChapterPages.bytes, blob,
                    std::min(blobSize, sizeof record.DtChapterPages.bytes));
        record.DtUserAuthentication.set(3);
        record.DtUserAuthenticationPublic.set((settings & 4) != 0 ? 1 : 0);
        record.DtChapterMode.set((settings & 8) != 0 ? 1 : 0);
        record.DtTab1NumOfTabs.set(5);
        record.DtTab2NumOfTabs.set(15);
    }
    checkEntries(record, jobKind, lastFlag);
    setLines(buildPjlJobHeader(&record, "job", "user", nullptr, jobKind, lastFlag));
    return 0;
}
