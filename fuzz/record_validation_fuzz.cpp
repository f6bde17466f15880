// Validation of records from outside, and the page list readers over the repaired record's blobs.
//
// Input: one flag byte (bit 0: keep the format's signature so that the member tests run), then
// patches over a copy of the default record, each a 16-bit big-endian offset, a length byte and
// that many bytes (cut at the record's end). Any violated property aborts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/record/core_data.h"
#include "core/record/default_record.h"
#include "core/record/page_lists.h"
#include "core/record/validation.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pd;
    if (size == 0) return 0;
    PdCoreData record = defaultCoreData();
    const auto bytes = coreDataBytes(record);
    const bool keepSignature = (data[0] & 1) != 0;
    std::size_t at = 1;
    while (at + 3 <= size) {
        const std::size_t offset = ((std::size_t{data[at]} << 8) | data[at + 1]) % coreDataSize;
        std::size_t length = data[at + 2];
        at += 3;
        length = std::min({length, size - at, coreDataSize - offset});
        std::memcpy(bytes.data() + offset, data + at, length);
        at += length;
    }
    if (keepSignature) record.layoutSignature = defaultCoreData().layoutSignature;

    validateCoreData(record);
    // A repaired record needs no further repair, and every text member ends inside itself.
    PdCoreData again = record;
    require(validateCoreData(again));
    require(std::memcmp(&again, &record, coreDataSize) == 0);
    for (const CoreDataMember& member : coreDataMembers) {
        if (member.kind == MemberKind::text || member.kind == MemberKind::choiceText) {
            require(memberBytes(record, member).back() == 0);
        }
    }

    PageRangeList chapters;
    std::uint32_t position = 0;
    readPageRangeList(record.DtChapterPages.bytes, sizeof record.DtChapterPages.bytes, position,
                      chapters);
    PageFormList forms;
    decodePageFormList(record.DtPageSpecificForms.bytes, sizeof record.DtPageSpecificForms.bytes,
                       forms);
    // Range lists read one after another through the tray blob, as its reader walks it.
    PageRangeList trays;
    position = 0;
    const std::uint32_t traysSize = sizeof record.DtPageSpecificTrays.bytes;
    while (position < traysSize) {
        const std::uint32_t before = position;
        readPageRangeList(record.DtPageSpecificTrays.bytes, traysSize, position, trays);
        require(position > before);
    }
    for (const PageRange& range : trays) {
        require(range.first >= firstPage && range.first <= range.last && range.last <= lastPage);
    }
    return 0;
}
