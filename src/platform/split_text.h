#pragma once
// Splitting a text at every occurrence of a separator text.

#include <string>
#include <string_view>
#include <vector>

namespace vostrel {

// The pieces between the separators, in order, empty pieces included; a text
// that ends in the separator gives no empty last piece, and a text without the
// separator is one piece. An empty separator does not split.
std::vector<std::wstring> SplitText(std::wstring_view text, std::wstring_view separator);

}  // namespace vostrel
