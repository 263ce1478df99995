#include "operations/flow_messages.h"

#include "ui/message_box.h"

namespace vostrel {

bool AskQuestion(CommandHost& host, TextId question) {
  const int answer = ShowTextMessage(GetText(question), MB_YESNO | MB_ICONEXCLAMATION, host.Owner());
  return answer == IDYES || answer == IDOK;
}

void ShowResult(CommandHost& host, TextId text, UINT icon) {
  ShowTextMessage(GetText(text), MB_OK | icon, host.Owner());
}

void FinishCommand(CommandHost& host, const ExchangeOutcome& outcome) { host.Front().ShowOutcome(outcome); }

}  // namespace vostrel
