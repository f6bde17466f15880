// Reading the small text files of the user's preferences and of a plug-in's bundle whole.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace pd {

// The content of the file at path; nullopt when it cannot be opened or read, or holds more than
// sizeLimit bytes, which no such file does.
std::optional<std::string> readSmallFile(const std::string& path, std::size_t sizeLimit = 1 << 20);

}  // namespace pd
