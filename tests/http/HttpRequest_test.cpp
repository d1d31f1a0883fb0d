// The request routine against HTTP servers on loopback that the tests make, inside a private
// network namespace.
#include "http/HttpRequest.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <thread>

#include "tests/support/RawHttpServer.h"

namespace quorvane {
namespace {

// A cpp-httplib server on an ephemeral loopback port, listening when constructed.
class LocalServer {
 public:
  LocalServer() {
    server.Get("/hello", [](const httplib::Request&, httplib::Response& r) {
      r.set_content("hello", "text/plain");
    });
    server.Get("/missing", [](const httplib::Request&, httplib::Response& r) {
      r.status = 404;
      r.set_content("no such page", "text/plain");
    });
    server.Get("/moved",
               [](const httplib::Request&, httplib::Response& r) { r.set_redirect("/hello"); });
    server.Get("/huge", [](const httplib::Request&, httplib::Response& r) {
      const size_t total = size_t{64} << 20;
      r.set_content_provider(total, "application/octet-stream",
                             [](size_t offset, size_t length, httplib::DataSink& sink) {
                               static const std::string chunk(64 * 1024, 'z');
                               (void)offset;
                               sink.write(chunk.data(), std::min(length, chunk.size()));
                               return true;
                             });
    });
    auto echo = [this](const httplib::Request& request, httplib::Response& r) {
      {
        std::lock_guard lock(mutex);
        seen.push_back(request);
      }
      r.set_content(request.method + ":" + request.body, "text/plain");
    };
    server.Post("/echo", echo);
    server.Put("/echo", echo);
    server.Delete("/echo", echo);
    server.Options("/echo", echo);
    server.Get("/echo", echo);
    port = server.bind_to_any_port("127.0.0.1");
    thread = std::thread([this] { server.listen_after_bind(); });
    while (!server.is_running()) std::this_thread::yield();
  }
  ~LocalServer() {
    server.stop();
    thread.join();
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port) + path;
  }
  std::vector<httplib::Request> Seen() {
    std::lock_guard lock(mutex);
    return seen;
  }

