#include "platform/split_text.h"

namespace vostrel {

std::vector<std::wstring> SplitText(std::wstring_view text, std::wstring_view separator) {
  std::vector<std::wstring> pieces;
  if (separator.empty()) {
    pieces.emplace_back(text);
    return pieces;
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t found = text.find(separator, start);
    if (found == std::wstring_view::npos) {
      // What follows the last separator; nothing follows a trailing one.
      if (start < text.size() || pieces.empty()) pieces.emplace_back(text.substr(start));
      return pieces;
    }
    pieces.emplace_back(text.substr(start, found - start));
    start = found + separator.size();
  }
}

}  // namespace vostrel
