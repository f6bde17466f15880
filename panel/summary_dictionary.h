// The dictionary the panel answers the summary pane with: it keeps its keys in the order in which
// they were appended, so that the pane lists the rows in the panel's order.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "dialog/string_dictionary.h"

namespace pd {

class com_talvo_dpxw_zeb0583_662_summaryDict final : public StringDictionary {
  public:
    // An empty dictionary with room for capacity keys.
    explicit com_talvo_dpxw_zeb0583_662_summaryDict(std::size_t capacity);

    // Holds object under key. A key that the dictionary holds already keeps its place and takes
    // the new object, so that every key is listed once: two rows whose titles read the same in a
    // language show as one row, with the value appended last.
    void appendObject(PlatformString object, PlatformString key);

    std::size_t count() const override { return storage.size(); }
    const PlatformString* objectForKey(const PlatformString& key) const override;
    std::vector<PlatformString> keyEnumerator() const override { return orderedKeys; }

  private:
    std::vector<PlatformString> orderedKeys;
    std::map<std::string, PlatformString, std::less<>> storage;
};

}  // namespace pd
