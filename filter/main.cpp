// psfilter: the CUPS filter that turns a PostScript job and its options into the printer's
// PJL-framed PostScript stream.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "core/catalog/language.h"
#include "filter/filter_job.h"
#include "filter/termination.h"
#include "platform/measurement_system.h"

int main(int argc, char** argv) {
    // A closed output is a failed write, reported by the exit status, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    pd::catchTermination();
    // The filter asks nothing of the system it runs on: metric (so A4) and US English.
    pd::useFilterMeasurementSystem();
    pd::usePreferredLanguagesOfFilter();
    return pd::runPsfilter(argc, argv, std::getenv("PPD"), stdin, STDOUT_FILENO,
                           pd::terminationFlag());
}
