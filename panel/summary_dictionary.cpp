#include "panel/summary_dictionary.h"

#include <utility>

namespace pd {

com_talvo_dpxw_zeb0583_662_summaryDict::com_talvo_dpxw_zeb0583_662_summaryDict(
    std::size_t capacity) {
    orderedKeys.reserve(capacity);
}

void com_talvo_dpxw_zeb0583_662_summaryDict::appendObject(PlatformString object,
                                                          PlatformString key) {
    const auto [entry, added] = storage.insert_or_assign(key.utf8(), std::move(object));
    if (added) orderedKeys.push_back(std::move(key));
}

const PlatformString* com_talvo_dpxw_zeb0583_662_summaryDict::objectForKey(
    const PlatformString& key) const {
    const auto found = storage.find(key.utf8());
    return found != storage.end() ? &found->second : nullptr;
}

}  // namespace pd
