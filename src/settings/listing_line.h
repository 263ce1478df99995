#pragma once
// The line form shared by configuration listings, scripts and settings files:
// lines end with CR LF, LF or CR and are read at most 99 characters at a time;
// fields are split at ",", ":", TAB, CR and LF (a run of them counts as one);
// a field that starts with ";" ends the line; at most 17 fields are kept.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vostrel::listing {

inline constexpr std::size_t kMaxLineChars = 99;
inline constexpr std::size_t kMaxFields = 17;

// One line as read, rebuilt for every line without allocating.
class LineRecord {
 public:
  std::string_view Line() const { return {text_.data(), length_}; }
  std::size_t FieldCount() const { return fieldCount_; }
  // Field `n`, counted from 1 (the keyword is field 1); empty when the line
  // has fewer fields.
  std::string_view Field(std::size_t n) const { return Slice(text_, n); }
  // The same field with the letters a to z upper-cased.
  std::string_view Upper(std::size_t n) const { return Slice(upper_, n); }

  // Takes `line` (at most kMaxLineChars characters, no line end) and splits it.
  void Assign(std::string_view line);

 private:
  struct Span {
    std::uint8_t start = 0;
    std::uint8_t length = 0;
  };
  std::string_view Slice(const std::array<char, kMaxLineChars>& from, std::size_t n) const;

  std::array<char, kMaxLineChars> text_{};
  std::array<char, kMaxLineChars> upper_{};
  std::size_t length_ = 0;
  std::array<Span, kMaxFields> fields_{};
  std::size_t fieldCount_ = 0;
};

// Hands out the lines of a text one after the other.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : text_(text) {}
  // The next line without its line end: up to kMaxLineChars characters; a
  // longer line goes on as the next one. Empty for an empty line and at the
  // end of the text.
  std::string_view Next();
  // True once every line has been handed out.
  bool AtEnd() const { return pos_ >= text_.size(); }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace vostrel::listing
