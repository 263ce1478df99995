#include "operations/sensor_adjustment.h"

#include <string>

#include "i18n/guide_rows.h"
#include "operations/command_flow.h"
#include "operations/prepare_script.h"
#include "pages/standard_page.h"
#include "platform/ansi_text.h"
#include "protocol/command_set.h"
#include "settings/reply_readers.h"

namespace vostrel {
namespace {

constexpr TextId kAskStart = GuideText(kGuideAskSensorAdjustment);
constexpr TextId kSucceeded = GuideText(kGuideSensorAdjustmentDone);
constexpr TextId kFailed = GuideText(kGuideSensorAdjustmentFailed);

// The answer is read from its first "A" within its first three bytes: a
// printer may put an empty line in front of the result line.
constexpr std::size_t kResultStartWindow = 3;

bool AdjustmentSucceeded(SettingItem& result) {
  return result.selected == 1 && result.invalid == 0 && result.choice == 0;
}

}  // namespace

void StartSensorAdjustment(const CommandHost& host) {
  SettingsStore& store = host.context.store;
  store.modelIndex = host.window.Model();
  store.ClearValues();
  if (!AskYes(host.context, kAskStart)) return;

  const CommandPages pages = host.window.Pages();
  UncheckSettingsPages(host.window);
  host.window.HandCalibrationMedia();
  RunSensorAdjustment(host);
  if (pages.standard) pages.standard->UncheckAll();
}

void RunSensorAdjustment(const CommandHost& host) {
  SettingsStore& store = host.context.store;
  if (!host.window.Pages().standard) return;
  if (!PrepareScript(PreparationOf(host), ScriptVariant::Calibration)) return;

  SendBuffer buffer{};
  const Outgoing built = BuildOutgoing(buffer, store.textBuffer, PrefixUse::WithPrefix);

  ExchangeOutcome outcome;
  std::string reply;
  {
    DirectPortScope direct(host.window);
    if (built.status != OutgoingStatus::Ready) {
      outcome = {ResultCode::kWriteFailed, kLinkOk, L"the script does not fit the send buffer"};
    } else {
      // The answer must not meet a result of an earlier command.
      store.ClearValues();
      PrinterExchange exchange = ExchangeOf(host.context);
      outcome = exchange.Run(ExchangeRequest{.timeouts = TimeoutClass::kLong,
                                             .bytes = std::string_view(buffer.data(), built.byteCount),
                                             .notWritten = L"the sensor adjustment was not written",
                                             .readsReply = true,
                                             .rule = ReplyRule::kAnyReply,
                                             .replyName = L"answer"},
                             reply);
    }
    direct.Restore();
  }
  if (outcome.done()) {
    const std::size_t first = reply.substr(0, kResultStartWindow).find('A');
    if (first == std::string::npos) {
      outcome = {ResultCode::kReadFailed, kLinkOk, L"the answer does not begin with its result line"};
    } else {
      store.textBuffer = AnsiToWide(std::string_view(reply).substr(first));
      if (ReadCalibrationResult(store)) {
        outcome = {ResultCode::kReadFailed, kLinkOk, L"the answer holds another line than its result"};
      }
    }
  }
  // The link is closed and the queue chosen again before anything is shown.
  host.context.front.ShowOutcome(outcome);
  if (!outcome.done()) return;
  if (AdjustmentSucceeded(store.calibrationResult())) {
    host.window.ReportDone(CommandDone(CommandDoneKind::SensorAdjusted));
    ShowText(host.context, kSucceeded, MB_ICONINFORMATION);
  } else {
    host.window.ReportDone(CommandDone(CommandDoneKind::SensorNotAdjusted));
    ShowText(host.context, kFailed, MB_ICONERROR);
  }
}

}  // namespace vostrel
