// The platform's immutable dictionary of strings, as the print dialog reads the rows a panel gives
// its summary: texts as keys, each with a text as its value.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/platform_string.h"

namespace pd {

class StringDictionary {
  public:
    virtual ~StringDictionary() = default;

    // The number of keys.
    virtual std::size_t count() const = 0;
    // The value held under key (keys compare as their exact texts); null for a key it lacks.
    virtual const PlatformString* objectForKey(const PlatformString& key) const = 0;
    // Every key once, in the dictionary's own order; as many as count() says.
    virtual std::vector<PlatformString> keyEnumerator() const = 0;
};

}  // namespace pd
