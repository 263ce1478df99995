#include "operations/send_configuration.h"

#include "operations/command_flow.h"
#include "pages/standard_page.h"
#include "settings/catalogue.h"

namespace vostrel {

void SendConfiguration(const CommandHost& host) {
  SettingsStore& store = host.context.store;
  store.modelIndex = host.window.Model();
  store.ClearValues();
  CDlgTabStandard* standard = host.window.Pages().standard;
  if (standard == nullptr) return;

  // The Standard page carries what is sent. From the Easy tab it holds
  // exactly what the Easy page shows; from the Standard and Advanced tabs its
  // hidden Media Sensor row is never sent.
  const PageId tab = host.window.VisiblePage();
  const bool withoutMediaSensor = tab == PageId::Standard || tab == PageId::Advanced;
  bool mediaSensorTicked = false;
  if (tab == PageId::Easy) {
    standard->UncheckAll();
    host.window.HandEasyToStandard();
  } else if (withoutMediaSensor) {
    mediaSensorTicked = standard->IsRowChecked(entry::kMediaSensor);
    if (mediaSensorTicked) standard->SetRowChecked(entry::kMediaSensor, false);
  }

  const bool prepared = PrepareScript(PreparationOf(host), ScriptVariant::Send);
  standard->ShowSent();
  if (withoutMediaSensor) standard->SetRowChecked(entry::kMediaSensor, mediaSensorTicked);
  if (!prepared) return;

  if (!AskYes(host.context, Row(MessageRow::kSendQuestion))) return;
  host.window.CollectLinkChoice();

  const int settings = ScriptSettingCount(store.textBuffer);
  SendBuffer buffer;
  const Outgoing outgoing = BuildOutgoing(buffer, store.textBuffer, PrefixUse::WithPrefix);
  ExchangeOutcome outcome;
  if (outgoing.status != OutgoingStatus::Ready) {
    // Refused whole rather than cut: nothing is written.
    outcome = ExchangeOutcome{ResultCode::kWriteFailed, kLinkOk, L"the script does not fit the send buffer"};
  } else {
    outcome = ExchangeOf(host.context).Send(std::string_view(buffer.data(), outgoing.byteCount));
  }
  host.context.front.ShowOutcome(outcome);
  if (outcome.done()) host.window.ReportDone(CommandDone(CommandDoneKind::Sent, settings));
}

}  // namespace vostrel
