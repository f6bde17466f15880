// Writes DtPageSpecificTrays blobs for tests, item by item in the blob's order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/record/core_data.h"
#include "core/record/page_lists.h"

namespace pd::test {

struct BlobTab {
    std::uint8_t noTab = 0;
    std::uint8_t tabSet = 0;
    std::uint8_t insert = 0;
    std::uint8_t position = 0;
    std::string text{};
};

struct BlobSheet {
    std::uint8_t punch = 0;
    std::uint8_t staple = 0;
    std::uint8_t endFlag = 0;
    std::uint16_t insertionCount = 0;
    BlobTab tab{};
};

struct BlobEntry {
    std::uint8_t pageSetting = 0;
    std::uint8_t punch = 0;
    std::uint8_t staple = 0;
    std::uint8_t endFlag = 0;
    std::string paperName{};
    std::uint8_t mediaType = 0;
    std::uint8_t mediaWeight = 0;
    std::uint8_t mediaColor = 0;
    std::uint8_t prePunched = 0;
    std::uint8_t tray = 0;
    std::uint16_t sheetCount = 0;
    BlobTab tab{};
    std::vector<BlobSheet> sheets{};
    PageRangeList pages{};
};

class BlobWriter {
  public:
    std::vector<unsigned char> bytes;

    void byte(std::uint8_t value) { bytes.push_back(value); }
    void word(std::uint16_t value) {
        byte(static_cast<std::uint8_t>(value >> 8));
        byte(static_cast<std::uint8_t>(value));
    }
    void text(const std::string& value) {
        bytes.insert(bytes.end(), value.begin(), value.end());
        byte(0);
    }
    void tab(const BlobTab& tab) {
        byte(tab.noTab);
        byte(tab.tabSet);
        byte(tab.insert);
        byte(tab.position);
        text(tab.text);
    }
    void pages(const PageRangeList& list) {
        std::vector<unsigned char> blob(4 + 4 * list.size() + 2);
        std::uint32_t position = 0;
        writePageRangeList(list, blob.data(), static_cast<std::uint32_t>(blob.size()), position);
        bytes.insert(bytes.end(), blob.begin(), blob.begin() + position);
    }
    void entry(const BlobEntry& e) {
        byte(e.pageSetting);
        byte(e.punch);
        byte(e.staple);
        byte(e.endFlag);
        text(e.paperName);
        byte(e.mediaType);
        byte(e.mediaWeight);
        byte(e.mediaColor);
        byte(e.prePunched);
        byte(e.tray);
        word(e.sheetCount);
        tab(e.tab);
        byte(static_cast<std::uint8_t>(e.sheets.size()));
        for (const BlobSheet& s : e.sheets) {
            byte(s.punch);
            byte(s.staple);
            byte(s.endFlag);
            word(s.insertionCount);
            tab(s.tab);
        }
        pages(e.pages);
    }
};

// The plain-header blob of the entries.
inline std::vector<unsigned char> pageSpecificBlob(const std::vector<BlobEntry>& entries) {
    BlobWriter writer;
    writer.word(static_cast<std::uint16_t>(entries.size()));
    for (const BlobEntry& e : entries) writer.entry(e);
    return writer.bytes;
}

// Stores the entries in the record's DtPageSpecificTrays.
inline void setPageSpecificTrays(PdCoreData& record, const std::vector<BlobEntry>& entries) {
    const std::vector<unsigned char> blob = pageSpecificBlob(entries);
    std::fill(std::begin(record.DtPageSpecificTrays.bytes),
              std::end(record.DtPageSpecificTrays.bytes), 0);
    std::copy(blob.begin(),
              blob.begin() + std::min(blob.size(), sizeof record.DtPageSpecificTrays.bytes),
              record.DtPageSpecificTrays.bytes);
}

// A record whose tab setups count 15 tabs, otherwise all zero.
inline PdCoreData tabRecord() {
    PdCoreData record;
    record.DtTab1NumOfTabs.set(15);
    record.DtTab2NumOfTabs.set(15);
    return record;
}

}  // namespace pd::test
