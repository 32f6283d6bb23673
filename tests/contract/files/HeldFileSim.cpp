#include "HeldFile.hpp"
#include "sim/SimFileSystem.hpp"

namespace umbrix::contract {

namespace {

class SimHeldFile final : public HeldFile {
public:
    SimHeldFile(sim::SimFileSystem& files, std::string path) : files_(files), path_(std::move(path)) {
        files_.holdOpen(path_);
    }
    ~SimHeldFile() override { files_.holdOpen(path_, false); }

private:
    sim::SimFileSystem& files_;
    std::string path_;
};

}  // namespace

std::unique_ptr<HeldFile> holdOpen(ContractEnvironment& env, const std::string& path) {
    return std::make_unique<SimHeldFile>(dynamic_cast<sim::SimFileSystem&>(env.platform().files), path);
}

}  // namespace umbrix::contract
