// The print action on the real Print page, against the printer simulator
// over TCP: the emulation check and each language's commands on the wire,
// files sent as they stand, and the messages of each failure.
#include "operations/print_action.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "operations/flow_host.h"
#include "protocol/command_set.h"
#include "support/file_dialog_driver.h"

namespace vostrel::testing {
namespace {

using testing_support::FileDialogDriver;
using testing_support::MessageBoxCatcher;

constexpr const wchar_t* kAsk = L"印刷を実行しますか？";
const std::string kRequest = std::string(kCommandPrefix) + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n";

class PrintAction : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(host.Create(PrinterModel::Vx120Zkq)); }

  void ChooseMode(int mode) {
    ::SendMessageW(host.print.Item(CDlgTabPrint::kActionRadios[static_cast<size_t>(mode)]), BM_CLICK, 0, 0);
    ASSERT_EQ(host.print.printModeIndex(), mode);
  }
  void SetPath(const std::wstring& path) { ui::Control(host.print.Item(IDC_PRINT_FILE_PATH)).SetText(path); }

  std::vector<std::wstring> Run(std::vector<int> answers = {IDYES}) {
    MessageBoxCatcher catcher(std::move(answers));
    RunPrintAction(host.ForCommand());
    return TextsOf(catcher.Boxes());
  }

  std::wstring WriteFile(const char* name, const std::string& bytes) {
    const fs::path path = folder.path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.wstring();
  }

  ScratchFolder folder;
  HurriedClock clock;
  FlowHost host{clock};
};

TEST_F(PrintAction, SelfTestAndSampleInTheListingsLanguage) {
  const struct {
    const wchar_t* emulation;
    std::string selfTest, sample;
  } cases[] = {
      {L"CODE_ZEBRA", "~WC\n", "~!Q4\n"},
      {L"CODE_EPL", "U\n", "~!Q4\n"},
      {L"CODE_TELMARO", "\x02Z\r\n", "\x02\x1bQ4\r\n"},
      // No emulation line: nothing is printed, nothing said.
      {L"none", "", ""},
  };
  for (const auto& c : cases) {
    for (const int mode : {0, 1}) {
      SCOPED_TRACE(std::wstring(c.emulation) + L" " + std::to_wstring(mode));
      Simulator sim(1, L"--emulation " + std::wstring(c.emulation));
      ASSERT_NE(sim.port(), 0);
      host.ChooseNet(sim.port());
      ChooseMode(mode);
      host.outcomes.clear();
      EXPECT_EQ(Run(), std::vector<std::wstring>{kAsk});
      EXPECT_EQ(sim.Captured(1, "in"), kRequest + (mode == 0 ? c.selfTest : c.sample));
      EXPECT_TRUE(sim.Captured(1, "out").ends_with("END\r\n"));
      ASSERT_EQ(host.outcomes.size(), 1u);
      EXPECT_TRUE(host.outcomes[0].done());
      host.ExpectLinkPutBack(false);
    }
  }
}

TEST_F(PrintAction, TheLanguageIsReadFromTheWholeListingAndACutListingIs32) {
  // A newer printer's listing, its language line past the first 4095 bytes.
  {
    Simulator sim(1, L"--long-reply --emulation CODE_EPL");
    ASSERT_NE(sim.port(), 0);
    host.ChooseNet(sim.port());
    ChooseMode(0);
    host.outcomes.clear();
    EXPECT_EQ(Run(), std::vector<std::wstring>{kAsk});
    const std::string listing = sim.Captured(1, "out");
    ASSERT_GT(listing.find("MACHINE EMULATION CODE"), 4095u);
    ASSERT_LT(listing.size(), 8191u);
    EXPECT_EQ(sim.Captured(1, "in"), kRequest + "U\n");
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_TRUE(host.outcomes[0].done());
  }
  // One longer than the room: nothing printed, and the failed read said.
  {
    Simulator sim(1, L"--listing-size 9000 --emulation CODE_EPL");
    ASSERT_NE(sim.port(), 0);
    host.ChooseNet(sim.port(), true);
    host.outcomes.clear();
    const auto texts = Run();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_TRUE(texts[1].starts_with(L"code : 32\r\n")) << texts[1];
    EXPECT_EQ(sim.Captured(1, "in"), kRequest);
    EXPECT_EQ(sim.Jobs(), 0);
    ASSERT_EQ(host.outcomes.size(), 1u);
    EXPECT_EQ(host.outcomes[0].code, ResultCode::kReadFailed);
    host.ExpectLinkPutBack(true);
  }
}

TEST_F(PrintAction, AQueueIsChosenAgainAndNoSendsNothing) {
  Simulator sim(1, L"--emulation CODE_EPL");
  ASSERT_NE(sim.port(), 0);
  host.ChooseNet(sim.port(), true);
  ChooseMode(0);
  EXPECT_EQ(Run({IDNO}), std::vector<std::wstring>{kAsk});
  EXPECT_EQ(host.directSwitches, 0);
  EXPECT_EQ(Run(), std::vector<std::wstring>{kAsk});
  EXPECT_EQ(sim.Captured(1, "in"), kRequest + "U\n");
  host.ExpectLinkPutBack(true);
}

