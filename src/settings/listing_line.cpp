#include "settings/listing_line.h"

namespace vostrel::listing {
namespace {

constexpr bool IsSeparator(char c) { return c == ',' || c == ':' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string_view LineRecord::Slice(const std::array<char, kMaxLineChars>& from, std::size_t n) const {
  if (n == 0 || n > fieldCount_) return {};
  const Span& span = fields_[n - 1];
  return {from.data() + span.start, span.length};
}

void LineRecord::Assign(std::string_view line) {
  length_ = line.size() < kMaxLineChars ? line.size() : kMaxLineChars;
  for (std::size_t i = 0; i < length_; ++i) {
    text_[i] = line[i];
    upper_[i] = AsciiUpper(line[i]);
  }
  fieldCount_ = 0;
  std::size_t i = 0;
  while (fieldCount_ < kMaxFields) {
    while (i < length_ && IsSeparator(text_[i])) ++i;
    if (i == length_ || text_[i] == ';') break;
    const std::size_t start = i;
    while (i < length_ && !IsSeparator(text_[i])) ++i;
    fields_[fieldCount_++] = Span{static_cast<std::uint8_t>(start), static_cast<std::uint8_t>(i - start)};
  }
}

std::string_view LineCursor::Next() {
  const std::size_t start = pos_;
  while (pos_ < text_.size() && pos_ - start < kMaxLineChars && text_[pos_] != '\r' && text_[pos_] != '\n') ++pos_;
  const std::string_view line = text_.substr(start, pos_ - start);
  if (line.size() < kMaxLineChars && pos_ < text_.size()) {
    // The line end: CR LF, LF or CR.
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
  }
  return line;
}

}  // namespace vostrel::listing
