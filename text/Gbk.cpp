#include "text/Gbk.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace quorvane {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~Converter() {
    if (Valid()) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  // Back to the initial shift state, so that one converter serves call after call.
  void Reset() {
    if (Valid()) iconv(handle_, nullptr, nullptr, nullptr, nullptr);
  }

  // Converts as much as possible; returns errno of the stop (0 when all input was taken).
  int Convert(std::string_view& in, std::string& out) {
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char buffer[1024];
    while (inLeft > 0) {
      char* outPtr = buffer;
      size_t outLeft = sizeof buffer;
      size_t rc = iconv(handle_, &inPtr, &inLeft, &outPtr, &outLeft);
      out.append(buffer, static_cast<size_t>(outPtr - buffer));
      if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
        int error = errno;
        in = std::string_view(inPtr, inLeft);
        return error;
      }
    }
    in = std::string_view();
    return 0;
  }

 private:
  iconv_t handle_;
};

// Opening a converter costs far more than a short conversion: one per direction and thread.
Converter& GbkToUtf8Converter() {
  thread_local Converter converter("UTF-8", "GBK");
  converter.Reset();
  return converter;
}

Converter& Utf8ToGbkConverter() {
  thread_local Converter converter("GBK", "UTF-8");
  converter.Reset();
  return converter;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) {
  std::string out;
  Converter& converter = GbkToUtf8Converter();
  if (!converter.Valid()) {
    // Without a GBK table (a C library built without it) ASCII still reads right; every other
    // byte is marked as undecodable rather than dropped, so the header's promise holds.
    for (char c : gbk) {
      if (static_cast<unsigned char>(c) < 0x80) {
        out.push_back(c);
      } else {
        out.append(kReplacement);
      }
    }
    return out;
  }
  out.reserve(gbk.size() * 3 / 2);
  while (!gbk.empty()) {
    int error = converter.Convert(gbk, out);
    if (error == 0) break;
    out.append(kReplacement);
    if (error == EINVAL) break;  // truncated character at the end
    gbk.remove_prefix(1);
  }
  return out;
}

std::string Utf8ToGbkReplacing(std::string_view utf8, char replacement) {
  std::string out;
  Converter& converter = Utf8ToGbkConverter();
  if (!converter.Valid()) return std::string(utf8.size(), replacement);
  while (!utf8.empty()) {
    const int error = converter.Convert(utf8, out);
    if (error == 0) break;
    out.push_back(replacement);
    if (error == EINVAL) break;  // a character cut off at the end
    // Past the character that has no GBK form (or the byte that starts no character).
    const auto lead = static_cast<unsigned char>(utf8.front());
    size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    length = std::min(length, utf8.size());
    for (size_t i = 1; i < length; ++i) {
      if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
        length = i;
        break;
      }
    }
    utf8.remove_prefix(length);
  }
  return out;
}

std::optional<std::string> Utf8ToGbk(std::string_view utf8) {
  std::string out;
  Converter& converter = Utf8ToGbkConverter();
  if (!converter.Valid()) return std::nullopt;  // nothing can travel then: refuse, never guess
  if (converter.Convert(utf8, out) != 0) return std::nullopt;
  return out;
}

}  // namespace quorvane
