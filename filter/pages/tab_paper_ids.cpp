#include "filter/pages/tab_paper_ids.h"

#include "core/catalog/choice_values.h"
#include "core/catalog/paper_size.h"

namespace pd {

namespace {

std::uint32_t tabPaperId(std::uint8_t tabPageSize) {
    switch (tabPageSize) {
        case tabPageSizeA4:
            return a4TabPaperId;
        case tabPageSizeA4Tab15:
            return a4Tab15PaperId;
        case tabPageSizeLetter:
            return letterTabPaperId;
        default:
            return noPaperId;
    }
}

}  // namespace

std::uint32_t tab1PaperId(std::uint8_t tabPageSize) {
    return tabPaperId(tabPageSize);
}

std::uint32_t tab2PaperId(std::uint8_t tabPageSize) {
    return tabPaperId(tabPageSize);
}

std::uint32_t untabbedPaperId(std::uint32_t paperId) {
    switch (paperId) {
        case a4TabPaperId:
        case a4Tab15PaperId:
            return a4PaperId;
        case letterTabPaperId:
            return letterPaperId;
        default:
            return paperId;
    }
}

}  // namespace pd
