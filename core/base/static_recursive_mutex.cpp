#include "core/base/static_recursive_mutex.h"

#include <thread>

namespace pd {

void initStaticRecursiveMutex(StaticRecursiveMutex& mutex) {
    std::uint32_t expected = StaticRecursiveMutex::notCreated;
    if (mutex.state.compare_exchange_strong(expected, StaticRecursiveMutex::beingCreated)) {
        pthread_mutexattr_t attributes;
        pthread_mutexattr_init(&attributes);
        pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
        pthread_mutex_init(&mutex.handle, &attributes);
        pthread_mutexattr_destroy(&attributes);
        mutex.state.fetch_add(1);  // publishes the ready state after the mutex exists
        return;
    }
    // Creation takes a few instructions; yielding keeps a waiter from starving the creator.
    while (mutex.state.load() == StaticRecursiveMutex::beingCreated) std::this_thread::yield();
}

void StaticRecursiveMutex::lock() {
    if (state.load(std::memory_order_acquire) != ready) initStaticRecursiveMutex(*this);
    pthread_mutex_lock(&handle);
}

void StaticRecursiveMutex::unlock() {
    pthread_mutex_unlock(&handle);
}

bool StaticRecursiveMutex::try_lock() {
    if (state.load(std::memory_order_acquire) != ready) initStaticRecursiveMutex(*this);
    return pthread_mutex_trylock(&handle) == 0;
}

}  // namespace pd
