// The summary's member rows of any record, unrepaired, in any language and either unit. No crash,
// no read outside the record, and the rows keep their promises: at most one per member that can
// show one, every row titled, every row but the target size's with a value, and a value that
// starts with the custom size's name where the target size is custom.
//
// Input: a language byte, then bytes laid over the default record from its first byte on.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/catalog/option_catalogue.h"
#include "core/catalog/paper_size.h"
#include "core/record/default_record.h"
#include "panel/summary_items.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

// The members whose options carry a PPD keyword and whose rows can therefore show.
constexpr std::size_t maxRows = 57;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pd;
    if (size == 0) return 0;
    const LanguageIndex language = data[0];
    PdCoreData record = defaultCoreData();
    std::memcpy(coreDataBytes(record).data(), data + 1, std::min(size - 1, coreDataSize));

    SummaryItemList items;
    buildSummaryItems(record, items, language);
    require(items.size() <= maxRows);
    for (const SummaryItem& item : items) require(!item.label.empty());

    for (const std::uint32_t inchFlag : {0u, 1u}) {
        SummaryItemList target;
        const SummaryContext context{target, record, language, inchFlag};
        addTargetPaperSizeSummaryItem(record.DtTargetPaperSize.get(), targetPaperSizeOption,
                                      context);
        require(target.size() == 1);
        if (record.DtTargetPaperSize.get() == customTargetPaperSize) {
            require(target[0].value.starts_with(record.DtTargetPaperSizeName.view()));
            require(target[0].value.ends_with(")"));
        } else {
            require(!target[0].value.empty());
        }
    }
    return 0;
}
