#include "protocol/command_set.h"

#include <algorithm>
#include <string>

#include "platform/ansi_text.h"

namespace vostrel {
namespace {

// The test-print commands of each command language, by its code.
struct TestPrintRow {
  EmulationCode code;
  std::wstring_view selfTest;
  std::wstring_view samplePrint;
};

constexpr std::array<TestPrintRow, 3> kTestPrintCommands = {{
    {EmulationCode::CodeZebra, L"~WC\n", L"~!Q4\n"},
    {EmulationCode::CodeEpl, L"U\n", L"~!Q4\n"},
    {EmulationCode::CodeTelmaro,
     L"\x02"
     L"Z\r\n",
     L"\x02\x1b"
     L"Q4\r\n"},
}};

const TestPrintRow* FindTestPrintRow(EmulationCode code) {
  const auto row = std::find_if(kTestPrintCommands.begin(), kTestPrintCommands.end(),
                                [code](const TestPrintRow& r) { return r.code == code; });
  return row == kTestPrintCommands.end() ? nullptr : &*row;
}

}  // namespace

HeaderPresence CheckReplyHeader(std::string_view text) {
  if (text.starts_with(kReplyHeaderFirstPart)) {
    return text.starts_with(kReplyHeader) ? HeaderPresence::Whole : HeaderPresence::OnePart;
  }
  return text.starts_with(kReplyHeaderLastPart) ? HeaderPresence::OnePart : HeaderPresence::None;
}

Outgoing BuildOutgoing(SendBuffer& buffer, std::wstring_view text, PrefixUse prefix) {
  buffer.fill('\0');
  const std::string narrow = WideToAnsi(text);
  const std::string_view head = prefix == PrefixUse::WithPrefix ? kCommandPrefix : std::string_view{};
  if (narrow.size() > kMaxOutgoingBytes - head.size()) return {OutgoingStatus::TooLong, 0};
  auto out = std::copy(head.begin(), head.end(), buffer.begin());
  std::copy(narrow.begin(), narrow.end(), out);
  return {OutgoingStatus::Ready, head.size() + narrow.size()};
}

std::wstring_view SelfTestText(EmulationCode code) {
  const TestPrintRow* row = FindTestPrintRow(code);
  return row ? row->selfTest : std::wstring_view{};
}

std::wstring_view SamplePrintText(EmulationCode code) {
  const TestPrintRow* row = FindTestPrintRow(code);
  return row ? row->samplePrint : std::wstring_view{};
}

}  // namespace vostrel
