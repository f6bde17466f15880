// Window levels: the stacking layer of a window, a signed number of the platform word. The print
// dialog hands its level to the settings application, which stacks its own windows by it, so the
// numbers are those the application knows.
#pragma once

#include <cstdint>

namespace pd {

using WindowLevel = std::intptr_t;

// The layers a window is put on by name.
enum class WindowLevelKey {
    normal = 4,
    modalPanel = 10,
};

// The level of a named layer: 0 for normal windows, 8 for modal panels.
constexpr WindowLevel windowLevelForKey(WindowLevelKey key) {
    return key == WindowLevelKey::modalPanel ? 8 : 0;
}

}  // namespace pd
