#pragma once
// Whole files in and out, for tests: the bytes a program wrote, the file a
// program is to read.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace vostrel::testing {

// The bytes of the whole file; nothing when it cannot be opened (compared
// with a string, a missing file is never equal).
inline std::optional<std::string> ReadFileIfAny(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The bytes of the whole file; empty when it cannot be opened.
inline std::string ReadFileBytes(const std::filesystem::path& path) { return ReadFileIfAny(path).value_or(""); }

// Writes `bytes` as the whole file.
inline bool WriteFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file.flush());
}

// Writes text as UTF-16 little-endian with a byte-order mark, as the program
// writes its preferences (characters of the Basic Multilingual Plane).
inline bool WriteUtf16File(const std::filesystem::path& path, std::wstring_view text) {
  std::string bytes = "\xFF\xFE";
  for (const wchar_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>((c >> 8) & 0xFF);
  }
  return WriteFileBytes(path, bytes);
}

}  // namespace vostrel::testing
