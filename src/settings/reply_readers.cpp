#include "settings/reply_readers.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>

#include "platform/ansi_text.h"
#include "settings/listing_line.h"

namespace vostrel {
namespace {

constexpr std::string_view kEndLine = "END";
constexpr std::string_view kExitLine = "EXIT";

// A word of a reply line and the number it stands for.
struct ReplyWord {
  std::string_view word;
  int number;
};

// The result line of a sensor adjustment: AUTO CALIBRATION : SUCCEEDED. The
// separators split it into the keyword with its trailing space and the word
// with its leading space.
struct ReplyWordRow {
  std::string_view keyword;
  std::array<ReplyWord, 2> words;
};
constexpr ReplyWordRow kCalibrationRow = {"AUTO CALIBRATION ", {{{" SUCCEEDED", 0}, {" FAILED", 1}}}};

constexpr std::string_view kEmulationKey = "MACHINE EMULATION CODE";
constexpr std::array<ReplyWord, 3> kEmulationWords = {{
    {"CODE_ZEBRA", static_cast<int>(EmulationCode::CodeZebra)},
    {"CODE_EPL", static_cast<int>(EmulationCode::CodeEpl)},
    {"CODE_TELMARO", static_cast<int>(EmulationCode::CodeTelmaro)},
}};

constexpr std::string_view kRfidSectionKey = "RFID SETTINGS";

// The prepared reply and a cursor over its lines.
class ReplyLines {
 public:
  explicit ReplyLines(std::wstring_view reply) {
    const std::string narrow = WideToAnsi(reply.substr(0, reply.find(L'\0')));
    std::string_view bytes{narrow};
    bytes = bytes.substr(0, bytes.find('\0'));
    if (bytes.size() > kMaxReplyBytes) {
      // Only whole lines: a line cut by the limit would give a wrong text.
      const std::size_t lastEnd = bytes.substr(0, kMaxReplyBytes).find_last_of("\r\n");
      bytes = lastEnd == std::string_view::npos ? std::string_view{} : bytes.substr(0, lastEnd + 1);
    }
    std::copy(bytes.begin(), bytes.end(), buffer_.begin());
    std::copy(kReplyClosingLine.begin(), kReplyClosingLine.end(), buffer_.begin() + bytes.size());
    length_ = bytes.size() + kReplyClosingLine.size();
    cursor_ = listing::LineCursor(std::string_view(buffer_.data(), length_));
  }

  // The next line without its line end (at most 99 characters; a line of 99
  // leaves its line end, which then reads as an empty line); false past the
  // end of the text.
  bool Next(std::string_view& line) {
    if (cursor_.AtEnd()) return false;
    line = cursor_.Next();
    return true;
  }