  httplib::Server server;
  int port = 0;
  std::thread thread;
  std::mutex mutex;
  std::vector<httplib::Request> seen;
};

TEST(HttpRequest, PlainGetSendsExactlyTheseHeaders) {
  RawHttpServer raw("HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok");
  const std::string url = raw.Url("/?command=c1");
  std::string headers = "caller's";
  EXPECT_EQ(HttpRequest(url, 0, "not sent", nullptr, nullptr, {}, &headers), "ok");
  ASSERT_EQ(raw.Requests().size(), 1u);
  const std::string host = "127.0.0.1:" + std::to_string(raw.Port());
  EXPECT_EQ(raw.Requests()[0],
            "GET /?command=c1 HTTP/1.1\r\n"
            "Host: " +
                host +
                "\r\n"
                "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)\r\n"
                "Accept: */*\r\n"
                "Referer: " +
                url +
                "\r\n"
                "Accept-Language: zh-cn\r\n"
                "\r\n");
  EXPECT_EQ(headers, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\n");
}

TEST(HttpRequest, DefaultHeadersComeOnlyWhereTheCallerHasNone) {
  struct Case {
    const char* extra;
    bool normalise;
    const char* expected;
  } cases[] = {
      {"accept: text/html", true, "Accept: text/html\r\nReferer: U\r\nAccept-Language: zh-cn"},
      {"user-agent: x", true,
       "User-Agent: x\r\nAccept: */*\r\nReferer: U\r\nAccept-Language: zh-cn"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.extra);
    EXPECT_EQ(CompletedHeaders("U", 0, c.extra, true, c.normalise), c.expected);
  }
  EXPECT_EQ(CompletedHeaders("U", 1, "", true, true),
            "Accept: */*\r\nReferer: U\r\nAccept-Language: zh-cn\r\n"
            "Content-Type: application/x-www-form-urlencoded");
  EXPECT_EQ(CompletedHeaders("U", 0, "x-a: 1", false, true), "X-A: 1");
  EXPECT_EQ(AgentOf("User-Agent: x"), "x");
  EXPECT_EQ(AgentOf("user-agent: x"), "x");  // not normalised: the text after the first ":"
  EXPECT_EQ(AgentOf("Accept: */*"), kDefaultUserAgent);

  RawHttpServer raw("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n");
  HttpRequest(raw.Url("/"), 0, {}, nullptr, nullptr, "user-agent: tool 1.0");
  ASSERT_EQ(raw.Requests().size(), 1u);
  EXPECT_NE(raw.Requests()[0].find("\r\nUser-Agent: tool 1.0\r\n"), std::string::npos);
  EXPECT_EQ(raw.Requests()[0].find("Mozilla"), std::string::npos);
}

TEST(HttpRequest, MethodsAndBodies) {
  LocalServer server;
  struct Case {
    int method;
    const char* verb;
    const char* contentType;  // nullptr: none sent
  } cases[] = {
      {-1, "GET", nullptr},
      {8, "GET", nullptr},
      {1, "POST", "application/x-www-form-urlencoded"},
      {3, "PUT", nullptr},
      {5, "DELETE", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.method);
    std::string postBytes;
    const std::string body = HttpRequest(server.Url("/echo"), c.method, "a=1&b=2", nullptr, nullptr,
                                         {}, nullptr, false, &postBytes);
    ASSERT_FALSE(server.Seen().empty());
    const httplib::Request seen = server.Seen().back();
    EXPECT_EQ(seen.method, c.verb);
    const bool get = std::string(c.verb) == "GET";
    EXPECT_EQ(seen.body, get ? "" : "a=1&b=2");
    EXPECT_EQ(body, std::string(c.verb) + ":" + (get ? "" : "a=1&b=2"));
    EXPECT_EQ(postBytes, get ? "" : "a=1&b=2");  // the caller's byte body takes the form text
    EXPECT_EQ(seen.has_header("Content-Type"), c.contentType != nullptr);
    if (c.contentType) {
      EXPECT_EQ(seen.get_header_value("Content-Type"), c.contentType);
    }
  }
  std::string bytes = "raw";
  HttpRequest(server.Url("/echo"), 3, "form", nullptr, nullptr, {}, nullptr, false, &bytes);
  EXPECT_EQ(server.Seen().back().body, "raw");  // bytes win over the form text
}

TEST(HttpRequest, AnswersOfEveryKind) {
  LocalServer server;
  EXPECT_EQ(HttpRequest(server.Url("/missing")), "no such page");  // the status is not judged
  EXPECT_EQ(HttpRequest(server.Url("/hello"), 2), "");             // HEAD: no body
  EXPECT_EQ(HttpRequest(server.Url("/moved")), "hello");
  std::string headers;
  EXPECT_EQ(HttpRequest(server.Url("/moved"), 0, {}, nullptr, nullptr, {}, &headers, true), "");
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 302")) << headers;
  const std::string huge = HttpRequest(server.Url("/huge"));
  EXPECT_EQ(huge.size(), kMaxResponseBody);
  EXPECT_EQ(huge.find_first_not_of('z'), std::string::npos);
}

TEST(HttpRequest, CookiesGoOutAndComeBackMerged) {
  RawHttpServer raw(
      "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: d=deleted\r\n"
      "set-cookie: c=3\r\nContent-Length: 0\r\n\r\n");
  std::string cookies = "a=0; c=5; d=9";
  std::string returned;
  HttpRequest(raw.Url("/"), 0, {}, &cookies, &returned);
  ASSERT_EQ(raw.Requests().size(), 1u);
  EXPECT_NE(raw.Requests()[0].find("\r\nCookie: a=0; c=5; d=9\r\n"), std::string::npos);
  EXPECT_EQ(cookies, "a=1; c=5");
  EXPECT_EQ(returned, "a=1; c=5");

  std::string plain;
  std::string unmerged = "x=1";
  HttpRequest(raw.Url("/"), 0, {}, &unmerged, &plain, {}, nullptr, false, nullptr, {}, false);
  EXPECT_EQ(plain, "a=1; d=deleted");  // "set-cookie" in lower case is not collected
  EXPECT_EQ(unmerged, "x=1");
}

TEST(HttpRequest, LongHeaderBlocksAreNotCaptured) {
  RawHttpServer raw("HTTP/1.1 200 OK\r\nX-Long: " + std::string(5000, 'h') +
                    "\r\nSet-Cookie: a=1\r\nContent-Length: 1\r\n\r\nb");
  std::string headers;
  std::string cookies;
  EXPECT_EQ(HttpRequest(raw.Url("/"), 0, {}, nullptr, &cookies, {}, &headers), "b");
  EXPECT_EQ(headers, std::string(5000, ' '));
  EXPECT_EQ(cookies, "");
}

TEST(HttpRequest, FailuresGiveAnEmptyBody) {
  int closedPort = 0;
  {
    RawHttpServer gone("");
    closedPort = gone.Port();
  }
  std::string headers = "kept";
  std::string cookies = "kept";
  std::string postBytes;
  EXPECT_EQ(HttpRequest("http://127.0.0.1:" + std::to_string(closedPort) + "/", 0, {}, nullptr,
                        &cookies, {}, &headers),
            "");
  EXPECT_EQ(headers, std::string(5000, ' '));  // refused: no answer
  EXPECT_EQ(cookies, "");

  // Nothing to connect to: the outputs stay as the caller had them.
  headers = cookies = "kept";
  postBytes = "";
  EXPECT_EQ(HttpRequest("http://127.0.0.1:99999/", 1, "form", nullptr, &cookies, {}, &headers,
                        false, &postBytes),
            "");
  EXPECT_EQ(headers, "kept");
  EXPECT_EQ(cookies, "kept");
  EXPECT_EQ(postBytes, "");
}

}  // namespace
}  // namespace quorvane
