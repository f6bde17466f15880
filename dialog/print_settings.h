// The print settings of a job, as the print dialog keeps them and hands them to CUPS: keys to
// values, where a value is a text or a value of another kind (a number, a flag) that readers of
// texts pass over. The string values become the job's options.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pd {

using PrintSettingValue = std::variant<std::string, std::int64_t, double, bool>;

// The print settings of one job, owned by the print dialog.
class PrintSettings {
  public:
    virtual ~PrintSettings() = default;

    // The value of key, or nullopt when the settings hold no such key: the failed get.
    virtual std::optional<PrintSettingValue> value(std::string_view key) const = 0;

    // Sets key to value; no value removes the key (an absent key stays absent).
    virtual void setValue(std::string_view key, std::optional<PrintSettingValue> value) = 0;

    // Every key, in the settings' order.
    virtual std::vector<std::string> keys() const = 0;
};

// The text of key; nullopt when the key is absent or its value is not a text.
std::optional<std::string> stringSetting(const PrintSettings& settings, std::string_view key);

// Print settings held in memory as a map ordered by key: the print dialog stand-in's own store,
// and the tests' fake.
class MemoryPrintSettings final : public PrintSettings {
  public:
    std::optional<PrintSettingValue> value(std::string_view key) const override;
    void setValue(std::string_view key, std::optional<PrintSettingValue> value) override;
    std::vector<std::string> keys() const override;

    // The key-text pairs in key order; values of other kinds are left out.
    std::vector<std::pair<std::string, std::string>> stringEntries() const;

  private:
    std::map<std::string, PrintSettingValue, std::less<>> entries_;
};

}  // namespace pd
