#include "app/exit_question.h"

#include "ui/message_box.h"

namespace vostrel {

int AskExitProgram() { return ShowMessage(MessageRow::kExitQuestion, MB_YESNO | MB_ICONQUESTION); }

}  // namespace vostrel
