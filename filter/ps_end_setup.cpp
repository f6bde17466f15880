#include "filter/ps_end_setup.h"

#include "core/base/hex.h"
#include "filter/driver_postscript.h"
#include "filter/features_dict.h"
#include "filter/ps_tab_dictionary.h"

namespace pd {

const std::string& pageEndMarkerHex() {
    static const std::string text =
        "<" + hexEncode(pageEndMarker.data(), static_cast<std::uint32_t>(pageEndMarker.size())) +
        ">";
    return text;
}

std::string buildEndSetupCode(const PdCoreData& record, HeaderCopyCount copyCount) {
    bool prologueFlag = false;
    std::string text = featuresDictPut(prologueFlag, "Talvo_V11", pageEndMarkerHex());
    text += featuresDictCallIfKnown(prologueFlag, "Talvo_NupP0", "");
    text += buildTabDictionary(record, copyCount);
    return text;
}

}  // namespace pd