 private:
  std::array<char, kReplyTextBufferSize> buffer_{};
  std::size_t length_ = 0;
  listing::LineCursor cursor_{std::string_view{}};
};

enum class StopAt { End, EndOrExit };

// Calls `visit` for every non-empty line before the stop line; `visit`
// returns false to stop early.
template <typename Visit>
void ForEachLine(std::wstring_view reply, StopAt stop, Visit&& visit) {
  ReplyLines lines(reply);
  std::string_view line;
  while (lines.Next(line)) {
    if (line == kEndLine || (stop == StopAt::EndOrExit && line == kExitLine)) return;
    if (line.empty()) continue;
    if (!visit(line)) return;
  }
}

// True when `field`, upper-cased, is `word`.
bool EqualsUpper(std::string_view field, std::string_view word) {
  return field.size() == word.size() && std::equal(field.begin(), field.end(), word.begin(),
                                                   [](char a, char b) { return listing::AsciiUpper(a) == b; });
}

template <std::size_t N>
std::optional<int> FindWord(const std::array<ReplyWord, N>& words, std::string_view field) {
  for (const ReplyWord& w : words) {
    if (EqualsUpper(field, w.word)) return w.number;
  }
  return std::nullopt;
}

// How many bytes of `bytes` fit into `limit` without splitting a character:
// a double-byte character that the limit would cut is left out whole. A cut
// at a character boundary converts to the start of the whole text.
std::size_t CharacterCut(std::string_view bytes, std::size_t limit) {
  if (bytes.size() <= limit) return bytes.size();
  const std::wstring whole = AnsiToWide(bytes);
  std::size_t n = limit;
  while (n > 0 && !whole.starts_with(AnsiToWide(bytes.substr(0, n)))) --n;
  return n;
}

void SetKeyText(KeyText& text, std::string_view bytes) {
  text.fill('\0');
  const std::size_t n = CharacterCut(bytes, text.size() - 1);
  std::copy_n(bytes.begin(), n, text.begin());
}

std::string_view KeyTextView(const KeyText& text) {
  return std::string_view(text.data(),
                          static_cast<std::size_t>(std::find(text.begin(), text.end(), '\0') - text.begin()));
}

// The information and RFID value readers: each line gives the text after the
// first key (in table order) that it holds; afterwards every row's slot gets
// its text, from this reply or from an earlier one.
void ReadKeyTexts(SettingsStore& store, std::span<const KeyTextRow> rows, std::span<KeyText> texts) {
  ForEachLine(store.textBuffer, StopAt::End, [&](std::string_view line) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const std::size_t at = line.find(rows[r].key);
      if (at == std::string_view::npos) continue;
      const std::size_t from = at + rows[r].key.size() + rows[r].skip;
      SetKeyText(texts[r], from < line.size() ? line.substr(from) : std::string_view{});
      break;
    }
    return true;
  });
  for (std::size_t r = 0; r < rows.size(); ++r) {
    SettingItem& slot = store.slots[static_cast<std::size_t>(rows[r].slot)];
    slot.value = AnsiToWide(KeyTextView(texts[r]));
    slot.selected = 1;
  }
}

}  // namespace

void ReadInformation(SettingsStore& store, ReplyKeyTexts& texts) {
  ReadKeyTexts(store, kInformationKeys, texts.information);
}

void ReadRfidValues(SettingsStore& store, ReplyKeyTexts& texts) { ReadKeyTexts(store, kRfidValueKeys, texts.rfid); }

bool HasRfidSection(const SettingsStore& store) {
  bool found = false;
  ForEachLine(store.rfidCheckText, StopAt::End, [&](std::string_view line) {
    found = line.find(kRfidSectionKey) != std::string_view::npos;
    return !found;
  });
  return found;
}

bool ReadCalibrationResult(SettingsStore& store) {
  struct Marks {
    bool seen = false;
    bool error = false;
  } marks;
  int kept = 0;
  bool unexpectedLine = false;
  ForEachLine(store.textBuffer, StopAt::EndOrExit, [&](std::string_view line) {
    listing::LineRecord fields;
    fields.Assign(line);
    if (fields.FieldCount() == 0) return true;
    if (EqualsUpper(fields.Field(1), kCalibrationRow.keyword)) {
      marks.seen = true;
      const std::optional<int> word =
          fields.FieldCount() >= 2 ? FindWord(kCalibrationRow.words, fields.Field(2)) : std::nullopt;
      if (word) {
        kept = *word;
      } else {
        marks.error = true;
      }
    } else {
      unexpectedLine = true;
    }
    return true;
  });
  if (marks.seen) {
    SettingItem& result = store.calibrationResult();
    result.selected = 1;
    result.choice = marks.error ? 0 : kept;
    if (result.invalid == 0) result.invalid = marks.error ? 1 : 0;
  }
  return unexpectedLine;
}

EmulationCode ReadEmulationCode(const SettingsStore& store) {
  EmulationCode code = EmulationCode::Unknown;
  ForEachLine(store.emulationReply, StopAt::End, [&](std::string_view line) {
    if (line.find(kEmulationKey) == std::string_view::npos) return true;
    listing::LineRecord fields;
    fields.Assign(line);
    if (fields.FieldCount() >= 2) {
      if (const std::optional<int> number = FindWord(kEmulationWords, fields.Field(2))) {
        code = static_cast<EmulationCode>(*number);
      }
    }
    return false;  // the first such line decides
  });
  return code;
}

}  // namespace vostrel
