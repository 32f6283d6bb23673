#pragma once
// A folder of the current test's own. The environment's scratch folder can be shared by the tests
// of one run, so each settings case works in a subfolder named after itself.
#include <gtest/gtest.h>

#include <string>

#include "ContractEnvironment.hpp"

namespace umbrix::contract {

inline std::string folderOfThisTest(ContractEnvironment& env, platform::FilePort& files) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string folder = env.scratchFolder() + "\\" + test->test_suite_name() + "." + test->name();
    EXPECT_TRUE(files.createDirectory(folder)) << folder;
    return folder;
}

}  // namespace umbrix::contract
