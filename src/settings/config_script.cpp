#include "settings/config_script.h"

#include "settings/printer_model.h"

namespace vostrel {
namespace {

void AppendLine(std::wstring& out, std::wstring_view keyword, std::wstring_view value) {
  out.append(keyword).append(kFieldSeparator).append(value).append(kLineEnd);
}

}  // namespace

void BuildScript(SettingsStore& store, bool withAdvanced, const ScriptContext& context) {
  const bool fixReflectKeywords = context.language == Language::Japanese && context.model == kPrinterModels[0];
  const int last = withAdvanced ? kLastAdvancedEntry : kLastStandardEntry;
  std::wstring& out = store.textBuffer;

  for (int n = 0; n <= last; ++n) {
    const SlotInfo& row = kSlotCatalogue[static_cast<size_t>(n)];
    const ScriptEntry& entry = store.scriptEntries[static_cast<size_t>(n)];
    const SettingItem& item = *entry.item;
    if (item.selected != 1) continue;

    switch (row.form) {
      case LineForm::NeverWritten: break;
      case LineForm::Doubled:
        AppendLine(out, entry.keyword, item.value);
        AppendLine(out, row.secondKeyword, item.value);
        break;
      case LineForm::MiddleUnitWord:
        out.append(entry.keyword).append(kFieldSeparator).append(entry.unitSuffix);
        out.append(L"\t").append(item.value).append(kLineEnd);
        break;
      case LineForm::SwitchThenValue:
        AppendLine(out, entry.keyword, item.secondValue);
        AppendLine(out, row.secondKeyword, item.value);
        break;
      case LineForm::Plain: {
        const bool replace = fixReflectKeywords && !row.japaneseFirstModelKeyword.empty();
        out.append(replace ? row.japaneseFirstModelKeyword : entry.keyword);
        out.append(kFieldSeparator).append(item.value);
        if (!item.secondValue.empty()) out.append(L"\t").append(item.secondValue);
        out.append(entry.unitSuffix).append(kLineEnd);
        break;
      }
    }
  }
  out.append(kScriptEndLine);
}

void BuildRequest(SettingsStore& store, RequestKind kind) {
  store.textBuffer.assign(kind == RequestKind::Configuration ? kConfigurationRequest : kInformationRequest);
}

}  // namespace vostrel
