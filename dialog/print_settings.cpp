#include "dialog/print_settings.h"

#include <utility>

namespace pd {

std::optional<std::string> stringSetting(const PrintSettings& settings, std::string_view key) {
    std::optional<PrintSettingValue> value = settings.value(key);
    if (!value) return std::nullopt;
    std::string* text = std::get_if<std::string>(&*value);
    if (text == nullptr) return std::nullopt;
    return std::move(*text);
}

std::optional<PrintSettingValue> MemoryPrintSettings::value(std::string_view key) const {
    const auto found = entries_.find(key);
    if (found == entries_.end()) return std::nullopt;
    return found->second;
}

void MemoryPrintSettings::setValue(std::string_view key, std::optional<PrintSettingValue> value) {
    const auto found = entries_.find(key);
    if (!value) {
        if (found != entries_.end()) entries_.erase(found);
    } else if (found != entries_.end()) {
        found->second = std::move(*value);
    } else {
        entries_.emplace(std::string(key), std::move(*value));
    }
}

std::vector<std::string> MemoryPrintSettings::keys() const {
    std::vector<std::string> keys;
    keys.reserve(entries_.size());
    for (const auto& entry : entries_) keys.push_back(entry.first);
    return keys;
}

std::vector<std::pair<std::string, std::string>> MemoryPrintSettings::stringEntries() const {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const auto& [key, value] : entries_) {
        if (const std::string* text = std::get_if<std::string>(&value))
            entries.emplace_back(key, *text);
    }
    return entries;
}

}  // namespace pd
