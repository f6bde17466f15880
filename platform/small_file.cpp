#include "platform/small_file.h"

#include <cstdio>
#include <memory>

namespace pd {

std::optional<std::string> readSmallFile(const std::string& path, std::size_t sizeLimit) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               std::fclose);
    if (!file) return std::nullopt;
    std::string text;
    char block[4096];
    while (text.size() <= sizeLimit) {
        const std::size_t got = std::fread(block, 1, sizeof block, file.get());
        if (got == 0) break;
        text.append(block, got);
    }
    if (text.size() > sizeLimit || std::ferror(file.get())) return std::nullopt;
    return text;
}

}  // namespace pd
