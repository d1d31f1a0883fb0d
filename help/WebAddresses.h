#pragma once

// The web pages the tool links to, in one place so that they can be changed.
namespace quorvane {

// The Bemfa cloud's public documentation and its home page.
inline constexpr char kBemfaDocumentationUrl[] = "https://cloud.bemfa.com/docs/";
inline constexpr char kBemfaHomeUrl[] = "https://cloud.bemfa.com/";

}  // namespace quorvane
