// The page-setup merge over any page setup and any record that validation let through.
//
// Input: one flag byte (bits 0-1: 1 takes the setup's input slot, 0, 2 and 3 keep the record's),
// the 139 bytes of the page setup (missing bytes 0), then patches over a copy of the default
// record, each a byte offset into the first 1,024 bytes (where the rule-bearing members lie), a
// length byte and that many bytes. Any violated property aborts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/record/core_data.h"
#include "core/record/default_record.h"
#include "core/record/validation.h"
#include "core/rules/platform_data.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pd;
    if (size == 0) return 0;
    const InputSlotMerge inputSlot =
        (data[0] & 3) == 1 ? InputSlotMerge::take : InputSlotMerge::keep;
    std::size_t at = 1;

    PdPlatformData setup;
    const std::size_t setupLength = std::min(sizeof setup, size - at);
    std::memset(static_cast<void*>(&setup), 0, sizeof setup);
    std::memcpy(static_cast<void*>(&setup), data + at, setupLength);
    at += setupLength;

    PdCoreData record = defaultCoreData();
    const auto bytes = coreDataBytes(record);
    constexpr std::size_t patchedBytes = 1024;
    while (at + 3 <= size) {
        const std::size_t offset = ((std::size_t{data[at]} << 8) | data[at + 1]) % patchedBytes;
        std::size_t length = data[at + 2];
        at += 3;
        length = std::min({length, size - at, patchedBytes - offset});
        std::memcpy(bytes.data() + offset, data + at, length);
        at += length;
    }
    record.layoutSignature = defaultCoreData().layoutSignature;
    validateCoreData(record);

    ChangedFieldList changed;
    mergePlatformData(&record, &setup, nullptr, inputSlot, &changed);

    // The page size request always stores and sets its five members; every entry names a member
    // of this record.
    require(changed.size() >= 10);
    require(record.DtPageSize.get() == setup.DtPageSize.get());
    require(record.DtPageSizeName.isTerminated());
    const auto* begin = reinterpret_cast<const unsigned char*>(&record);
    for (const FieldIdentity entry : changed.entries) {
        const auto* field = static_cast<const unsigned char*>(entry);
        require(field >= begin && field < begin + coreDataSize);
    }
    return 0;
}
