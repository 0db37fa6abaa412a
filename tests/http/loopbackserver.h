// A small HTTP server on 127.0.0.1 for the client's tests: it takes one connection at a time,
// keeps every request head it receives and lets the test decide what to send back.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vantrel::testing {

class LoopbackServer {
  public:
    class Connection {
      public:
        Connection(int socket, const std::atomic<bool>& stopping)
            : socket_(socket), stopping_(stopping) {}
        // The request line and headers, up to the empty line.
        std::string head;
        void send(const std::string& bytes);
        // Keeps the connection open and silent until the server stops.
        void holduntilstopped();

      private:
        int socket_;
        const std::atomic<bool>& stopping_;
    };
    using Reply = std::function<void(Connection&)>;

    explicit LoopbackServer(Reply reply);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    // "http://127.0.0.1:PORT" followed by the path.
    std::string address(const std::string& path) const;
    std::vector<std::string> heads() const;

  private:
    void serve();

    Reply reply_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> heads_;
    std::thread thread_;
};

// A port on 127.0.0.1 that is bound but not listening, so every connection to it is refused.
class RefusingPort {
  public:
    RefusingPort();
    ~RefusingPort();
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;
    std::string address(const std::string& path) const;

  private:
    int socket_ = -1;
    int port_ = 0;
};

} // namespace vantrel::testing
