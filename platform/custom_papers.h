// The user's custom papers, as the preferences hold them: one entry per paper, each a small
// dictionary with a name and whether the printer itself reports the paper.
//
// The core asks through one process-wide reader. By default no papers are read at all, which is
// what the filter needs; the print panel installs `userCustomPapers` at start, and tests install
// fakes.
//
// On Linux the papers live in "$XDG_CONFIG_HOME/printdriver/custompapers" (XDG_CONFIG_HOME
// defaulting to "$HOME/.config"), a text file of sections in the order they are handed out:
//
//     [paper key]
//     name=Poster 30x40
//     fromengine=true
//
// A section without "name" gives a paper without a name; "fromengine" is true only for "true",
// "yes" or "1". A key line with anything but "name" or "fromengine" is ignored, and so are lines
// before the first section.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pd {

struct CustomPaperPreference {
    std::optional<std::string> name;
    std::optional<bool> fromEngine;
};

// One element per preference entry, in the store's order; nothing for an entry whose value is
// not a dictionary.
using CustomPaperPreferences = std::vector<std::optional<CustomPaperPreference>>;

using CustomPaperReader = CustomPaperPreferences (*)();

// The user's papers from the file above; empty when it is missing or unreadable.
CustomPaperPreferences userCustomPapers();

// The entries of a custom-papers file's text.
CustomPaperPreferences parseCustomPapers(std::string_view text);

// The file that `userCustomPapers` reads; empty when neither XDG_CONFIG_HOME nor HOME is set.
std::string customPapersPath();

// Installs the reader the core asks; null restores the default, which reads nothing.
void setCustomPaperReader(CustomPaperReader reader);

// Makes this process read the user's papers, as the print panel does.
void useUserCustomPapers();

// Asks the installed reader.
CustomPaperPreferences readCustomPapers();

}  // namespace pd