TEST_F(PrintAction, AFileGoesOutUnchangedInPiecesOf1024) {
  std::string bytes(2500, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xff);
  const std::wstring path = WriteFile("job.prn", bytes);

  // The pieces, each one write.
  {
    ScopedHandle file(::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(file.valid());
    std::vector<std::size_t> sizes;
    std::string sent;
    EXPECT_EQ(SendPieces(file.get(), bytes.size(),
                         [&](std::string_view piece) {
                           sizes.push_back(piece.size());
                           sent += piece;
                           return kLinkOk;
                         }),
              kLinkOk);
    EXPECT_EQ(sizes, (std::vector<std::size_t>{1024, 1024, 452}));
    EXPECT_EQ(sent, bytes);
  }
  // A write that fails ends the sending with its status.
  {
    ScopedHandle file(::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    int writes = 0;
    EXPECT_EQ(SendPieces(file.get(), bytes.size(),
                         [&](std::string_view) { return ++writes == 2 ? kLinkWriteTimedOut : kLinkOk; }),
              kLinkWriteTimedOut);
    EXPECT_EQ(writes, 2);
  }

  // On the wire, without the prefix and without a question about the language.
  Simulator sim(1);
  ASSERT_NE(sim.port(), 0);
  host.ChooseNet(sim.port(), true);
  ChooseMode(2);
  SetPath(path);
  EXPECT_EQ(Run(), std::vector<std::wstring>{kAsk});
  EXPECT_EQ(sim.Captured(1, "in"), bytes);
  EXPECT_EQ(host.store.printFilePath, path);
  host.ExpectLinkPutBack(true);
}

TEST_F(PrintAction, AnEmptyFileSendsNothingAndAFileThatDoesNotOpenIs80Then81) {
  Simulator sim(2);
  ASSERT_NE(sim.port(), 0);
  host.ChooseNet(sim.port(), true);
  ChooseMode(2);
  SetPath(WriteFile("empty.prn", ""));
  EXPECT_EQ(Run(), std::vector<std::wstring>{kAsk});
  EXPECT_EQ(sim.Captured(1, "in"), "");
  host.ExpectLinkPutBack(true);

  // Held open by another without sharing.
  const std::wstring locked = WriteFile("locked.prn", "data");
  ScopedHandle holder(::CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(holder.valid());
  SetPath(locked);
  const auto texts = Run();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], kAsk);
  EXPECT_TRUE(texts[1].starts_with(L"code : 80")) << texts[1];
  EXPECT_TRUE(texts[2].starts_with(L"code : 81")) << texts[2];
  EXPECT_EQ(sim.Captured(2, "in"), "");
  host.ExpectLinkPutBack(true);
}

TEST_F(PrintAction, WithoutAPathTheFileDialogChoosesAndTheFileGoesAtOnce) {
  const std::string bytes = "^XA^FO50,50^FDchosen^FS^XZ";
  const std::wstring path = WriteFile("chosen.prn", bytes);
  Simulator sim(1);
  ASSERT_NE(sim.port(), 0);
  host.ChooseNet(sim.port());
  ChooseMode(2);
  SetPath(L"");
  const auto run = [&](const std::wstring& answer) {
    FileDialogDriver dialogs({answer});
    const auto texts = Run();
    dialogs.Stop();
    EXPECT_EQ(dialogs.Seen().size(), 1u);
    return texts;
  };
  // Cancelled: nothing.
  EXPECT_TRUE(run(L"").empty());
  EXPECT_FALSE(sim.HasConnection(1));
  // Chosen: sent without a question; the path is shown and its folder kept.
  EXPECT_TRUE(run(path).empty());
  EXPECT_EQ(sim.Captured(1, "in"), bytes);
  EXPECT_EQ(host.print.filePathText(), path);
  EXPECT_EQ(host.prefs.defaultFolder, folder.path().wstring() + L"\\");
  host.ExpectLinkPutBack(false);
}

TEST_F(PrintAction, AFileToAPrinterThatStoppedReadingIs31AndTheLinkCloses) {
  // More than the socket buffers of both ends hold.
  const std::wstring path = WriteFile("big.prn", std::string(8u << 20, 'B'));
  Simulator sim(1, L"--never-read");
  ASSERT_NE(sim.port(), 0);
  host.ChooseNet(sim.port(), true);
  ChooseMode(2);
  SetPath(path);
  host.outcomes.clear();
  const auto texts = Run();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], kAsk);
  EXPECT_TRUE(texts[1].starts_with(L"code : 31\r\n")) << texts[1];
  ASSERT_EQ(host.outcomes.size(), 1u);
  EXPECT_EQ(host.outcomes[0].code, ResultCode::kWriteFailed);
  EXPECT_EQ(host.outcomes[0].linkStatus, kLinkWriteTimedOut);
  EXPECT_FALSE(host.link.socket.valid());
  host.ExpectLinkPutBack(true);
}

TEST_F(PrintAction, ALinkThatDoesNotOpenIsCode30) {
  PreferencesRecord none;
  none.portKind = PortKind::Net;
  none.portName = L"127.0.0.1";
  none.portNumber = L"1";
  host.ChoosePort(none, true);
  ChooseMode(1);
  const auto texts = Run();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_TRUE(texts[1].starts_with(L"code : 30\r\n")) << texts[1];
  host.ExpectLinkPutBack(true);
}

}  // namespace
}  // namespace vostrel::testing
