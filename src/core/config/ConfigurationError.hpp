#pragma once
// Raised at start-up when the program cannot establish its own configuration, e.g. a version
// resource that is missing or not four numbers.
#include <stdexcept>

namespace umbrix::config {

struct ConfigurationError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace umbrix::config
