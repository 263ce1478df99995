// The status strip's words in Japanese: the link of each kind, the time a
// wait has taken or has left, and how a command ended.
#include "operations/status_words.h"

#include <gtest/gtest.h>

namespace vostrel {
namespace {

PreferencesRecord Link(PortKind kind, std::wstring name, std::wstring number = L"") {
  PreferencesRecord prefs;
  prefs.portKind = kind;
  prefs.portName = std::move(name);
  prefs.portNumber = std::move(number);
  return prefs;
}

TEST(StatusWords, TheLinkOfEachKind) {
  PreferencesRecord com = Link(PortKind::Com, L"COM3");
  com.baudRate = 19200;
  com.dataBits = 7;
  com.stopBitsCode = 2;
  com.parityCode = 1;
  com.flowControl = L"H";
  PreferencesRecord plainCom = Link(PortKind::Com, L"COM5");
  plainCom.parityCode = 2;
  const struct {
    PreferencesRecord prefs;
    const wchar_t* queuePort;
    const wchar_t* words;
  } cases[] = {
      {Link(PortKind::Net, L"192.168.0.50", L"9100"), L"", L"TCP 192.168.0.50:9100"},
      {Link(PortKind::Net, L"192.168.0.50"), L"", L"TCP 192.168.0.50:9100"},
      {Link(PortKind::Net, L"printer.local", L"6101"), L"", L"TCP printer.local:6101"},
      {com, L"", L"COM3 19200 7 2 O H"},
      {plainCom, L"", L"COM5 9600 8 1 E X"},
      {Link(PortKind::Usb, L"USB001"), L"", L"USB001"},
      {Link(PortKind::Prt, L"Office-VX"), L"USB001", L"プリンタ Office-VX (USB001)"},
      {Link(PortKind::Prt, L"Office-VX"), L"", L"プリンタ Office-VX"},
      {Link(PortKind::Prt, L""), L"USB001", L"インターフェース未選択"},
      {Link(PortKind::None, L"COM1"), L"", L"インターフェース未選択"},
  };
  for (const auto& c : cases) EXPECT_EQ(LinkInWords(c.prefs, c.queuePort), c.words) << c.prefs.portName;
}

TEST(StatusWords, SecondsUpToAMinuteThenMinutesAndSeconds) {
  const struct {
    int seconds;
    const wchar_t* words;
  } cases[] = {{0, L"0 秒"},       {12, L"12 秒"},       {59, L"59 秒"},
               {60, L"1 分 0 秒"}, {100, L"1 分 40 秒"}, {360, L"6 分 0 秒"}};
  for (const auto& c : cases) EXPECT_EQ(DurationInWords(c.seconds), c.words) << c.seconds;
}

TEST(StatusWords, AFailureIsItsCodeAndMessageOnOneLine) {
  const struct {
    ResultCode code;
    const wchar_t* words;
  } cases[] = {
      {ResultCode::kLinkNotOpened, L"失敗: code 30 ポートのオープンに失敗しました"},
      {ResultCode::kWriteFailed, L"失敗: code 31 転送中にエラーが発生しました。接続を確認して下さい"},
      {ResultCode::kExportFailed, L"失敗: code 22 ファイル出力エラーです"},
      {ResultCode::kCancelled, L"キャンセルしました"},
  };
  for (const auto& c : cases) EXPECT_EQ(FailureInWords(c.code), c.words) << static_cast<int>(c.code);
}

TEST(StatusWords, WhatACommandDid) {
  const struct {
    CommandDone done;
    const wchar_t* words;
  } cases[] = {
      {CommandDone(CommandDoneKind::Sent, 12), L"10:42 に 12 件の設定を TCP 10.0.0.5:9100 へ送信しました"},
      {CommandDone(CommandDoneKind::Received, 86), L"10:42 に 86 件の設定を受信しました"},
      {CommandDone(CommandDoneKind::Exported, 0, L"D:\\cfg\\line3.prn"), L"D:\\cfg\\line3.prn にエクスポートしました"},
      {CommandDone(CommandDoneKind::SelfTestSent), L"セルフ印刷を送信しました"},
  };
  for (const auto& c : cases) EXPECT_EQ(DoneInWords(c.done, L"TCP 10.0.0.5:9100", L"10:42"), c.words);
}

}  // namespace
}  // namespace vostrel
