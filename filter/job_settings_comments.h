// The two DSC comments that hand the settings record on to whatever reads the job after the
// filter: the record itself and a self-describing description of its layout, both base64.
#pragma once

#include <string>
#include <string_view>

namespace pd {

struct PdCoreData;

// "%%TALVO-JobSettings: ..." with the record, then "%%TALVO-JobSettingsDescription: ..." with
// its layout. The record's passwords and relay-server entries are carried as zero bytes: the PJL
// header carries them encrypted, and the PostScript stream must not carry them in clear.
std::string buildJobSettingsComments(const PdCoreData& record);

// One comment of lines of at most 160 characters before their CR LF: "%%" key ": " and the
// first piece of value, then "%%+ " and 156 characters per line. A value that fills its last
// line exactly is followed by a bare "%%+ " line. An empty key gives no text.
std::string dscCommentLines(std::string_view key, std::string_view value);

}  // namespace pd
