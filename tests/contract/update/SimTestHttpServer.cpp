#include <set>

#include "TestHttpServer.hpp"
#include "sim/SimNetwork.hpp"

namespace umbrix::contract {

namespace {

class SimTestHttpServer final : public TestHttpServer {
public:
    explicit SimTestHttpServer(sim::SimNetwork& network) : network_(network) {}

    std::string url(std::string_view path) override {
        std::string address = "http://127.0.0.1:8080" + std::string(path);
        // Like a real server, any path that holds no file answers 404.
        if (published_.insert(address).second) network_.publishErrorPage(address, 404);
        return address;
    }
    void publish(std::string_view path, std::string bytes) override { network_.publish(url(path), std::move(bytes)); }
    int requests(std::string_view path) override { return network_.serverRequests(url(path)); }

private:
    sim::SimNetwork& network_;
    std::set<std::string> published_;
};

}  // namespace

std::unique_ptr<TestHttpServer> startTestHttpServer(ContractEnvironment& env) {
    return std::make_unique<SimTestHttpServer>(dynamic_cast<sim::SimNetwork&>(env.platform().network));
}

}  // namespace umbrix::contract
