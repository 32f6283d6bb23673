#include <gtest/gtest.h>

#include "ContractEnvironment.hpp"
#include "TestHttpServer.hpp"

namespace umbrix::contract {
namespace {

class NetworkPortContract : public ::testing::Test {
protected:
    std::unique_ptr<ContractEnvironment> env = makeEnvironment();
    platform::NetworkPort& network = env->platform().network;
    platform::FilePort& files = env->platform().files;
    std::string folder = folderForThisTest(*env);
    std::unique_ptr<TestHttpServer> server = startTestHttpServer(*env);
};

TEST_F(NetworkPortContract, ADownloadSavesExactlyWhatTheServerSent) {
    const std::string bytes("7.1.1.99\r\n\0binary\xFF\n", 19);
    server->publish("/downloads/file.bin", bytes);
    const std::string path = folder + "\\file.bin";
    ASSERT_TRUE(files.writeFileThrough(path, std::string(100, 'o')));  // an older, longer file

    const auto result = network.downloadToFile(server->url("/downloads/file.bin"), path);
    ASSERT_TRUE(result) << std::hex << result.hresult;
    EXPECT_EQ(files.readFile(path), bytes);
    EXPECT_EQ(server->requests("/downloads/file.bin"), 1);
}

TEST_F(NetworkPortContract, DownloadsFailWhenNothingAnswersOrTheFileCannotBeWritten) {
    const std::string path = folder + "\\versionchk.cfg";
    EXPECT_FALSE(network.downloadToFile(unreachableUrl(), path));
    EXPECT_FALSE(files.fileExists(path));
    ASSERT_TRUE(files.writeFileThrough(path, "from an earlier check"));
    EXPECT_FALSE(network.downloadToFile(unreachableUrl(), path));
    EXPECT_EQ(files.readFile(path), "from an earlier check");

    server->publish("/downloads/file.bin", "content");
    EXPECT_FALSE(network.downloadToFile(server->url("/downloads/file.bin"), folder + "\\missing\\file.bin"));
    EXPECT_FALSE(files.directoryExists(folder + "\\missing"));
}

TEST_F(NetworkPortContract, AfterRemovalFromTheCacheTheNextDownloadAsksTheServer) {
    const std::string url = server->url("/downloads/updates/QZ/versionchk.cfg");
    const std::string path = folder + "\\versionchk.cfg";
    EXPECT_FALSE(network.removeFromUrlCache(url)) << "nothing was fetched from there yet";

    server->publish("/downloads/updates/QZ/versionchk.cfg", "first");
    ASSERT_TRUE(network.downloadToFile(url, path));
    EXPECT_EQ(files.readFile(path), "first");

    server->publish("/downloads/updates/QZ/versionchk.cfg", "second");
    EXPECT_TRUE(network.removeFromUrlCache(url)) << "the download left a copy in the cache";
    EXPECT_FALSE(network.removeFromUrlCache(url));
    ASSERT_TRUE(network.downloadToFile(url, path));
    EXPECT_EQ(files.readFile(path), "second");
    EXPECT_EQ(server->requests("/downloads/updates/QZ/versionchk.cfg"), 2);
}

}  // namespace
}  // namespace umbrix::contract
