#include "kit/linux/http.h"

#include <curl/curl.h>

#include <algorithm>
#include <memory>
#include <string_view>

namespace vantrel {

namespace {

using Easy = std::unique_ptr<CURL, decltype(&curl_easy_cleanup)>;
using Headers = std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)>;

void startcurl() {
    // libcurl's global set-up is not thread-safe; doing it once here keeps it out of every
    // caller's way.
    static const bool started = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)started;
}

bool startswith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char lower, char c) {
               return lower == (c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
           });
}

bool secure(std::string_view address) {
    return startswith(address, "https://");
}

// Keeps the body up to the limit; returning less than was offered makes libcurl stop the read,
// and what was kept is the page.
std::size_t keep(char* data, std::size_t size, std::size_t count, void* user) {
    Bytes& body = *static_cast<Bytes*>(user);
    const std::size_t offered = size * count;
    const std::size_t taken = std::min(offered, CurlHttp::bodylimit - body.size());
    body.append(data, taken);
    return taken;
}

Headers requestheaders() {
    curl_slist* list = nullptr;
    list = curl_slist_append(list, "Accept: */*");
    // libcurl keeps no cache of its own; these ask every cache on the way (transparent proxies
    // included) for a fresh copy: Pragma for HTTP/1.0 caches, Cache-Control for newer ones.
    list = curl_slist_append(list, "Pragma: no-cache");
    list = curl_slist_append(list, "Cache-Control: no-cache");
    return Headers(list, curl_slist_free_all);
}

} // namespace

CurlHttp::CurlHttp(std::chrono::milliseconds budget) : left_(budget) {
    startcurl();
}

bool followable(const Text& from, const Text& to) {
    if (secure(from)) {
        return secure(to);
    }
    return secure(to) || startswith(to, "http://");
}

Bytes CurlHttp::get(const Text& address) {
    Bytes body;
    if (address.empty()) {
        return body;
    }
    Easy easy(curl_easy_init(), curl_easy_cleanup);
    if (!easy) {
        return body;
    }
    const Headers headers = requestheaders();
    CURL* const handle = easy.get();
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(handle, CURLOPT_USERAGENT,
                     "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
    // An empty proxy turns proxies off even when the environment names one.
    curl_easy_setopt(handle, CURLOPT_PROXY, "");
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(handle, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, keep);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
    // Redirects are followed here, one hop at a time, so that each hop can be checked.
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);

    Text current = address;
    for (int hop = 0;; ++hop) {
        body.clear();
        if (left_ <= std::chrono::milliseconds::zero()) {
            return body;
        }
        curl_easy_setopt(handle, CURLOPT_URL, current.c_str());
        curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(left_.count()));
        const auto began = std::chrono::steady_clock::now();
        const CURLcode result = curl_easy_perform(handle);
        left_ -=
            std::chrono::ceil<std::chrono::milliseconds>(std::chrono::steady_clock::now() - began);
        if (result != CURLE_OK) {
            return body; // the bytes so far: none when the body never began
        }
        long status = 0;
        char* next = nullptr;
        curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
        curl_easy_getinfo(handle, CURLINFO_REDIRECT_URL, &next);
        if (status < 300 || status > 399 || next == nullptr) {
            return body;
        }
        // A redirect not taken means the page was never reached.
        if (hop == redirectlimit || !followable(current, next)) {
            return {};
        }
        current = next;
    }
}

} // namespace vantrel
