#include "operations/print_action.h"

#include <windows.h>

#include <string>
#include <vector>

#include "pages/print_page.h"
#include "platform/ansi_text.h"
#include "platform/unique_handle.h"
#include "protocol/command_set.h"
#include "settings/config_script.h"
#include "settings/reply_readers.h"

namespace vostrel {
namespace {

constexpr int kSelfTest = 0;
constexpr int kSendFile = 2;

ExchangeOutcome WriteFailure(LinkStatus status, const wchar_t* what) {
  return {ResultCode::kWriteFailed, status,
          std::wstring(what) + L" was not written (status " + std::to_wstring(status) + L")"};
}

// The listing's command language: asked for with the standard request,
// read until its END line. A listing that does not come names no language.
EmulationCode AskEmulation(SettingsStore& store, PrinterExchange::Session& session, ExchangeOutcome& outcome) {
  store.textBuffer.clear();
  BuildRequest(store, RequestKind::Configuration);
  store.emulationRequest = store.textBuffer;
  SendBuffer buffer{};
  const Outgoing built = BuildOutgoing(buffer, store.emulationRequest, PrefixUse::WithPrefix);
  const LinkStatus status = WritePlain(session, std::string_view(buffer.data(), built.byteCount));
  if (status != kLinkOk) {
    outcome = WriteFailure(status, L"the emulation request");
    return EmulationCode::Unknown;
  }
  // The language line stands near the listing's end: one cut short by its
  // room cannot name it.
  std::string reply;
  if (outcome = session.ReadListing(reply); !outcome.done()) return EmulationCode::Unknown;
  store.emulationReply = AnsiToWide(reply);
  return ReadEmulationCode(store);
}

}  // namespace

LinkStatus WritePlain(PrinterExchange::Session& session, std::string_view bytes) {
  if (bytes.empty()) return kLinkOk;
  return session.Write(bytes);
}

LinkStatus SendPieces(HANDLE file, std::uint64_t length, const std::function<LinkStatus(std::string_view)>& write) {
  std::vector<char> piece(kPrintFilePiece);
  for (std::uint64_t sent = 0; sent < length;) {
    DWORD got = 0;
    if (!::ReadFile(file, piece.data(), kPrintFilePiece, &got, nullptr) || got == 0) break;
    if (const LinkStatus status = write(std::string_view(piece.data(), got)); status != kLinkOk) return status;
    sent += got;
  }
  return kLinkOk;
}

bool OpenForPrint(const CommandContext& context, DirectPortScope& direct, PrinterExchange::Session& session) {
  if (session.Open(TimeoutClass::kNormal)) return true;
  const ExchangeOutcome outcome = session.NotOpened();
  session.Close();
  direct.Restore();
  context.front.ShowOutcome(outcome);
  return false;
}

void RunPrintAction(const CommandHost& host) {
  CDlgTabPrint* page = host.window.Pages().print;
  if (!page) return;
  if (page->printModeIndex() == kSendFile) {
    SendPrintFile(host);
    return;
  }
  if (!AskYes(host.context, Row(MessageRow::kPrintQuestion))) return;

  SettingsStore& store = host.context.store;
  store.modelIndex = host.window.Model();
  DirectPortScope direct(host.window);
  PrinterExchange exchange = ExchangeOf(host.context);
  PrinterExchange::Session session(exchange);
  if (!OpenForPrint(host.context, direct, session)) return;

  ExchangeOutcome outcome;
  bool printed = false;
  const EmulationCode code = AskEmulation(store, session, outcome);
  if (outcome.done()) {
    const std::wstring_view command = page->printModeIndex() == kSelfTest ? SelfTestText(code) : SamplePrintText(code);
    // An unknown language has no command: nothing is written, nothing said.
    SendBuffer buffer{};
    const Outgoing built = BuildOutgoing(buffer, command, PrefixUse::WithoutPrefix);
    const LinkStatus status = WritePlain(session, std::string_view(buffer.data(), built.byteCount));
    if (status != kLinkOk) outcome = WriteFailure(status, L"the print command");
    printed = status == kLinkOk && built.byteCount > 0;
  }
  session.Close();
  direct.Restore();
  host.context.front.ShowOutcome(outcome);
  if (printed) {
    host.window.ReportDone(
        CommandDone(page->printModeIndex() == kSelfTest ? CommandDoneKind::SelfTestSent : CommandDoneKind::SampleSent));
  }
}

void SendPrintFile(const CommandHost& host) {
  CDlgTabPrint* page = host.window.Pages().print;
  if (!page) return;
  SettingsStore& store = host.context.store;
  store.printFilePath = page->filePathText();
  if (store.printFilePath.empty()) {
    // A file chosen here is sent without a further question.
    if (!page->Browse()) return;
  } else if (!AskYes(host.context, Row(MessageRow::kPrintQuestion))) {
    return;
  }

  DirectPortScope direct(host.window);
  PrinterExchange exchange = ExchangeOf(host.context);
  PrinterExchange::Session session(exchange);
  if (!OpenForPrint(host.context, direct, session)) return;

  ExchangeOutcome outcome;
  // Read whole, with nobody writing it meanwhile.
  ScopedHandle file(::CreateFileW(store.printFilePath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    outcome = {ResultCode::kFileNotOpened, kLinkOk, L"the file '" + store.printFilePath + L"' did not open"};
  } else {
    LARGE_INTEGER size{};
    const std::uint64_t length = ::GetFileSizeEx(file.get(), &size) ? static_cast<std::uint64_t>(size.QuadPart) : 0;
    const LinkStatus status =
        SendPieces(file.get(), length, [&session](std::string_view piece) { return WritePlain(session, piece); });
    if (status != kLinkOk) outcome = WriteFailure(status, L"a piece of the file");
  }
  file.reset();
  session.Close();
  direct.Restore();
  host.context.front.ShowOutcome(outcome);
  if (outcome.done()) host.window.ReportDone(CommandDone(CommandDoneKind::FileSent, 0, store.printFilePath));
}

}  // namespace vostrel
