#include "tlsserver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace vantrel::testing {

namespace {

SSL_CTX* selfsignedcontext() {
    EVP_PKEY* key = EVP_EC_gen("P-256");
    X509* certificate = X509_new();
    X509_set_version(certificate, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(certificate), 1);
    X509_gmtime_adj(X509_getm_notBefore(certificate), 0);
    X509_gmtime_adj(X509_getm_notAfter(certificate), 3600);
    X509_set_pubkey(certificate, key);
    X509_NAME* name = X509_get_subject_name(certificate);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                               reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
    X509_set_issuer_name(certificate, name);
    X509_sign(certificate, key, EVP_sha256());
    SSL_CTX* context = SSL_CTX_new(TLS_server_method());
    SSL_CTX_use_certificate(context, certificate);
    SSL_CTX_use_PrivateKey(context, key);
    X509_free(certificate);
    EVP_PKEY_free(key);
    return context;
}

} // namespace

SelfSignedServer::SelfSignedServer(std::string response) : response_(std::move(response)) {
    context_ = selfsignedcontext();
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 ||
        ::listen(listener_, 4) != 0) {
        throw std::runtime_error("cannot listen on loopback");
    }
    socklen_t size = sizeof where;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&where), &size);
    port_ = ntohs(where.sin_port);
    thread_ = std::thread([this] { serve(); });
}

SelfSignedServer::~SelfSignedServer() {
    stopping_ = true;
    thread_.join();
    ::close(listener_);
    SSL_CTX_free(static_cast<SSL_CTX*>(context_));
}

std::string SelfSignedServer::address(const std::string& path) const {
    return "https://127.0.0.1:" + std::to_string(port_) + path;
}

void SelfSignedServer::serve() {
    while (!stopping_) {
        pollfd one{listener_, POLLIN, 0};
        if (::poll(&one, 1, 50) <= 0) {
            continue;
        }
        const int fd = ::accept(listener_, nullptr, nullptr);
        if (fd < 0) {
            continue;
        }
        // A client that stalls cannot hold the server past these limits.
        const timeval limit{5, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
        SSL* ssl = SSL_new(static_cast<SSL_CTX*>(context_));
        SSL_set_fd(ssl, fd);
        char buffer[4096];
        if (SSL_accept(ssl) == 1 && SSL_read(ssl, buffer, sizeof buffer) > 0) {
            requested_ = true;
            SSL_write(ssl, response_.data(), static_cast<int>(response_.size()));
            SSL_shutdown(ssl);
        }
        SSL_free(ssl);
        ::close(fd);
    }
}

} // namespace vantrel::testing
