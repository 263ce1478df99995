#include "operations/receive_configuration.h"

#include "i18n/language.h"
#include "operations/command_flow.h"
#include "pages/advanced_page.h"
#include "pages/information_page.h"
#include "pages/standard_page.h"
#include "platform/ansi_text.h"
#include "settings/listing_reader.h"
#include "settings/reply_readers.h"

namespace vostrel {
namespace {

// The serial number and the counters onto the Information page.
ExchangeOutcome ShowInformation(const CommandHost& host, const std::string& reply) {
  SettingsStore& store = host.context.store;
  store.textBuffer = AnsiToWide(reply);
  ReadInformation(store, host.context.replyTexts);
  if (CDlgTabInformation* information = host.window.Pages().information) information->ShowStored();
  return {};
}

// The listing onto the Standard, Advanced and Easy pages, the Standard
// page's rows ticked; `settings` the number read.
ExchangeOutcome ShowListing(const CommandHost& host, const ReceivedListing& listing, int& settings) {
  SettingsStore& store = host.context.store;
  store.textBuffer = ListingText(listing);
  ReadListing(store, ListingMode::Read);
  settings = ReadSettingCount(store);

  const CommandPages pages = host.window.Pages();
  UncheckSettingsPages(host.window);
  ReadRfidValues(store, host.context.replyTexts);
  store.textBuffer.clear();

  bool shown = true;
  if (pages.standard) shown = pages.standard->ShowStored();
  // The Advanced page shows the printer's values too, so that it never shows
  // another printer's next to this one's; unticked, and what it cannot show
  // does not decide the outcome.
  if (pages.advanced) pages.advanced->ShowReceived();
  host.window.HandStandardToEasy();
  if (pages.standard) pages.standard->ShowMediaSensorText();
  if (!shown) return ExchangeOutcome{ResultCode::kReadFailed, kLinkOk, L"a received value cannot be shown"};
  return {};
}

}  // namespace

void ReceiveConfiguration(const CommandHost& host) {
  SettingsStore& store = host.context.store;
  const PrinterModel model = host.window.Model();
  store.modelIndex = model;
  if (!AskYes(host.context, Row(MessageRow::kReceiveQuestion))) return;

  const CommandPages pages = host.window.Pages();
  if (pages.information) pages.information->ApplyModel(model, CurrentLanguage());
  store.ClearValues();
  const bool information = host.window.VisiblePage() == PageId::Information;
  SendBuffer buffer;
  const std::string_view request =
      BuildRequestBytes(store, information ? RequestKind::Information : RequestKind::Configuration, buffer);

  ExchangeOutcome outcome;
  std::string reply;
  ReceivedListing listing;
  {
    DirectPortScope port(host.window);
    PrinterExchange exchange = ExchangeOf(host.context);
    if (request.empty()) {
      outcome = ExchangeOutcome{ResultCode::kWriteFailed, kLinkOk, L"the request does not fit the send buffer"};
    } else if (information) {
      outcome = exchange.ReceiveInformation(request, reply);
    } else {
      outcome = exchange.ReceiveListing(request, listing);
    }
    // The link is closed; the queue is chosen again before anything is shown.
  }
  int settings = 0;
  if (outcome.done()) outcome = information ? ShowInformation(host, reply) : ShowListing(host, listing, settings);
  host.context.front.ShowOutcome(outcome);
  if (!outcome.done()) return;
  host.window.ReportDone(information ? CommandDone(CommandDoneKind::InformationReceived)
                                     : CommandDone(CommandDoneKind::Received, settings));
}

}  // namespace vostrel
