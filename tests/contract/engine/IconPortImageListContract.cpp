#include <gtest/gtest.h>

#include "DesktopProbe.hpp"

namespace umbrix::contract {
namespace {

TEST(IconPortImageListContract, ANewListHoldsTheNeutralIconAndTakesTheIconsOfFiles) {
    auto env = makeEnvironment();
    platform::Platform ports = env->platform();
    auto probe = startProbe(*env, {{"Umbrix probe icon"}});
    const auto path = ports.processes.processImagePath(probe->processId());
    ASSERT_TRUE(path.has_value());

    const platform::ImageListId list = ports.icons.createImageList();
    EXPECT_EQ(ports.icons.imageCount(list), 1);
    EXPECT_EQ(ports.icons.addSmallFileIcon(list, *path), 1);
    EXPECT_EQ(ports.icons.addSmallFileIcon(list, *path), 2);  // each call adds a copy
    EXPECT_EQ(ports.icons.addSmallFileIcon(list, env->scratchFolder() + "\\missing.exe"), std::nullopt);
    EXPECT_EQ(ports.icons.addSmallFileIcon(list, ""), std::nullopt);
    EXPECT_EQ(ports.icons.imageCount(list), 3);
    EXPECT_EQ(ports.icons.imageCount(platform::ImageListId{}), 0);
}

}  // namespace
}  // namespace umbrix::contract
