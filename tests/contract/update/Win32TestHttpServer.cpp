// A small HTTP/1.1 server on 127.0.0.1 and a free port, on a thread of the test program.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <atomic>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "TestHttpServer.hpp"

namespace umbrix::contract {

namespace {

class Win32TestHttpServer final : public TestHttpServer {
public:
    Win32TestHttpServer() {
        WSADATA data;
        if (WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("WSAStartup failed");
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;  // the system picks a free port
        int length = sizeof address;
        if (listener_ == INVALID_SOCKET ||
            bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            listen(listener_, SOMAXCONN) != 0 ||
            getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            const int error = WSAGetLastError();
            if (listener_ != INVALID_SOCKET) closesocket(listener_);
            WSACleanup();
            throw std::runtime_error("test HTTP server cannot listen: " + std::to_string(error));
        }
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }

    ~Win32TestHttpServer() override {
        stop_ = true;
        thread_.join();
        closesocket(listener_);
        WSACleanup();
    }

    std::string url(std::string_view path) override {
        return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
    }
    void publish(std::string_view path, std::string bytes) override {
        std::lock_guard lock(mutex_);
        files_[std::string(path)] = std::move(bytes);
    }
    int requests(std::string_view path) override {
        std::lock_guard lock(mutex_);
        auto it = requests_.find(std::string(path));
        return it == requests_.end() ? 0 : it->second;
    }

private:
    void serve() {
        while (!stop_) {
            fd_set ready;
            FD_ZERO(&ready);
            FD_SET(listener_, &ready);
            timeval wait{0, 50 * 1000};  // look at stop_ twenty times a second
            if (select(0, &ready, nullptr, nullptr, &wait) <= 0) continue;
            SOCKET client = accept(listener_, nullptr, nullptr);
            if (client == INVALID_SOCKET) continue;
            DWORD timeout = 5000;
            setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof timeout);
            answer(client);
            closesocket(client);
        }
    }

    void answer(SOCKET client) {
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos && request.size() < 64 * 1024) {
            int got = recv(client, buffer, sizeof buffer, 0);
            if (got <= 0) return;
            request.append(buffer, got);
        }
        // "GET /path HTTP/1.1"
        const std::size_t methodEnd = request.find(' ');
        const std::size_t pathEnd = request.find(' ', methodEnd + 1);
        if (methodEnd == std::string::npos || pathEnd == std::string::npos) return;
        const std::string method = request.substr(0, methodEnd);
        const std::string path = request.substr(methodEnd + 1, pathEnd - methodEnd - 1);

        std::string status = "200 OK";
        std::string type = "application/octet-stream";
        std::string body;
        {
            std::lock_guard lock(mutex_);
            ++requests_[path];
            auto file = files_.find(path);
            if (file != files_.end()) {
                body = file->second;
            } else {
                status = "404 Not Found";
                type = "text/html";
                body =
                    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\r\n<html><head><title>404 Not Found</title>"
                    "</head>\r\n<body><h1>Not Found</h1></body></html>\r\n";
            }
        }
        // Cacheable, as a plain file server would answer: a copy left in the URL cache could
        // be used for the next download unless it is removed.
        std::string response = "HTTP/1.1 " + status + "\r\nContent-Type: " + type +
                               "\r\nContent-Length: " + std::to_string(body.size()) +
                               "\r\nCache-Control: max-age=3600\r\nLast-Modified: Thu, 17 Jan 2019 00:00:00 GMT"
                               "\r\nConnection: close\r\n\r\n";
        if (method != "HEAD") response += body;
        for (std::size_t sent = 0; sent < response.size();) {
            int n = send(client, response.data() + sent, static_cast<int>(response.size() - sent), 0);
            if (n <= 0) return;
            sent += static_cast<std::size_t>(n);
        }
        shutdown(client, SD_SEND);
    }

    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex mutex_;
    std::map<std::string, std::string> files_;
    std::map<std::string, int> requests_;
};

}  // namespace

std::unique_ptr<TestHttpServer> startTestHttpServer(ContractEnvironment&) {
    return std::make_unique<Win32TestHttpServer>();
}

}  // namespace umbrix::contract
