// The three idioms in which inserted PostScript talks to the printer through the dictionary
// TLQXFeatures in userdict: create it when missing, call a printer procedure only when it is
// defined, store or remove a key. Every inserted text uses these wordings and no other.
//
// prologueFlag belongs to the text being built: the first idiom made with a false flag carries the
// prologue that creates the dictionary, so each inserted text creates it before its first use.
#pragma once

#include <string>
#include <string_view>

namespace pd {

std::string featuresDictPrologue(bool& prologueFlag);

// Calls procedure when the dictionary holds it, with arguments (PostScript text) pushed before.
// An empty procedure gives no text and leaves the flag alone.
std::string featuresDictCallIfKnown(bool& prologueFlag, std::string_view procedure,
                                    std::string_view arguments);

// Stores value (PostScript text) under key; an empty value removes the key. An empty key, or a
// key or value that starts with NUL, gives no text and leaves the flag alone.
std::string featuresDictPut(bool& prologueFlag, std::string_view key, std::string_view value);

}  // namespace pd
