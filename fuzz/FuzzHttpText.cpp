// URLs, header blocks and cookie texts from anyone.
#include <cstddef>
#include <cstdint>
#include <string>

#include "http/HttpText.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const size_t half = size / 2;
  const std::string a = text.substr(0, half);
  const std::string b = text.substr(half);
  (void)UrlHost(text, false);
  (void)UrlHost(text, true);
  const int port = UrlPort(text);
  if (port < -1 || port > 65535) __builtin_trap();
  const std::string path = UrlPath(text);
  if (path.empty() || path[0] != '/') __builtin_trap();
  (void)TextBetween(text, a, b);
  (void)TextBefore(text, b);
  (void)NormaliseHeaderNames(text);
  (void)CollectSetCookies(text);
  (void)MergeCookieTexts(a, b);
  (void)UniqueItems(text, "; ");
  (void)TrimSpaces(text);
  return 0;
}
