// Helpers shared by the PJL header tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/record/core_data.h"
#include "filter/pjl/pjl_emitter.h"

namespace pd::test {

// The header split into its lines, each without its CR LF. Fails the test when the text does not
// end with CR LF or holds a CR or LF anywhere else.
inline std::vector<std::string> headerLines(const std::string& header) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < header.size()) {
        const std::size_t end = header.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "header does not end with CR LF: " << header.substr(start);
            break;
        }
        const std::string line = header.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

// True when line is one well-formed SET line: a name of capitals and digits, "=", then a value
// that is either bare (no quote, no control byte) or wholly inside one pair of quotes.
inline bool isWellFormedSetLine(const std::string& line) {
    const std::string prefix = "@PJL SET ";
    if (line.rfind(prefix, 0) != 0) return false;
    const std::size_t equals = line.find('=', prefix.size());
    if (equals == std::string::npos || equals == prefix.size()) return false;
    for (std::size_t i = prefix.size(); i < equals; ++i) {
        const char c = line[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    }
    std::string value = line.substr(equals + 1);
    if (!value.empty() && value.front() == '"') {
        if (value.size() < 2 || value.back() != '"') return false;
        value = value.substr(1, value.size() - 2);
    }
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || byte < 0x20 || byte == 0x7F) return false;
    }
    return true;
}

// Header lines from their "NAME=value" bodies: "@PJL SET " before and CR LF after each.
inline std::string setLines(std::initializer_list<const char*> bodies) {
    std::string lines;
    for (const char* body : bodies) lines.append("@PJL SET ").append(body).append("\r\n");
    return lines;
}

// What one emitter appends for a record, in the forward direction.
inline std::string runEmitter(PjlEmitter emit, const PdCoreData& record, std::uint32_t jobKind,
                              std::uint32_t lastFlag = 0) {
    std::string out;
    emit(nullptr, nullptr, &out, &record, jobKind, lastFlag);
    return out;
}

// One emitter over a record that set changes from all zero.
struct EntryCase {
    const char* what;
    PjlEmitter emit;
    std::function<void(PdCoreData&)> set;
    std::uint32_t jobKind;
    std::string lines;
    std::uint32_t lastFlag = 0;
};

inline void expectEntryCases(const std::vector<EntryCase>& cases) {
    for (const EntryCase& c : cases) {
        PdCoreData record;
        c.set(record);
        EXPECT_EQ(runEmitter(c.emit, record, c.jobKind, c.lastFlag), c.lines) << c.what;
    }
}

// Every emitter writes nothing in the reverse direction and with both pairs, and leaves the
// record to fill untouched.
inline void expectForwardOnly(PjlEmitter emit, const PdCoreData& record) {
    const PjlValueList values = {{"HOLD", "ON"}, {"CHAPTERMODE", "ON"}};
    PdCoreData target = record;
    std::string out;
    emit(&values, &target, nullptr, nullptr, 2, 1);
    emit(&values, &target, &out, &record, 2, 1);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(coreDataBytes(target).size(), coreDataBytes(record).size());
    EXPECT_TRUE(std::equal(coreDataBytes(target).begin(), coreDataBytes(target).end(),
                           coreDataBytes(record).begin()));
}

}  // namespace pd::test
