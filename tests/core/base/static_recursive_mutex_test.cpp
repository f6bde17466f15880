#include "core/base/static_recursive_mutex.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace pd {
namespace {

constinit StaticRecursiveMutex sharedMutex;

TEST(StaticRecursiveMutex, IsCreatedOnceAndIsRecursive) {
    StaticRecursiveMutex mutex;
    initStaticRecursiveMutex(mutex);
    EXPECT_EQ(StaticRecursiveMutex::ready, mutex.state.load());
    initStaticRecursiveMutex(mutex);
    EXPECT_EQ(StaticRecursiveMutex::ready, mutex.state.load());

    std::lock_guard outer(mutex);
    std::lock_guard inner(mutex);  // the same thread may lock again
    bool otherThreadGotIt = true;
    std::thread([&] { otherThreadGotIt = mutex.try_lock(); }).join();
    EXPECT_FALSE(otherThreadGotIt);
}

TEST(StaticRecursiveMutex, WaiterSpinsUntilTheCreatorPublishesReady) {
    StaticRecursiveMutex mutex;
    mutex.state = StaticRecursiveMutex::beingCreated;  // as if another thread were creating it
    std::atomic<bool> returned = false;
    std::thread waiter([&] {
        initStaticRecursiveMutex(mutex);
        returned = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(returned.load());

    pthread_mutexattr_t attributes;
    pthread_mutexattr_init(&attributes);
    pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
    pthread_mutex_init(&mutex.handle, &attributes);
    pthread_mutexattr_destroy(&attributes);
    mutex.state = StaticRecursiveMutex::ready;
    waiter.join();
    EXPECT_TRUE(returned.load());
    EXPECT_EQ(StaticRecursiveMutex::ready, mutex.state.load());
}

TEST(StaticRecursiveMutex, FirstLockFromManyThreadsCreatesItAndExcludes) {
    int counter = 0;
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 10'000; ++i) {
                std::lock_guard lock(sharedMutex);
                ++counter;
            }
        });
    }
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(80'000, counter);
    EXPECT_EQ(StaticRecursiveMutex::ready, sharedMutex.state.load());
}

}  // namespace
}  // namespace pd
