#include "operations/status_words.h"

#include "i18n/text_table.h"

namespace vostrel {
namespace {

std::wstring Number(int value) { return std::to_wstring(value); }

wchar_t ParityLetter(std::uint8_t code) {
  switch (code) {
    case 1: return L'O';
    case 2: return L'E';
    default: return L'N';
  }
}

// A message's text after its "code : NN" line, its lines joined by spaces,
// without the closing full stop of either script.
std::wstring MessageInOneLine(std::wstring text) {
  if (const std::size_t lineEnd = text.find(L"\r\n"); text.starts_with(L"code : ") && lineEnd != std::wstring::npos) {
    text.erase(0, lineEnd + 2);
  }
  std::wstring line;
  for (const wchar_t c : text) {
    if (c == L'\r') continue;
    line += c == L'\n' ? L' ' : c;
  }
  while (!line.empty() && (line.back() == L'.' || line.back() == L'。' || line.back() == L' ')) line.pop_back();
  return line;
}

}  // namespace

std::wstring LinkInWords(const PreferencesRecord& prefs, std::wstring_view queuePort) {
  switch (prefs.portKind) {
    case PortKind::Net:
      return L"TCP " + prefs.portName + L":" + (prefs.portNumber.empty() ? kDefaultNetPort : prefs.portNumber);
    case PortKind::Com:
      return prefs.portName + L" " + Number(prefs.baudRate) + L" " + Number(prefs.dataBits) + L" " +
             (prefs.stopBitsCode == 2 ? L"2" : L"1") + L" " + ParityLetter(prefs.parityCode) + L" " + prefs.flowControl;
    case PortKind::Usb: return prefs.portName;
    case PortKind::Prt:
      if (prefs.portName.empty()) break;
      if (queuePort.empty()) return FillText(GetText(StatusText::kQueueLinkWithoutPort), {prefs.portName});
      return FillText(GetText(StatusText::kQueueLink), {prefs.portName, queuePort});
    default: break;
  }
  return GetText(StatusText::kNoLink);
}

std::wstring DurationInWords(int seconds) {
  if (seconds < 60) return FillText(GetText(StatusText::kSeconds), {Number(seconds)});
  return FillText(GetText(StatusText::kMinutesAndSeconds), {Number(seconds / 60), Number(seconds % 60)});
}

std::wstring FailureInWords(ResultCode code) {
  if (code == ResultCode::kCancelled) return GetText(StatusText::kCancelled);
  return FillText(GetText(StatusText::kFailed),
                  {Number(static_cast<int>(code)), MessageInOneLine(CodeMessageText(code))});
}

std::wstring DoneInWords(const CommandDone& done, std::wstring_view link, std::wstring_view timeOfDay) {
  const std::wstring settings = Number(done.settings);
  switch (done.kind) {
    case CommandDoneKind::Sent: return FillText(GetText(StatusText::kSent), {settings, link, timeOfDay});
    case CommandDoneKind::Received: return FillText(GetText(StatusText::kReceived), {settings, timeOfDay});
    case CommandDoneKind::InformationReceived: return FillText(GetText(StatusText::kInformationReceived), {timeOfDay});
    case CommandDoneKind::Imported: return FillText(GetText(StatusText::kImported), {settings, done.where});
    case CommandDoneKind::Exported: return FillText(GetText(StatusText::kExported), {done.where});
    case CommandDoneKind::SelfTestSent: return GetText(StatusText::kSelfTestSent);
    case CommandDoneKind::SampleSent: return GetText(StatusText::kSampleSent);
    case CommandDoneKind::FileSent: return FillText(GetText(StatusText::kFileSent), {done.where});
    case CommandDoneKind::SensorAdjusted: return GetText(StatusText::kSensorAdjusted);
    case CommandDoneKind::SensorNotAdjusted: return GetText(StatusText::kSensorNotAdjusted);
    case CommandDoneKind::RfidCalibrated: return GetText(StatusText::kRfidCalibrated);
    case CommandDoneKind::RfidNotCalibrated: return GetText(StatusText::kRfidNotCalibrated);
    case CommandDoneKind::NoRfid: return GetText(StatusText::kNoRfid);
  }
  return {};
}

}  // namespace vostrel
