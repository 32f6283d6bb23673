#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"
#include "platform/IconPort.hpp"

namespace umbrix::contract {
namespace {

constexpr const char* kShell32 = "%SystemRoot%\\SYSTEM32\\shell32.dll";

class IconPortContract : public ::testing::Test {
protected:
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::IconPort& icons = env->platform().icons;
};

TEST_F(IconPortContract, TheSystemIconLibraryIsCountedAndItsIconsExtracted) {
    // The file name as the program stores it, with its environment variable.
    const int count = icons.iconCount(kShell32);
    ASSERT_GT(count, 3) << "icon 3 of shell32.dll is the program's default choice";
    auto icon = icons.extractIcon(kShell32, 3);
    ASSERT_TRUE(icon);
    EXPECT_GT(icon->width, 0);
    EXPECT_GT(icon->height, 0);
    EXPECT_TRUE(icons.extractIcon(kShell32, 0));
    EXPECT_TRUE(icons.extractIcon(kShell32, count - 1));
    EXPECT_FALSE(icons.extractIcon(kShell32, count)) << "one past the last icon";
}

TEST_F(IconPortContract, AFileWithoutIconsHasNoneToCountOrExtract) {
    const std::string missing = env->scratchFolder() + "\\gone.dll";
    EXPECT_EQ(icons.iconCount(missing), 0);
    EXPECT_FALSE(icons.extractIcon(missing, 0));
}

}  // namespace
}  // namespace umbrix::contract
