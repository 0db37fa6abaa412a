#include "kit/linux/http.h"
#include "loopbackserver.h"
#include "tlsserver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>

namespace vantrel {
namespace {

using testing::LoopbackServer;
using testing::RefusingPort;
using namespace std::chrono_literals;

struct Request {
    std::string line;
    std::map<std::string, std::string> headers; // names in lower case
};

Request parse(const std::string& head) {
    Request request;
    std::istringstream lines(head);
    std::getline(lines, request.line);
    request.line.pop_back(); // CR
    for (std::string line; std::getline(lines, line) && line.size() > 1;) {
        line.pop_back();
        const std::size_t colon = line.find(':');
        std::string name = line.substr(0, colon);
        for (char& c : name) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        request.headers[name] = line.substr(line.find_first_not_of(' ', colon + 1));
    }
    return request;
}

LoopbackServer::Reply page(std::string response) {
    return [response](LoopbackServer::Connection& connection) { connection.send(response); };
}

class CurlHttpTest : public ::testing::Test {
  protected:
    // A proxy named in the environment must be ignored: this one refuses every connection.
    void SetUp() override {
        for (const char* name : {"http_proxy", "https_proxy", "all_proxy"}) {
            ::setenv(name, proxy.address("").c_str(), 1);
        }
    }
    void TearDown() override {
        for (const char* name : {"http_proxy", "https_proxy", "all_proxy"}) {
            ::unsetenv(name);
        }
    }
    RefusingPort proxy;
};

TEST_F(CurlHttpTest, ReadsThePageWithTheGamesOwnRequest) {
    const std::string body("version <\0\xff page", 16);
    LoopbackServer server(page("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + body));
    CurlHttp http;

    EXPECT_EQ(http.get(server.address("/version?a=1")), body);

    ASSERT_EQ(server.heads().size(), 1u);
    Request request = parse(server.heads()[0]);
    EXPECT_EQ(request.line, "GET /version?a=1 HTTP/1.0");
    EXPECT_EQ(request.headers["accept"], "*/*");
    EXPECT_EQ(request.headers["user-agent"], "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
    EXPECT_EQ(request.headers["pragma"], "no-cache");
    EXPECT_EQ(request.headers["cache-control"], "no-cache");
    EXPECT_EQ(request.headers.count("proxy-connection"), 0u);
}

TEST_F(CurlHttpTest, GivesAnErrorPagesBody) {
    LoopbackServer server(page("HTTP/1.0 404 Not Found\r\nContent-Length: 8\r\n\r\nnot here"));
    CurlHttp http;
    EXPECT_EQ(http.get(server.address("/missing")), "not here");
}

TEST_F(CurlHttpTest, GivesNothingWithoutAConnectionOrAnAddress) {
    LoopbackServer server(page("HTTP/1.0 200 OK\r\n\r\nfine"));
    CurlHttp http(1s);
    EXPECT_EQ(http.get(""), "");
    EXPECT_EQ(http.get("http://[::1"), "");
    EXPECT_EQ(http.get("ftp://127.0.0.1/"), "");
    EXPECT_EQ(http.get(proxy.address("/refused")), "");
    // None of these waited on anything, so the budget is still there for a real read.
    EXPECT_EQ(http.get(server.address("/")), "fine");
}

TEST_F(CurlHttpTest, ASilentServerUsesUpTheBudgetOfEveryLaterRead) {
    LoopbackServer silent([](LoopbackServer::Connection& c) { c.holduntilstopped(); });
    LoopbackServer answering(page("HTTP/1.0 200 OK\r\n\r\nfine"));
    CurlHttp http(1s);

    EXPECT_EQ(http.get(silent.address("/")), "");
    EXPECT_EQ(http.get(answering.address("/")), "");
    EXPECT_TRUE(answering.heads().empty());
}

TEST_F(CurlHttpTest, GivesTheBytesSoFarWhenTheBodyBreaksOff) {
    const std::string start(300, 'x');
    const std::string head = "HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n";
    struct Case {
        const char* name;
        LoopbackServer::Reply reply;
    };
    const Case cases[] = {
        {"connection cut", page(head + start)},
        {"server falls silent",
         [&](LoopbackServer::Connection& c) {
             c.send(head + start);
             c.holduntilstopped();
         }},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.name);
        LoopbackServer server(each.reply);
        CurlHttp http(1s);
        EXPECT_EQ(http.get(server.address("/")), start);
    }
}

TEST_F(CurlHttpTest, CutsALargeBodyAtOneMebibyte) {
    std::string body(CurlHttp::bodylimit + 4096, '\0');
    for (std::size_t i = 0; i < body.size(); ++i) {
        body[i] = static_cast<char>('a' + i % 26);
    }
    LoopbackServer server(page("HTTP/1.0 200 OK\r\n\r\n" + body));
    CurlHttp http;
    EXPECT_EQ(http.get(server.address("/")), body.substr(0, CurlHttp::bodylimit));
}

TEST_F(CurlHttpTest, RefusesAServerWhoseCertificateNobodyVouchesFor) {
    testing::SelfSignedServer server("HTTP/1.0 200 OK\r\n\r\nsecret");
    CurlHttp http;
    EXPECT_EQ(http.get(server.address("/")), "");
    EXPECT_FALSE(server.requested());
}

// Serves /hopN as a redirect to /hop(N-1), and /hop0 as the page.
LoopbackServer::Reply redirects() {
    return [](LoopbackServer::Connection& c) {
        const std::size_t at = c.head.find("/hop") + 4;
        const int hop = std::atoi(c.head.c_str() + at);
        if (hop == 0) {
            c.send("HTTP/1.0 200 OK\r\n\r\narrived");
        } else {
            c.send("HTTP/1.0 302 Found\r\nLocation: /hop" + std::to_string(hop - 1) +
                   "\r\n\r\nmoved");
        }
    };
}

TEST_F(CurlHttpTest, FollowsAtMostFiveRedirects) {
    LoopbackServer server(redirects());
    CurlHttp http;
    EXPECT_EQ(http.get(server.address("/hop5")), "arrived");
    EXPECT_EQ(server.heads().size(), 6u);
    for (const std::string& head : server.heads()) {
        EXPECT_EQ(parse(head).line.substr(0, 4), "GET ");
        EXPECT_EQ(parse(head).headers["user-agent"].substr(0, 11), "Mozilla/4.0");
    }
    EXPECT_EQ(http.get(server.address("/hop6")), "");
    EXPECT_EQ(server.heads().size(), 12u);
}

TEST(Followable, NeverLeavesHttps) {
    struct Case {
        const char* from;
        const char* to;
        bool followed;
    };
    const Case cases[] = {
        {"http://a/", "http://b/", true},           {"http://a/", "https://b/", true},
        {"https://a/", "https://b/", true},         {"HTTPS://a/", "http://a/", false},
        {"https://a/", "HTTP://a/", false},         {"https://a/", "ftp://a/", false},
        {"http://a/", "file:///etc/passwd", false},
    };
    for (const Case& each : cases) {
        EXPECT_EQ(followable(each.from, each.to), each.followed) << each.from << " " << each.to;
    }
}

} // namespace
} // namespace vantrel
