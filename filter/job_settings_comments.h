// The two DSC comments that hand the settings record on to whatever reads the job after the
// filter: the record itself and a self-describing description of its layout, both base64.
#pragma once

#include <string_view>

namespace pd {

class JobOutput;
struct PdCoreData;

// Writes "%%TALVO-JobSettings: ..." with the record, then "%%TALVO-JobSettingsDescription: ..."
// with its layout, a few kilobytes at a time, sending what output holds as they go: neither a
// copy of the record nor the whole text is ever made. The record's passwords and relay-server
// entries are carried as zero bytes: the PJL header carries them encrypted, and the PostScript
// stream must not carry them in clear.
void writeJobSettingsComments(JobOutput& output, const PdCoreData& record);

// Writes one comment of lines of at most 160 characters before their CR LF: "%%" key ": " and
// the first piece of value, then "%%+ " and 156 characters per line. A value that fills its last
// line exactly is followed by a bare "%%+ " line. An empty key gives no text.
void writeDscCommentLines(JobOutput& output, std::string_view key, std::string_view value);

}  // namespace pd
