#pragma once

#include <string>
#include <string_view>

// Text helpers of the HTTP request routine. Texts are GBK bytes; positions count bytes; a
// search never matches across the middle of a double-byte character. To trim is to remove
// ASCII spaces and full-width spaces (A1 A1) at both ends, and nothing else.
namespace quorvane {

std::string TrimSpaces(std::string_view text);

// Where needle first occurs at or after from, or npos; optionally ignoring ASCII letter case.
size_t FindText(std::string_view text, std::string_view needle, size_t from = 0,
                bool ignoreCase = false);

// The host of the URL, lower-cased, with its ":port" when keepPort is true.
std::string UrlHost(std::string_view url, bool keepPort);
// The port: the number after the host's last ":" (0 when no digit follows), else 443 for a
// URL that begins with "https", else 80; -1 for a number above 65535, which no port has.
int UrlPort(std::string_view url);
// The path with its query and fragment, in the URL's own case; "/" when there is none.
std::string UrlPath(std::string_view url);

// The text between the first left delimiter and the first right delimiter after it; empty
// when either is missing. "#引号" in a delimiter stands for a double quote.
std::string TextBetween(std::string_view text, std::string_view left, std::string_view right);
// The text before the first delimiter; empty when it is missing.
std::string TextBefore(std::string_view text, std::string_view delimiter);

// Header lines (CR LF separated) with capitalised names: "x-my-HEADER:1" gives "X-My-HEADER:1".
// A line without ":" is dropped.
std::string NormaliseHeaderNames(std::string_view headers);
// The name=value of every "Set-Cookie" line of a response header block, joined by "; ".
std::string CollectSetCookies(std::string_view headers);
// Old and new cookie texts merged: the newer value of a name wins, "=deleted" items go.
std::string MergeCookieTexts(std::string_view oldCookies, std::string_view newCookies);
// The items of text split at separator, each kept at its first occurrence.
std::string UniqueItems(std::string_view text, std::string_view separator);

}  // namespace quorvane
