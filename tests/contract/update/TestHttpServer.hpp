#pragma once
// An HTTP server on this machine for the download cases: files published by path, 404 with an
// HTML page for any other path.
#include <memory>
#include <string>
#include <string_view>

#include "ContractEnvironment.hpp"

namespace umbrix::contract {

class TestHttpServer {
public:
    virtual ~TestHttpServer() = default;
    // The address of `path` ("/downloads/...") on this server.
    virtual std::string url(std::string_view path) = 0;
    virtual void publish(std::string_view path, std::string bytes) = 0;
    // How many requests for `path` reached the server (a cached copy does not).
    virtual int requests(std::string_view path) = 0;
};

// Serves the downloads of `env`'s network port until it is destroyed.
std::unique_ptr<TestHttpServer> startTestHttpServer(ContractEnvironment& env);

// A new empty folder for the running test, inside the environment's scratch folder.
std::string folderForThisTest(ContractEnvironment& env);

// An address on this machine where nothing listens.
inline std::string unreachableUrl() { return "http://127.0.0.1:1/downloads/updates/QZ/versionchk.cfg"; }

}  // namespace umbrix::contract
