#include "filter/driver_postscript.h"

// Insertion hooks: the document setup, end-setup and page-start builders come with the driver's
// PostScript library; until then they insert nothing.

namespace pd {

std::string buildBeginSetupCode(const PdCoreData&, int) {
    return {};
}
std::string buildEndSetupCode(const PdCoreData&, int) {
    return {};
}
std::string buildPageStartCode(const PdCoreData&) {
    return {};
}

}  // namespace pd
