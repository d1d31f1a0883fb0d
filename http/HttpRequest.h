#pragma once

#include <cstddef>
#include <string>

namespace quorvane {

// The request methods by number; any other number is taken as GET.
enum class HttpMethod { Get = 0, Post, Head, Put, Options, Delete, Trace, Connect };

inline constexpr char kDefaultUserAgent[] = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";
// Larger answers are cut here: no board says this much, and a stranger's server must not be
// able to exhaust the tool's memory.
inline constexpr size_t kMaxResponseBody = 1 << 20;
inline constexpr long kConnectTimeoutMs = 3000;    // a board that is switched off
inline constexpr long kExchangeTimeoutMs = 10000;  // the whole call, at most
inline constexpr size_t kResponseHeaderBuffer = 5000;

// One complete HTTP or HTTPS exchange, synchronous: connect, send one request, read the body,
// collect headers and cookies, close. Texts are GBK bytes. Returns the body (at most
// kMaxResponseBody bytes; whatever was read when a time-out or failure ended the exchange).
// When the request cannot start (no usable URL, port or client), the body is empty and the
// outputs keep what the caller had in them.
//
// cookies: present (not null), even empty, it is sent and no cookie store is used; afterwards
//   it may be replaced by the merged cookie text.
// returnedHeaders: the raw response header block, or 5000 spaces when it does not fit or no
//   response came.
// postBytes: the body for every method but GET; when empty it takes the bytes of postText.
// proxy: "host:port", empty for a direct connection; socksProxy makes it a SOCKS proxy.
std::string HttpRequest(const std::string& url, int method = 0, const std::string& postText = {},
                        std::string* cookies = nullptr, std::string* returnedCookies = nullptr,
                        const std::string& extraHeaders = {},
                        std::string* returnedHeaders = nullptr, bool noRedirect = false,
                        std::string* postBytes = nullptr, const std::string& proxy = {},
                        bool mergeCookies = true, bool completeHeaders = true,
                        bool normaliseHeaders = true, bool socksProxy = false);

// The request header text the routine sends, before cookies: the caller's lines (names
// normalised when asked) completed with the defaults they lack.
std::string CompletedHeaders(const std::string& url, int method, const std::string& extraHeaders,
                             bool completeHeaders, bool normaliseHeaders);
// The agent: the header text's User-Agent value, else the default.
std::string AgentOf(const std::string& headers);

}  // namespace quorvane
