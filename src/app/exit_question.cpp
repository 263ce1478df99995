#include "app/exit_question.h"

#include <cstdint>

#include "ui/message_box.h"

namespace vostrel {
namespace {

constexpr std::int32_t kExitQuestionRow = 12;

}  // namespace

int AskExitProgram() { return ShowMessage(kExitQuestionRow, MB_YESNO | MB_ICONQUESTION); }

}  // namespace vostrel
