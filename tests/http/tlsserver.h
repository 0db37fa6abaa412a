// An https server on 127.0.0.1 with a certificate it signed itself, which no authority vouches
// for: a client that checks certificates must refuse it before sending its request.
#pragma once

#include <atomic>
#include <string>
#include <thread>

namespace vantrel::testing {

class SelfSignedServer {
  public:
    // Answers every request that gets through with this response.
    explicit SelfSignedServer(std::string response);
    ~SelfSignedServer();
    SelfSignedServer(const SelfSignedServer&) = delete;
    SelfSignedServer& operator=(const SelfSignedServer&) = delete;

    std::string address(const std::string& path) const;
    // Whether a request came through the encrypted connection.
    bool requested() const { return requested_; }

  private:
    void serve();

    std::string response_;
    int listener_ = -1;
    int port_ = 0;
    void* context_ = nullptr; // SSL_CTX
    std::atomic<bool> stopping_{false};
    std::atomic<bool> requested_{false};
    std::thread thread_;
};

} // namespace vantrel::testing
