#pragma once
// The question of the main window's close flow.

namespace vostrel {

// Asks "Exit program?" with Yes and No; returns the button pressed.
int AskExitProgram();

}  // namespace vostrel
