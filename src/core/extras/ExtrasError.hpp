#pragma once
// A failure that ends a run of the activation extras: the later steps of that run do not
// happen. Whoever runs the extras owns it (the program-wide handler drops it, into the log).
#include "common/SystemError.hpp"

namespace umbrix::extras {

class ExtrasError : public SystemError {
public:
    using SystemError::SystemError;
};

}  // namespace umbrix::extras
