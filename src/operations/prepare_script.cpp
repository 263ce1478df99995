#include "operations/prepare_script.h"

#include <array>

#include "i18n/result_codes.h"
#include "settings/catalogue.h"
#include "settings/listing_reader.h"
#include "ui/message_box.h"

namespace vostrel {
namespace {

// Send leaves these rows out whatever the user ticked, and puts their check
// boxes back afterwards.
constexpr std::array<int, 2> kNeverSent = {entry::kSensorLevel, entry::kPaperEndLevel};

bool CollectStandardRows(SettingsPage& standard, ScriptVariant variant) {
  if (variant != ScriptVariant::Send) return standard.CollectChecked();
  std::array<bool, kNeverSent.size()> wasChecked{};
  for (std::size_t i = 0; i < kNeverSent.size(); ++i) {
    wasChecked[i] = standard.IsRowChecked(kNeverSent[i]);
    standard.SetRowChecked(kNeverSent[i], false);
  }
  const bool collected = standard.CollectChecked();
  for (std::size_t i = 0; i < kNeverSent.size(); ++i) standard.SetRowChecked(kNeverSent[i], wasChecked[i]);
  return collected;
}

void Refuse(const ScriptPreparation& with, ResultCode code, const wchar_t* detail) {
  if (with.front) {
    with.front->ShowOutcome({code, kLinkOk, detail});
  } else {
    ReportCode(code, with.owner);
  }
}

}  // namespace

bool PrepareScript(const ScriptPreparation& with, ScriptVariant variant) {
  const bool advancedRows = variant == ScriptVariant::Export && with.advancedAccepted && with.advanced != nullptr;
  const bool withAdvanced = variant != ScriptVariant::Send && with.advancedAccepted;

  bool collected = CollectStandardRows(with.standard, variant);
  // The Advanced page is collected even when the Standard page gave rows.
  if (advancedRows && with.advanced->CollectChecked()) collected = true;
  if (!collected) {
    Refuse(with, ResultCode::kNothingSelected, L"no setting is ticked");
    return false;
  }

  with.store.textBuffer.clear();
  BuildScript(with.store, withAdvanced, with.script);
  ReadListing(with.store, ListingMode::Check);

  // Every page is asked, so that each paints all of its red captions.
  bool valid = with.standard.CheckedValid();
  if (advancedRows && !with.advanced->CheckedValid()) valid = false;
  if (!valid) {
    Refuse(with, ResultCode::kRejectedValue, L"a ticked setting holds a value the printer does not take");
    return false;
  }

  with.store.textBuffer.clear();
  BuildScript(with.store, withAdvanced, with.script);

  if (variant == ScriptVariant::Calibration) {
    // Only the closing line: a value such as a host name may end in "END" too.
    std::wstring& script = with.store.textBuffer;
    if (script.ends_with(kScriptEndLine)) script.resize(script.size() - kScriptEndLine.size());
    script.append(kCalibrationClosingLines);
  }
  return true;
}

}  // namespace vostrel
