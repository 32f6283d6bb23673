#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"
#include "platform/IconFilePort.hpp"

namespace umbrix::contract {
namespace {

constexpr const char* kShell32 = "%SystemRoot%\\SYSTEM32\\shell32.dll";

class IconFilePortContract : public ::testing::Test {
protected:
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::IconFilePort& iconFiles = env->platform().iconFiles;
};

TEST_F(IconFilePortContract, TheSystemIconLibraryIsCountedAndItsIconsExtracted) {
    // The file name as the program stores it, with its environment variable.
    const int count = iconFiles.iconCount(kShell32);
    ASSERT_GT(count, 3) << "icon 3 of shell32.dll is the program's default choice";
    auto icon = iconFiles.extractIcon(kShell32, 3);
    ASSERT_TRUE(icon);
    EXPECT_GT(icon->width, 0);
    EXPECT_GT(icon->height, 0);
    EXPECT_TRUE(iconFiles.extractIcon(kShell32, 0));
    EXPECT_TRUE(iconFiles.extractIcon(kShell32, count - 1));
    EXPECT_FALSE(iconFiles.extractIcon(kShell32, count)) << "one past the last icon";
}

TEST_F(IconFilePortContract, AFileWithoutIconsHasNoneToCountOrExtract) {
    const std::string missing = env->scratchFolder() + "\\gone.dll";
    EXPECT_EQ(iconFiles.iconCount(missing), 0);
    EXPECT_FALSE(iconFiles.extractIcon(missing, 0));
}

}  // namespace
}  // namespace umbrix::contract
