#include "core/rules/field_comparison.h"

namespace pd {

bool fixedTextEquals(std::span<const char> a, std::span<const char> b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) return false;
        if (a[i] == '\0') return true;
    }
    return false;
}

}  // namespace pd
