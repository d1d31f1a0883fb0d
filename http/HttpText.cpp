#include "http/HttpText.h"

#include <vector>

namespace quorvane {

namespace {

constexpr std::string_view kQuoteMarker = "#\xD2\xFD\xBA\xC5";  // "#引号" in GBK
constexpr std::string_view kFullWidthSpace = "\xA1\xA1";
constexpr std::string_view kCrLf = "\r\n";

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::string Lowered(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Lower(c);
  return out;
}

// The characters of a GBK text: one byte, or a lead byte with its trail byte.
std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> out;
  for (size_t i = 0; i < text.size();) {
    const size_t length = IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
    out.push_back(text.substr(i, length));
    i += length;
  }
  return out;
}

// Pieces of text between separators; a final empty piece is dropped.
std::vector<std::string> SplitAt(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  size_t begin = 0;
  while (begin <= text.size()) {
    const size_t at = FindText(text, separator, begin);
    if (at == std::string_view::npos) {
      if (begin < text.size()) pieces.emplace_back(text.substr(begin));
      break;
    }
    pieces.emplace_back(text.substr(begin, at - begin));
    begin = at + separator.size();
  }
  return pieces;
}

std::string Join(const std::vector<std::string>& items, std::string_view separator) {
  std::string out;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += separator;
    out += items[i];
  }
  return out;
}

std::string WithQuotes(std::string_view delimiter) {
  std::string out(delimiter);
  for (size_t at = FindText(out, kQuoteMarker); at != std::string::npos;
       at = FindText(out, kQuoteMarker, at + 1)) {
    out.replace(at, kQuoteMarker.size(), "\"");
  }
  return out;
}

std::string CookieName(std::string_view item) {
  const size_t equals = FindText(item, "=");
  return TrimSpaces(equals == std::string_view::npos ? item : item.substr(0, equals));
}

}  // namespace

std::string TrimSpaces(std::string_view text) {
  const std::vector<std::string_view> chars = Characters(text);
  size_t first = 0;
  size_t last = chars.size();
  auto blank = [](std::string_view c) { return c == " " || c == kFullWidthSpace; };
  while (first < last && blank(chars[first])) ++first;
  while (last > first && blank(chars[last - 1])) --last;
  std::string out;
  for (size_t i = first; i < last; ++i) out += chars[i];
  return out;
}

size_t FindText(std::string_view text, std::string_view needle, size_t from, bool ignoreCase) {
  if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
  size_t i = 0;
  while (i < text.size()) {
    if (i >= from && i + needle.size() <= text.size()) {
      bool same = true;
      for (size_t k = 0; k < needle.size() && same; ++k) {
        same = ignoreCase ? Lower(text[i + k]) == Lower(needle[k]) : text[i + k] == needle[k];
      }
      if (same) return i;
    }
    i += IsLeadByte(text[i]) ? 2 : 1;  // never start a match on a trail byte
  }
  return std::string_view::npos;
}

std::string UrlHost(std::string_view url, bool keepPort) {
  std::string lowered = Lowered(url);
  if (lowered.empty() || lowered.back() != '/') lowered += '/';
  std::string scheme = "https://";
  if (!lowered.starts_with(scheme)) {
    scheme = "http://";
    if (FindText(lowered, scheme) == std::string::npos) lowered = scheme + lowered;
  }
  std::string host = TextBetween(lowered, scheme, "/");
  if (!keepPort) host = host.substr(0, FindText(host, ":"));
  return host;
}

int UrlPort(std::string_view url) {
  const std::string host = UrlHost(url, true);
  const size_t colon = host.rfind(':');
  if (colon == std::string::npos) return Lowered(url.substr(0, 5)) == "https" ? 443 : 80;
  long port = 0;
  for (size_t i = colon + 1; i < host.size() && host[i] >= '0' && host[i] <= '9'; ++i) {
    port = port * 10 + (host[i] - '0');
    if (port > 65535) return -1;  // no such port
  }
  return static_cast<int>(port);
}

