#pragma once
// Another program holding a file open without sharing it, as a backup program or a virus
// scanner does for a moment: one helper per adapter.
#include <memory>
#include <string>

#include "ContractEnvironment.hpp"

namespace umbrix::contract {

class HeldFile {
public:
    virtual ~HeldFile() = default;  // lets go of the file
};

std::unique_ptr<HeldFile> holdOpen(ContractEnvironment& env, const std::string& path);

}  // namespace umbrix::contract
