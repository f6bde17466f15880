// The cancel of a job: CUPS sends SIGTERM to its filters. psfilter then stops reading, lets the
// line in progress out and closes the job's PJL frame, rather than dying mid-line and leaving the
// printer waiting inside an open job.
#pragma once

#include <csignal>

namespace pd {

// Installs the SIGTERM handler. It only sets the termination flag, and it does not restart an
// interrupted read, so that a filter blocked on its input notices the cancel at once.
void catchTermination();

// Set (non-zero) once SIGTERM has arrived.
const volatile std::sig_atomic_t* terminationFlag();

}  // namespace pd
