#include "filter/termination.h"

namespace pd {
namespace {

// Written only by the signal handler; the filter is single-threaded.
volatile std::sig_atomic_t terminationRequested = 0;

void onTermination(int) {
    terminationRequested = 1;
}

}  // namespace

void catchTermination() {
    struct sigaction action {};
    action.sa_handler = onTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART
    sigaction(SIGTERM, &action, nullptr);
}

const volatile std::sig_atomic_t* terminationFlag() {
    return &terminationRequested;
}

}  // namespace pd
