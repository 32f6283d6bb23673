#include <gtest/gtest.h>

#include <stdexcept>

#include "TestHttpServer.hpp"

namespace umbrix::contract {

// Named after the test, so that no two tests of one run share files even when the
// environment hands out the same scratch folder twice.
std::string folderForThisTest(ContractEnvironment& env) {
    const std::string folder =
        env.scratchFolder() + "\\" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    if (!env.platform().files.createDirectory(folder)) throw std::runtime_error("cannot create " + folder);
    return folder;
}

}  // namespace umbrix::contract
