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
ExchangeOutcome ShowInformation(CommandHost& host, const std::string& reply) {
  SettingsStore& store = host.Store();
  store.textBuffer = AnsiToWide(reply);
  ReadInformation(store, host.ReplyTexts());
  if (CDlgTabInformation* information = host.Pages().information) information->ShowStored();
  return {};
}

// The listing onto the Standard, Advanced and Easy pages, the Standard
// page's rows ticked; `settings` the number read.
ExchangeOutcome ShowListing(CommandHost& host, const ReceivedListing& listing, int& settings) {
  SettingsStore& store = host.Store();
  store.textBuffer = ListingText(listing);
  ReadListing(store, ListingMode::Read);
  settings = ReadSettingCount(store);

  const CommandPages pages = host.Pages();
  UncheckSettingsPages(host);
  ReadRfidValues(store, host.ReplyTexts());
  store.textBuffer.clear();

  bool shown = true;
  if (pages.standard) shown = pages.standard->ShowStored();
  // The Advanced page shows the printer's values too, so that it never shows
  // another printer's next to this one's; unticked, and what it cannot show
  // does not decide the outcome.
  if (pages.advanced) pages.advanced->ShowReceived();
  host.HandStandardToEasy();
  if (pages.standard) pages.standard->ShowMediaSensorText();
  if (!shown) return ExchangeOutcome{ResultCode::kReadFailed, kLinkOk, L"a received value cannot be shown"};
  return {};
}

}  // namespace

void ReceiveConfiguration(CommandHost& host) {
  SettingsStore& store = host.Store();
  const PrinterModel model = host.Model();
  store.modelIndex = model;
  if (!AskYes(host.Context(), Row(MessageRow::kReceiveQuestion))) return;

  const CommandPages pages = host.Pages();
  if (pages.information) pages.information->ApplyModel(model, CurrentLanguage());
  store.ClearValues();
  const bool information = host.VisiblePage() == PageId::Information;
  SendBuffer buffer;
  const std::string_view request =
      BuildRequestBytes(store, information ? RequestKind::Information : RequestKind::Configuration, buffer);

  ExchangeOutcome outcome;
  std::string reply;
  ReceivedListing listing;
  {
    DirectPortScope port(host);
    PrinterExchange exchange = ExchangeOf(host.Context());
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
  host.Front().ShowOutcome(outcome);
  if (!outcome.done()) return;
  host.ReportDone(information ? CommandDone(CommandDoneKind::InformationReceived)
                              : CommandDone(CommandDoneKind::Received, settings));
}

}  // namespace vostrel
