#include "http/HttpRequest.h"

#include <curl/curl.h>

#include <memory>
#include <vector>

#include "http/HttpText.h"

namespace quorvane {

namespace {

constexpr const char* kVerbs[] = {"GET",     "POST",   "HEAD",  "PUT",
                                  "OPTIONS", "DELETE", "TRACE", "CONNECT"};

int Clamped(int method) { return method < 0 || method > 7 ? 0 : method; }

bool Has(const std::string& text, const char* name) {
  return FindText(text, name, 0, /*ignoreCase=*/true) != std::string::npos;
}

struct Exchange {
  std::string body;
  std::string headers;  // the last response's header block, as received
  bool capped = false;
};

size_t OnBody(char* data, size_t size, size_t count, void* user) {
  auto* exchange = static_cast<Exchange*>(user);
  const size_t bytes = size * count;
  const size_t room = kMaxResponseBody - exchange->body.size();
  exchange->body.append(data, std::min(bytes, room));
  if (bytes > room) {
    exchange->capped = true;
    return 0;  // ends the transfer; what was read is kept
  }
  return bytes;
}

size_t OnHeader(char* data, size_t size, size_t count, void* user) {
  auto* exchange = static_cast<Exchange*>(user);
  const std::string_view line(data, size * count);
  // Each response of a redirect chain starts anew: the last one's headers are the answer's.
  if (line.starts_with("HTTP/")) exchange->headers.clear();
  exchange->headers.append(line);
  return size * count;
}

struct CurlDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct ListDeleter {
  void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// libcurl's process-wide set-up, once, before the first handle.
void EnsureCurlReady() {
  static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  (void)ready;
}

}  // namespace

std::string AgentOf(const std::string& headers) {
  if (!Has(headers, "User-Agent:")) return kDefaultUserAgent;
  std::string agent = TrimSpaces(TextBetween(headers + "\r\n", "User-Agent:", "\r\n"));
  if (agent.empty()) {
    const size_t colon = FindText(headers, ":");
    agent = TrimSpaces(colon == std::string::npos ? std::string() : headers.substr(colon + 1));
  }
  return agent;
}

std::string CompletedHeaders(const std::string& url, int method, const std::string& extraHeaders,
                             bool completeHeaders, bool normaliseHeaders) {
  std::string headers = normaliseHeaders ? NormaliseHeaderNames(extraHeaders) : extraHeaders;
  if (!completeHeaders) return headers;
  if (headers.empty()) headers = "Accept: */*";
  if (!Has(headers, "Accept:")) headers += "\r\nAccept: */*";
  if (!Has(headers, "Referer:")) headers += "\r\nReferer: " + url;
  if (!Has(headers, "Accept-Language:")) headers += "\r\nAccept-Language: zh-cn";
  if (Clamped(method) == 1 && !Has(headers, "Content-Type:")) {
    headers += "\r\nContent-Type: application/x-www-form-urlencoded";
  }
  return headers;
}

std::string HttpRequest(const std::string& url, int method, const std::string& postText,
                        std::string* cookies, std::string* returnedCookies,
                        const std::string& extraHeaders, std::string* returnedHeaders,
                        bool noRedirect, std::string* postBytes, const std::string& proxy,
                        bool mergeCookies, bool completeHeaders, bool normaliseHeaders,
                        bool socksProxy) {
  method = Clamped(method);
  const bool secure = FindText(url.substr(0, 8), "https://", 0, true) == 0;
  const std::string host = UrlHost(url, false);
  const int port = UrlPort(url);
  if (host.empty() || port < 0) return {};

  EnsureCurlReady();
  std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
  if (!curl) return {};
  CURL* c = curl.get();
  const std::string target = std::string(secure ? "https://" : "http://") + host +
                             (port > 0 ? ":" + std::to_string(port) : std::string()) + UrlPath(url);
  if (curl_easy_setopt(c, CURLOPT_URL, target.c_str()) != CURLE_OK) return {};
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, kConnectTimeoutMs);
  curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, kExchangeTimeoutMs);
  curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, noRedirect ? 0L : 1L);
  curl_easy_setopt(c, CURLOPT_MAXREDIRS, 20L);
  // Boards and test servers carry self-made certificates: certificate problems do not stop an
  // HTTPS exchange.
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 0L);
  curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 0L);
  // An explicit proxy setting, empty for direct: the environment's proxy variables are ignored.
  std::string proxyUrl;
  if (!proxy.empty()) proxyUrl = (socksProxy ? "socks4://" : "http://") + proxy;
  curl_easy_setopt(c, CURLOPT_PROXY, proxyUrl.c_str());

  std::string headers =
      CompletedHeaders(url, method, extraHeaders, completeHeaders, normaliseHeaders);
  const std::string agent = AgentOf(headers);
  curl_easy_setopt(c, CURLOPT_USERAGENT, agent.c_str());
  if (cookies && !cookies->empty()) {
    headers += FindText(*cookies, "Cookie:") == std::string::npos ? "\r\nCookie: " + *cookies
                                                                  : "\r\n" + *cookies;
  }
  std::vector<std::string> lines;
  for (size_t begin = 0; begin <= headers.size();) {
    const size_t end = FindText(headers, "\r\n", begin);
    std::string line =
        headers.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
    if (!line.empty()) lines.push_back(std::move(line));
    if (end == std::string::npos) break;
    begin = end + 2;
  }
  // Only what the caller's header text says: no Content-Type or Expect of the client's own.
  if (!Has(headers, "Content-Type:")) lines.emplace_back("Content-Type:");
  lines.emplace_back("Expect:");
  std::unique_ptr<curl_slist, ListDeleter> list;
  for (const std::string& line : lines) {
    curl_slist* longer = curl_slist_append(list.get(), line.c_str());
    if (!longer) return {};
    (void)list.release();
    list.reset(longer);
  }
  curl_easy_setopt(c, CURLOPT_HTTPHEADER, list.get());

  std::string ownBody;
  std::string* body = postBytes ? postBytes : &ownBody;
  if (method == 0) {
    curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
  } else if (method == 2) {
    curl_easy_setopt(c, CURLOPT_NOBODY, 1L);
  } else {
    curl_easy_setopt(c, CURLOPT_CUSTOMREQUEST, kVerbs[method]);
  }
  if (method != 0) {
    if (body->empty()) *body = postText;
    if (method != 2) {
      curl_easy_setopt(c, CURLOPT_POSTFIELDS, body->data());
      curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body->size()));
    }
  }

  Exchange exchange;
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, OnBody);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &exchange);
  curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, OnHeader);
  curl_easy_setopt(c, CURLOPT_HEADERDATA, &exchange);
  // The outcome is not looked at: a refused, unreachable or timed-out exchange ends with the
  // body read so far, usually none; an error page's body is a body like any other.
  curl_easy_perform(c);
  curl.reset();

  const std::string block = exchange.headers.size() < kResponseHeaderBuffer
                                ? exchange.headers
                                : std::string(kResponseHeaderBuffer, ' ');
  const std::string collected = CollectSetCookies(exchange.headers.empty() ? std::string() : block);
  if (returnedHeaders) {
    *returnedHeaders = exchange.headers.empty() ? std::string(kResponseHeaderBuffer, ' ') : block;
  }
  std::string newCookies = collected;
  if (mergeCookies && cookies) {
    newCookies = MergeCookieTexts(*cookies, collected);
    *cookies = newCookies;
  }
  if (returnedCookies) *returnedCookies = newCookies;
  return exchange.body;
}

}  // namespace quorvane
