#include <gtest/gtest.h>

#include <string>

#include "config/BuiltIn.hpp"

namespace umbrix::config {
namespace {

// The reachability test pings the host while the files come from the addresses: a host
// changed in one place and not the other would make every check fail or ask the wrong server.
TEST(BuiltIn, TheFileAddressesLieOnTheUpdateServer) {
    const std::string server = "http://" + std::string(UpdateServerHost) + "/";
    EXPECT_EQ(std::string(VersionFileURL), server + "downloads/updates/QZ/versionchk.cfg");
    EXPECT_EQ(std::string(NewsFileURL), server + "downloads/updates/QZ/news.cfg");
}

}  // namespace
}  // namespace umbrix::config
