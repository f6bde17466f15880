// A printer of the print dialog, as the host hands it to a plug-in; shared, as the platform
// retains it for as long as a holder keeps it.
#pragma once

#include <optional>
#include <string>

namespace pd {

struct Printer {
    // The printer's id (the queue name); nullopt when the printer has none.
    std::optional<std::string> id;
};

}  // namespace pd
