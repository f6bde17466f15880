#include "dialog/notification_center.h"

#include <algorithm>

namespace pd {

void NotificationCenter::addObserver(const void* observer, std::string_view name,
                                     const void* sender, Handler handler) {
    registrations_.push_back(
        Registration{nextId_++, observer, std::string(name), sender, std::move(handler)});
}

void NotificationCenter::removeObserver(const void* observer) {
    std::erase_if(registrations_, [observer](const Registration& registration) {
        return registration.observer == observer;
    });
}

void NotificationCenter::post(std::string_view name, const void* sender) {
    // A handler may add or remove registrations: the matching ones are chosen first, and each is
    // run only while it is still registered.
    std::vector<std::uint64_t> matching;
    for (const Registration& registration : registrations_) {
        if (registration.name == name &&
            (registration.sender == nullptr || registration.sender == sender))
            matching.push_back(registration.id);
    }
    for (const std::uint64_t id : matching) {
        const auto found = std::find_if(registrations_.begin(), registrations_.end(),
                                        [id](const Registration& r) { return r.id == id; });
        if (found == registrations_.end()) continue;
        // A copy: the handler may remove its own registration.
        const Handler handler = found->handler;
        handler(name);
    }
}

}  // namespace pd
