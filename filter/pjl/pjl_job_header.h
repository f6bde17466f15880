// The PJL job header: the SET lines that open a print job, built from a settings record.
//
// The header is the head (driver job id, code set, job type, user name, job name) followed by the
// lines of every header emitter, called in one fixed order; it holds nothing but "@PJL SET" lines,
// each ended by CR LF. psfilter calls it with no driver job id, job kind 1 and last flag 0, and
// frames the result itself.
#pragma once

#include <cstdint>
#include <string>

namespace pd {

struct PdCoreData;

// Any pointer may be null: a null driver job id (or an empty one) leaves out "DRIVERJOBID", a
// null user or job name leaves out its line, a null record leaves the head alone. The user name
// and the job name are written as valid UTF-8 (a name that is not has every byte of 0x80 and
// above written as '?'), each cut to at most 240 bytes without splitting a character.
// Never empty: "STRINGCODESET" and "QXCOETYPE" are always there.
//
// One failure is reported, by an exception: when the record holds a secret that the header
// carries encrypted (a hold, PDF, authentication or account password, a relay-server field)
// and the cipher cannot run, PjlEncryptionUnavailable (pjl_password.h) is thrown and no
// header is returned, so that the caller fails the job rather than send it without its secret.
// Everything else that is missing or unusable only leaves out the lines that depend on it.
std::string buildPjlJobHeader(const PdCoreData* record, const char* jobName, const char* userName,
                              const char* driverJobId, std::uint32_t jobKind,
                              std::uint32_t lastFlag);

}  // namespace pd
