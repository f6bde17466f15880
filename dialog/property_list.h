// Property lists: the nested dictionaries in which the print dialog describes a page format.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pd {

struct PropertyEntry;

// Keys to values in the order they were added; a key is looked up by its first entry.
struct PropertyDictionary {
    std::vector<PropertyEntry> entries;
};

using PropertyValue = std::variant<bool, double, std::string, PropertyDictionary>;

struct PropertyEntry {
    std::string key;
    PropertyValue value;
};

// The value reached from dictionary through path, one key per level, each level but the last a
// dictionary; null when a key is missing or a level is not a dictionary.
const PropertyValue* findProperty(const PropertyDictionary& dictionary,
                                  std::initializer_list<std::string_view> path);

}  // namespace pd
