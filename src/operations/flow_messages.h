#pragma once
// What the command flows show: their questions and results from the text
// table, and the end of a command on the window's front.

#include <windows.h>

#include "i18n/text_table.h"
#include "operations/command_host.h"
#include "operations/printer_exchange.h"

namespace vostrel {

// Asks a question of the text table with Yes and No; true for Yes (or OK).
bool AskQuestion(CommandHost& host, TextId question);

// Shows a text of the text table in an OK box with `icon`.
void ShowResult(CommandHost& host, TextId text, UINT icon);

// A command is over (the link closed, the queue chosen again): the front
// shows how it ended (a failure as its code's message).
void FinishCommand(CommandHost& host, const ExchangeOutcome& outcome);

}  // namespace vostrel
