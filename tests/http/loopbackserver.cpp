#include "loopbackserver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace vantrel::testing {

namespace {

// Polls in short steps so that a stopping server never waits long on a socket.
constexpr int step = 50;
// A client that sends no complete head within this time is dropped.
constexpr int headwait = 5000;

int boundsocket(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    where.sin_port = 0;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0) {
        throw std::runtime_error("cannot bind a loopback socket");
    }
    socklen_t size = sizeof where;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&where), &size);
    port = ntohs(where.sin_port);
    return fd;
}

bool readable(int fd) {
    pollfd one{fd, POLLIN, 0};
    return ::poll(&one, 1, step) > 0;
}

std::string readhead(int fd, const std::atomic<bool>& stopping) {
    std::string head;
    for (int waited = 0; waited < headwait && !stopping; waited += step) {
        if (!readable(fd)) {
            continue;
        }
        char buffer[4096];
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got <= 0) {
            break;
        }
        head.append(buffer, static_cast<std::size_t>(got));
        const std::size_t end = head.find("\r\n\r\n");
        if (end != std::string::npos) {
            head.resize(end + 2);
            break;
        }
    }
    return head;
}

std::string loopbackaddress(int port, const std::string& path) {
    return "http://127.0.0.1:" + std::to_string(port) + path;
}

} // namespace

void LoopbackServer::Connection::send(const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        // The client may hang up first (a cut body); that must not raise SIGPIPE.
        const ssize_t put = ::send(socket_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (put <= 0) {
            return;
        }
        sent += static_cast<std::size_t>(put);
    }
}

void LoopbackServer::Connection::holduntilstopped() {
    while (!stopping_) {
        ::usleep(step * 1000);
    }
}

LoopbackServer::LoopbackServer(Reply reply) : reply_(std::move(reply)) {
    listener_ = boundsocket(port_);
    ::listen(listener_, 8);
    thread_ = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer() {
    stopping_ = true;
    thread_.join();
    ::close(listener_);
}

std::string LoopbackServer::address(const std::string& path) const {
    return loopbackaddress(port_, path);
}

std::vector<std::string> LoopbackServer::heads() const {
    const std::lock_guard lock(mutex_);
    return heads_;
}

void LoopbackServer::serve() {
    while (!stopping_) {
        if (!readable(listener_)) {
            continue;
        }
        const int fd = ::accept(listener_, nullptr, nullptr);
        if (fd < 0) {
            continue;
        }
        Connection connection(fd, stopping_);
        connection.head = readhead(fd, stopping_);
        {
            const std::lock_guard lock(mutex_);
            heads_.push_back(connection.head);
        }
        reply_(connection);
        ::close(fd);
    }
}

RefusingPort::RefusingPort() {
    socket_ = boundsocket(port_);
}

RefusingPort::~RefusingPort() {
    ::close(socket_);
}

std::string RefusingPort::address(const std::string& path) const {
    return loopbackaddress(port_, path);
}

} // namespace vantrel::testing
