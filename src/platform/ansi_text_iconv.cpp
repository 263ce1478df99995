// Host build of the conversion pair: iconv with code page 932, the users'
// ANSI code page, so that the core's tests see the bytes the program writes.

#include <errno.h>
#include <iconv.h>

#include <cstring>

#include "platform/ansi_text.h"

namespace vostrel {
namespace {

constexpr char kAnsiCodePage[] = "CP932";
constexpr wchar_t kInvalidByteChar = L'\u30FB';

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts `in` as far as it goes; returns false with errno set when it
  // stopped at a character it cannot take. `in` and `size` are advanced.
  bool Run(const char*& in, size_t& size, std::string& out) {
    char buffer[256];
    while (size > 0) {
      char* next = buffer;
      size_t room = sizeof buffer;
      char* src = const_cast<char*>(in);
      const size_t rc = iconv(cd_, &src, &size, &next, &room);
      in = src;
      out.append(buffer, static_cast<size_t>(next - buffer));
      if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        return false;
      }
    }
    return true;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::string WideToAnsi(std::wstring_view text) {
  Converter conv(kAnsiCodePage, "WCHAR_T");
  std::string out;
  if (!conv.ok()) return out;
  const char* in = reinterpret_cast<const char*>(text.data());
  size_t size = text.size() * sizeof(wchar_t);
  while (!conv.Run(in, size, out)) {
    // A character the code page lacks: the system writes its default '?'.
    out.push_back('?');
    in += sizeof(wchar_t);
    size -= sizeof(wchar_t);
  }
  return out;
}

std::wstring AnsiToWide(std::string_view text) {
  Converter conv("WCHAR_T", kAnsiCodePage);
  std::wstring result;
  if (!conv.ok()) return result;
  const char* in = text.data();
  size_t size = text.size();
  std::string bytes;
  auto flush = [&] {
    const size_t count = bytes.size() / sizeof(wchar_t);
    const size_t at = result.size();
    result.resize(at + count);
    std::memcpy(result.data() + at, bytes.data(), count * sizeof(wchar_t));
    bytes.clear();
  };
  while (!conv.Run(in, size, bytes)) {
    flush();
    // An invalid or incomplete sequence: one byte becomes the default character.
    result.push_back(kInvalidByteChar);
    ++in;
    --size;
  }
  flush();
  return result;
}

}  // namespace vostrel
