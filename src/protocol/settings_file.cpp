#include "protocol/settings_file.h"

#include <algorithm>
#include <fstream>
#include <string>
#include <system_error>

#include "platform/ansi_text.h"
#include "protocol/command_set.h"
#include "settings/listing_reader.h"

namespace vostrel {
namespace {

// The file's lines, each without its line end (LF, or CR LF as text mode
// reads it) and followed by CR LF; a last line without a line end counts too.
std::string WithCrLfLines(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 8 + 2);
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (line.ends_with('\r') && end != std::string_view::npos) line.remove_suffix(1);
    text.append(line).append("\r\n");
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return text;
}

}  // namespace

bool WriteSettingsFile(const SettingsStore& store, const std::filesystem::path& path) {
  std::ofstream file(path, std::ios::binary | std::ios::out | std::ios::trunc);
  if (!file) return false;
  const std::string script = WideToAnsi(store.textBuffer);
  file.write(kCommandPrefix.data(), static_cast<std::streamsize>(kCommandPrefix.size()));
  file.write(script.data(), static_cast<std::streamsize>(script.size()));
  file.close();
  return !file.fail();
}

LoadResult LoadSettingsText(SettingsStore& store, const std::filesystem::path& path, LoadNotes* notes) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return LoadResult::NotOpened;
  std::ifstream file(path, std::ios::binary | std::ios::in);
  if (!file) return LoadResult::NotOpened;
  std::string bytes(kSettingsFileReadLimit, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  if (file.bad()) return LoadResult::NotOpened;
  const bool pastLoadLimit = bytes.size() == kSettingsFileReadLimit && file.peek() != std::char_traits<char>::eof();
  if (pastLoadLimit) {
    // Not read to its end: leave out the cut last line rather than read it as
    // a shorter value.
    const std::size_t end = bytes.find_last_of('\n');
    bytes.resize(end == std::string::npos ? 0 : end + 1);
  }
  const LoadResult result = LoadSettingsBytes(store, bytes, notes);
  if (notes != nullptr) notes->pastLoadLimit = pastLoadLimit && result == LoadResult::Read;
  return result;
}

LoadResult LoadSettingsBytes(SettingsStore& store, std::string_view fileBytes, LoadNotes* notes) {
  if (notes != nullptr) *notes = LoadNotes{};
  store.textBuffer = AnsiToWide(WithCrLfLines(fileBytes));
  switch (CheckReplyHeader(WideToAnsi(store.textBuffer))) {
    case HeaderPresence::None: return LoadResult::StartNotAccepted;
    case HeaderPresence::OnePart: store.textBuffer.insert(0, L"\r\n"); break;
    case HeaderPresence::Whole: break;
  }
  if (notes != nullptr) {
    // The reader's text ends at its first NUL; of what comes before, it takes
    // the lines within its room.
    const std::string text = WideToAnsi(store.textBuffer);
    const std::size_t end = std::min(text.find('\0'), text.size());
    notes->pastReadingRoom = end > kListingReadRoom;
    if (!notes->pastReadingRoom && end < text.size()) notes->nulAt = fileBytes.find('\0');
  }
  ReadListing(store, ListingMode::Read);
  return LoadResult::Read;
}

}  // namespace vostrel
