// The application's notification centre: observers register for a notification name, from one
// sender or any, and posting a notification runs the handlers of every matching observer at once,
// on the poster's thread, in the order they registered.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pd {

class NotificationCenter {
  public:
    using Handler = std::function<void(std::string_view name)>;

    // Registers handler for the notifications name from sender (any sender when null). observer
    // only identifies the registration for removeObserver.
    void addObserver(const void* observer, std::string_view name, const void* sender,
                     Handler handler);
    // Removes every registration of observer.
    void removeObserver(const void* observer);

    void post(std::string_view name, const void* sender);

  private:
    struct Registration {
        std::uint64_t id;
        const void* observer;
        std::string name;
        const void* sender;
        Handler handler;
    };
    std::vector<Registration> registrations_;
    std::uint64_t nextId_ = 1;
};

}  // namespace pd
