#pragma once
// The program's objects a command works with, the same for every command of
// a run: plain references, so that what only needs them (a question, the
// exchange, a file dialog) needs no window.

#include <windows.h>

namespace vostrel {

class Clock;
class ExchangeFront;
class PrinterLink;
class SettingsStore;
struct PreferencesRecord;
struct ReplyKeyTexts;

struct CommandContext {
  // Owner of the message boxes and file dialogs.
  HWND owner;
  SettingsStore& store;
  PreferencesRecord& prefs;
  PrinterLink& link;
  // The key texts of the information and RFID replies, kept for the run.
  ReplyKeyTexts& replyTexts;
  // Every wait of a command goes through this clock; the window's clock keeps
  // the window painted while it sleeps.
  Clock& clock;
  // Shows the pause's countdown and, at the end, the outcome of an exchange.
  ExchangeFront& front;
};

}  // namespace vostrel
