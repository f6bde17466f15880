// A process-wide recursive mutex that guards a value computed once per process.
//
// It is constant-initialised (declare it `constinit` at namespace scope) and created on first use
// or from a static initialiser, whichever comes first, so that code running during static
// initialisation of another unit can already lock it. It is never destroyed: the values it guards
// live until the process ends, and an exit handler of another unit may still take it.
#pragma once

#include <pthread.h>

#include <atomic>
#include <cstdint>

namespace pd {

struct StaticRecursiveMutex {
    // Creation states of the underlying mutex.
    static constexpr std::uint32_t notCreated = 0;
    static constexpr std::uint32_t beingCreated = 1;
    static constexpr std::uint32_t ready = 2;

    pthread_mutex_t handle{};
    std::atomic<std::uint32_t> state{notCreated};

    // BasicLockable, so that std::lock_guard and std::unique_lock work with it.
    void lock();
    void unlock();
    bool try_lock();
};

// Creates the mutex once; later calls, and calls that race with the creating thread, return only
// when the mutex is ready.
void initStaticRecursiveMutex(StaticRecursiveMutex& mutex);

}  // namespace pd
