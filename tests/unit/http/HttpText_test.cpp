#include "http/HttpText.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(UrlParts, HostPortAndPath) {
  struct Case {
    const char* url;
    const char* host;
    const char* hostWithPort;
    int port;
    const char* path;
  } cases[] = {
      {"192.168.4.1/?command=c1", "192.168.4.1", "192.168.4.1", 80, "/?command=c1"},
      {"HTTPS://10.0.0.7:8443/A/b?X=1", "10.0.0.7", "10.0.0.7:8443", 8443, "/A/b?X=1"},
      {"10.0.0.5", "10.0.0.5", "10.0.0.5", 80, "/"},
      {"http://Board.Local/Path", "board.local", "board.local", 80, "/Path"},
      {"https://x.example", "x.example", "x.example", 443, "/"},
      {"http://h:/p", "h", "h:", 0, "/p"},             // no digits after ":"
      {"http://h:99999/p", "h", "h:99999", -1, "/p"},  // no such port
      {"host?x=1", "host?x=1", "host?x=1", 80, "/"},   // a query without "/" stays in the host
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.url);
    EXPECT_EQ(UrlHost(c.url, false), c.host);
    EXPECT_EQ(UrlHost(c.url, true), c.hostWithPort);
    EXPECT_EQ(UrlPort(c.url), c.port);
    EXPECT_EQ(UrlPath(c.url), c.path);
  }
}

TEST(TextHelpers, BetweenBeforeAndTrim) {
  EXPECT_EQ(TextBetween("a[b]c]", "[", "]"), "b");
  EXPECT_EQ(TextBetween("abc", "[", "]"), "");
  EXPECT_EQ(TextBetween("[abc", "[", "]"), "");
  EXPECT_EQ(TextBetween("x=\"v\";", "=#\xD2\xFD\xBA\xC5", "#\xD2\xFD\xBA\xC5"), "v");  // #引号
  EXPECT_EQ(TextBetween("AbA", "a", "A"), "");  // case-sensitive
  EXPECT_EQ(TextBefore("name: value", ": "), "name");
  EXPECT_EQ(TextBefore("no delimiter", ": "), "");
  EXPECT_EQ(TrimSpaces("\xA1\xA1 a b \xA1\xA1"), "a b");
  EXPECT_EQ(TrimSpaces("\ta\t"), "\ta\t");  // only spaces and full-width spaces
  // 0xB0 0x7C is one character: its trail byte is not a "|".
  EXPECT_EQ(TextBefore("\xB0|x|y", "|"), "\xB0|x");
}

TEST(NormaliseHeaderNames, RaisesFirstLettersAndDropsLinesWithoutColon) {
  EXPECT_EQ(NormaliseHeaderNames("user-agent: abc\r\nx-my-HEADER:1\r\nbroken"),
            "User-Agent: abc\r\nX-My-HEADER:1");
  EXPECT_EQ(NormaliseHeaderNames("accept: text/html\r\n\r\n"), "Accept: text/html");
  EXPECT_EQ(NormaliseHeaderNames(""), "");
}

TEST(Cookies, CollectMergeAndUnique) {
  EXPECT_EQ(CollectSetCookies("HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\n"
                              "set-cookie: c=3\r\n\r\n"),
            "a=1; b=2");
  EXPECT_EQ(CollectSetCookies("HTTP/1.1 200 OK\r\n\r\n"), "");
  EXPECT_EQ(MergeCookieTexts("a=0; c=5; d=9", "a=1; d=deleted"), "a=1; c=5");
  EXPECT_EQ(MergeCookieTexts(" x=1; ", "y=2"), "y=2; x=1");
  EXPECT_EQ(MergeCookieTexts("", ""), "");
  EXPECT_EQ(UniqueItems("a; b; a; c; b", "; "), "a; b; c");
}

}  // namespace
}  // namespace quorvane