std::string UrlPath(std::string_view url) {
  // Past the scheme: a host such as "h" or "tp" would otherwise be found inside "http".
  const size_t scheme = FindText(url, "://");
  const size_t from = scheme == std::string_view::npos ? 0 : scheme + 3;
  const size_t host = FindText(url, UrlHost(url, false), from, /*ignoreCase=*/true);
  if (host == std::string_view::npos) return "/";
  const size_t slash = FindText(url, "/", host);
  return slash == std::string_view::npos ? std::string("/") : std::string(url.substr(slash));
}

std::string TextBetween(std::string_view text, std::string_view left, std::string_view right) {
  const std::string l = WithQuotes(left);
  const std::string r = WithQuotes(right);
  const size_t start = FindText(text, l);
  if (start == std::string_view::npos) return {};
  const size_t end = FindText(text, r, start + l.size());
  if (end == std::string_view::npos) return {};
  return std::string(text.substr(start + l.size(), end - start - l.size()));
}

std::string TextBefore(std::string_view text, std::string_view delimiter) {
  const size_t at = FindText(text, delimiter);
  return at == std::string_view::npos ? std::string() : std::string(text.substr(0, at));
}

std::string NormaliseHeaderNames(std::string_view headers) {
  std::vector<std::string> lines;
  for (std::string& line : SplitAt(headers, kCrLf)) {
    const size_t colon = FindText(line, ":");
    if (colon == std::string::npos) continue;
    std::vector<std::string> parts = SplitAt(line.substr(0, colon), "-");
    if (line.substr(0, colon).ends_with('-')) parts.emplace_back();
    for (std::string& part : parts) {
      if (!part.empty()) part[0] = Upper(part[0]);
    }
    lines.push_back(Join(parts, "-") + line.substr(colon));
  }
  return Join(lines, kCrLf);
}

std::string CollectSetCookies(std::string_view headers) {
  std::vector<std::string> values;
  for (const std::string& line : SplitAt(headers, kCrLf)) {
    if (TextBefore(line, ": ") != "Set-Cookie") continue;
    if (FindText(line, ";") != std::string::npos) {
      values.push_back(TrimSpaces(TextBetween(line, "Set-Cookie:", ";")));
    } else {
      std::string value = line;
      for (size_t at = FindText(value, "Set-Cookie:", 0, true); at != std::string::npos;
           at = FindText(value, "Set-Cookie:", at, true)) {
        value.erase(at, 11);
      }
      values.push_back(TrimSpaces(value));
    }
  }
  return Join(values, "; ");
}

std::string MergeCookieTexts(std::string_view oldCookies, std::string_view newCookies) {
  auto prepared = [](std::string_view text) {
    std::string trimmed = TrimSpaces(text);
    if (trimmed.ends_with(';')) trimmed += ' ';
    return SplitAt(trimmed, "; ");
  };
  std::vector<std::string> merged = prepared(newCookies);
  for (const std::string& item : prepared(oldCookies)) {
    const std::string name = CookieName(item);
    bool present = false;
    for (const std::string& kept : merged) present = present || CookieName(kept) == name;
    if (!present) merged.push_back(item);
  }
  std::vector<std::string> alive;
  for (const std::string& item : merged) {
    if (!(item.size() >= 8 && item.ends_with("=deleted"))) alive.push_back(item);
  }
  return UniqueItems(Join(alive, "; "), "; ");
}

std::string UniqueItems(std::string_view text, std::string_view separator) {
  std::vector<std::string> unique;
  for (std::string& item : SplitAt(text, separator)) {
    bool seen = false;
    for (const std::string& kept : unique) seen = seen || kept == item;
    if (!seen) unique.push_back(std::move(item));
  }
  return Join(unique, separator);
}

}  // namespace quorvane
