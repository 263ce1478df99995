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

// One converter per direction and thread, opened at first use and closed at
// the thread's exit: opening one costs far more than converting a listing,
// and a converter must not be shared between threads.
class Converter {
 public:
  Converter(const char* to, const char* from) : to_(to), from_(from) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Ready for a new text: opened if it is not yet, back in its initial state
  // whatever the last conversion left behind. False when iconv lacks the pair.
  bool Start() {
    if (!ok()) cd_ = iconv_open(to_, from_);
    if (!ok()) return false;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return true;
  }

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
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  const char* to_;
  const char* from_;
  iconv_t cd_ = reinterpret_cast<iconv_t>(-1);
};

Converter& ToAnsi() {
  thread_local Converter conv(kAnsiCodePage, "WCHAR_T");
  return conv;
}

Converter& ToWide() {
  thread_local Converter conv("WCHAR_T", kAnsiCodePage);
  return conv;
}

}  // namespace

std::string WideToAnsi(std::wstring_view text) {
  Converter& conv = ToAnsi();
  std::string out;
  if (!conv.Start()) return out;
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
  Converter& conv = ToWide();
  std::wstring result;
  if (!conv.Start()) return result;
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
