#include "dialog/property_list.h"

namespace pd {

const PropertyValue* findProperty(const PropertyDictionary& dictionary,
                                  std::initializer_list<std::string_view> path) {
    const PropertyDictionary* level = &dictionary;
    const PropertyValue* value = nullptr;
    for (const std::string_view key : path) {
        if (level == nullptr) return nullptr;
        value = nullptr;
        for (const PropertyEntry& entry : level->entries) {
            if (entry.key == key) {
                value = &entry.value;
                break;
            }
        }
        if (value == nullptr) return nullptr;
        level = std::get_if<PropertyDictionary>(value);
    }
    return value;
}

}  // namespace pd
