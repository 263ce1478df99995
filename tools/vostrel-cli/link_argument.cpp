#include "link_argument.h"

#include <array>
#include <cstdint>
#include <vector>

#include "platform/net_address.h"

namespace vostrel::cli {
namespace {

struct KindPrefix {
  std::wstring_view prefix;
  PortKind kind;
};

constexpr std::array<KindPrefix, 4> kKindPrefixes = {{
    {L"net:", PortKind::Net},
    {L"com:", PortKind::Com},
    {L"usb:", PortKind::Usb},
    {L"queue:", PortKind::Prt},
}};

// One letter or number of the serial parameters and the code the record keeps.
struct SerialWord {
  std::wstring_view text;
  std::uint8_t code;
};

constexpr std::array<SerialWord, 3> kParityWords = {{{L"N", 0}, {L"O", 1}, {L"E", 2}}};
constexpr std::array<SerialWord, 3> kStopBitWords = {{{L"1", 0}, {L"1.5", 1}, {L"2", 2}}};
constexpr std::array<SerialWord, 4> kDataBitWords = {{{L"5", 5}, {L"6", 6}, {L"7", 7}, {L"8", 8}}};
constexpr std::array<std::wstring_view, 3> kFlowWords = {L"X", L"H", L"N"};

template <size_t N>
bool FindWord(const std::array<SerialWord, N>& words, std::wstring_view text, std::uint8_t& code) {
  for (const SerialWord& word : words) {
    if (word.text == text) {
      code = word.code;
      return true;
    }
  }
  return false;
}

std::vector<std::wstring_view> SplitAtCommas(std::wstring_view text) {
  std::vector<std::wstring_view> parts;
  for (;;) {
    const size_t comma = text.find(L',');
    parts.push_back(text.substr(0, comma));
    if (comma == std::wstring_view::npos) return parts;
    text.remove_prefix(comma + 1);
  }
}

bool AllDigits(std::wstring_view text) {
  if (text.empty()) return false;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
  }
  return true;
}

bool ParseSerial(std::wstring_view text, PreferencesRecord& prefs, std::wstring& problem) {
  const std::vector<std::wstring_view> parts = SplitAtCommas(text);
  if (parts.size() != 5) {
    problem = L"serial parameters are BAUD,DATA,PARITY,STOP,FLOW (e.g. 9600,8,N,1,X)";
    return false;
  }
  if (!AllDigits(parts[0]) || parts[0].size() > 7 || std::stol(std::wstring(parts[0])) == 0) {
    problem = L"baud rate '" + std::wstring(parts[0]) + L"' is not a number of bits per second";
    return false;
  }
  prefs.baudRate = static_cast<std::int32_t>(std::stol(std::wstring(parts[0])));
  if (!FindWord(kDataBitWords, parts[1], prefs.dataBits)) {
    problem = L"data bits '" + std::wstring(parts[1]) + L"' are not 5, 6, 7 or 8";
    return false;
  }
  if (!FindWord(kParityWords, parts[2], prefs.parityCode)) {
    problem = L"parity '" + std::wstring(parts[2]) + L"' is not N, O or E";
    return false;
  }
  if (!FindWord(kStopBitWords, parts[3], prefs.stopBitsCode)) {
    problem = L"stop bits '" + std::wstring(parts[3]) + L"' are not 1, 1.5 or 2";
    return false;
  }
  for (std::wstring_view flow : kFlowWords) {
    if (flow == parts[4]) {
      prefs.flowControl = std::wstring(flow);
      return true;
    }
  }
  problem = L"flow control '" + std::wstring(parts[4]) + L"' is not X, H or N";
  return false;
}

bool ParseNet(std::wstring_view rest, PreferencesRecord& prefs, std::wstring& problem) {
  const size_t colon = rest.rfind(L':');
  std::wstring_view host = rest.substr(0, colon);
  std::wstring_view port =
      colon == std::wstring_view::npos ? std::wstring_view(kDefaultNetPort) : rest.substr(colon + 1);
  if (host.empty()) {
    problem = L"net: needs a host name or IPv4 address";
    return false;
  }
  if (!AllDigits(port) || port.size() > 5 || ParsePortNumber(port) == 0) {
    problem = L"'" + std::wstring(port) + L"' is not a TCP port number";
    return false;
  }
  prefs.portName = std::wstring(host);
  prefs.portNumber = std::wstring(port);
  return true;
}

}  // namespace

bool ParseLinkArgument(std::wstring_view text, PreferencesRecord& prefs, std::wstring& problem) {
  prefs = PreferencesRecord{};
  for (const KindPrefix& row : kKindPrefixes) {
    if (!text.starts_with(row.prefix)) continue;
    std::wstring_view rest = text.substr(row.prefix.size());
    prefs.portKind = row.kind;
    if (row.kind == PortKind::Net) return ParseNet(rest, prefs, problem);
    const size_t at = row.kind == PortKind::Com ? rest.find(L'@') : std::wstring_view::npos;
    const std::wstring_view serial = at == std::wstring_view::npos ? std::wstring_view() : rest.substr(at + 1);
    rest = rest.substr(0, at);
    if (rest.empty()) {
      problem = L"'" + std::wstring(text) + L"' names no port";
      return false;
    }
    prefs.portName = std::wstring(rest);
    return at == std::wstring_view::npos || ParseSerial(serial, prefs, problem);
  }
  problem = L"link '" + std::wstring(text) + L"' is not net:HOST[:PORT], com:NAME[@BAUD,DATA,PARITY,STOP,FLOW], " +
            L"usb:NAME or queue:NAME";
  return false;
}

}  // namespace vostrel::cli
