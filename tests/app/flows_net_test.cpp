// Send and Receive from the main window, in this process, against the
// printer simulator on loopback TCP (its capture folder holds the bytes on
// the wire), and against a stand-in that answers what the simulator cannot:
// what goes out, what the pages show afterwards, and each fault's code with
// the link closed and a printer queue chosen again.
#include <gtest/gtest.h>

#include <thread>

#include "app/flow_fixture.h"
#include "link/tcp_peer.h"
#include "pages/advanced_bindings.h"
#include "protocol/command_set.h"

namespace vostrel::testing {
namespace {

using testing_support::TcpPeer;

const std::string kPrefix(kCommandPrefix);
const std::string kConfigRequest = kPrefix + "SEND CONFIG\t:\tSTANDARD\r\nEXIT\r\n";

// A printer on `peer`: takes the pre-request on a connection of its own,
// then the configuration request on a second one, and answers `listing`.
std::thread ServeListing(TcpPeer& peer, std::string listing) {
  return std::thread([&peer, listing = std::move(listing)] {
    if (!peer.Accept()) return;
    peer.Receive(3);
    peer.SeesClosed(5000);
    peer.CloseConnection();
    if (!peer.Accept()) return;
    peer.Receive(kConfigRequest.size());
    peer.Send(listing);
    peer.SeesClosed(5000);
  });
}

const std::string kInfoRequest =
    kPrefix + "SERIAL NUMBER CHECK:\r\nPRINT COUNTER:\r\nSERVICE COUNTER:\r\nCUT COUNTER:\r\nEXIT\r\n";

class FlowsNetTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ui.created); }

  // Ticks the Standard page's Print Darkness row with `value`.
  void TickDarkness(const wchar_t* value) {
    ui.SetPageText(PageId::Standard, IDC_STD_PRINT_DARKNESS_EDIT, value);
    ui.SetPageChecked(PageId::Standard, IDC_STD_PRINT_DARKNESS_CHECK, true);
  }

  FlowWindow ui;
};

TEST_F(FlowsNetTest, SendFromTheStandardTabWritesTheTickedRowsButNeverMediaSensor) {
  Simulator sim(1);
  ASSERT_NE(sim.port(), 0);
  ui.ChooseNet(sim.port());
  ui.SelectTab(PageId::Standard);
  TickDarkness(L"17");
  ui.SetPageChecked(PageId::Standard, IDC_STD_MEDIA_SENSOR_CHECK, true);

  const std::vector<CaughtBox> boxes = ui.ClickAnswering(IDC_MAIN_SEND, {IDYES});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(sim.ExitCode(), 0u);
  EXPECT_EQ(sim.Captured(1, "in"), kPrefix + "PRINT DARKNESS\t:\t17\r\nEND\r\n");
  EXPECT_EQ(sim.Captured(1, "out"), "");
  // The Media Sensor row is ticked again, as the user left it.
  EXPECT_TRUE(ui.PageChecked(PageId::Standard, IDC_STD_MEDIA_SENSOR_CHECK));
  EXPECT_FALSE(ui.app.link.socket.valid());
}

TEST_F(FlowsNetTest, SendFromTheEasyTabWritesOnlyWhatTheEasyPageShows) {
  Simulator sim(2);
  ASSERT_NE(sim.port(), 0);
  ui.ChooseNet(sim.port());
  // A Standard row ticked earlier is not part of an Easy send.
  ui.SelectTab(PageId::Standard);
  TickDarkness(L"17");
  ui.SelectTab(PageId::Easy);
  ui.ClickPage(PageId::Easy, IDC_EASY_MARKS_RADIO);
  ui.SetPageChecked(PageId::Easy, IDC_EASY_MEDIA_CHECK, true);
  ui.SetPageChecked(PageId::Easy, IDC_EASY_METHOD_CHECK, false);
  ASSERT_EQ(ui.ClickAnswering(IDC_MAIN_SEND, {IDYES}).size(), 1u);

  // Print Method goes too once it is ticked (the VX-135-ZKQ offers it).
  ui.ChooseModel(1);
  ui.ClickPage(PageId::Easy, IDC_EASY_MARKS_RADIO);
  ui.SetPageChecked(PageId::Easy, IDC_EASY_MEDIA_CHECK, true);
  ui.SetPageChecked(PageId::Easy, IDC_EASY_METHOD_CHECK, true);
  ui::ComboBox(ui.PageItem(PageId::Easy, IDC_EASY_METHOD_LIST)).Select(1);
  ASSERT_EQ(ui.ClickAnswering(IDC_MAIN_SEND, {IDYES}).size(), 1u);
  EXPECT_EQ(sim.ExitCode(), 0u);
  EXPECT_EQ(sim.Captured(1, "in"), kPrefix + "MEDIA SENSOR\t:\tREFLECT\r\nEND\r\n");
  EXPECT_EQ(sim.Captured(2, "in"), kPrefix + "PRINT METHOD\t:\tDT\r\nMEDIA SENSOR\t:\tREFLECT\r\nEND\r\n");
}

TEST_F(FlowsNetTest, AQuestionAnsweredNoOpensNothing) {
  Simulator sim(1);
  ASSERT_NE(sim.port(), 0);
  ui.ChooseNet(sim.port());
  ui.SelectTab(PageId::Standard);
  TickDarkness(L"17");
  EXPECT_EQ(ui.ClickAnswering(IDC_MAIN_SEND, {IDNO}).size(), 1u);
  ui.SetPageText(PageId::Standard, IDC_STD_PRINT_DARKNESS_EDIT, L"3");
  EXPECT_EQ(ui.ClickAnswering(IDC_MAIN_RECEIVE, {IDNO}).size(), 1u);
  EXPECT_FALSE(sim.HasConnection(1));
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_PRINT_DARKNESS_EDIT), L"3");
}

TEST_F(FlowsNetTest, ReceiveShowsThePrintersValuesOnTheStandardEasyAndAdvancedPages) {
  Simulator sim(3);
  ASSERT_NE(sim.port(), 0);
  ui.ChooseNet(sim.port());
  ui.SelectTab(PageId::Standard);
  TickDarkness(L"17");
  ASSERT_EQ(ui.ClickAnswering(IDC_MAIN_SEND, {IDYES}).size(), 1u);
  // The pages back to their defaults, nothing ticked.
  ui.window->tabs().ApplyModel(PrinterModel::Vx120Zkq, Language::Japanese);
  ASSERT_NE(ui.PageText(PageId::Standard, IDC_STD_PRINT_DARKNESS_EDIT), L"17");

  const std::vector<CaughtBox> boxes = ui.ClickAnswering(IDC_MAIN_RECEIVE, {IDYES});
  ASSERT_EQ(boxes.size(), 1u) << (boxes.size() > 1 ? std::string(boxes[1].text.begin(), boxes[1].text.end()) : "");
  EXPECT_EQ(sim.ExitCode(), 0u);
  EXPECT_EQ(sim.Captured(2, "in"), std::string(kPreRequestCommand));
  EXPECT_EQ(sim.Captured(3, "in"), kConfigRequest);
  // The pause between the two connections: 20 s in steps of 100 ms.
  const auto& sleeps = ui.clock.fake().sleeps();
  EXPECT_EQ(std::count(sleeps.begin(), sleeps.end(), 100u), 200);

  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_PRINT_DARKNESS_EDIT), L"17");
  EXPECT_TRUE(ui.PageChecked(PageId::Standard, IDC_STD_PRINT_DARKNESS_CHECK));
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_HOST_NAME_EDIT), L"VX120ZKQ");
  // SEE THROUGH and TT, on the Easy page as labels with gaps and the ribbon.
  EXPECT_TRUE(ui.PageChecked(PageId::Easy, IDC_EASY_GAPS_RADIO));
  EXPECT_EQ(ui::ComboBox(ui.PageItem(PageId::Easy, IDC_EASY_METHOD_LIST)).Selected(), 0);
  EXPECT_EQ(ui.PageText(PageId::Advanced, IDC_ADV_ADJ_THROUGH_CAL_EDIT), L"1.25");
  // Shown there, but nothing ticked: only what the user ticks is exported.
  for (const FieldBinding& row : AdvancedBindings) {
    EXPECT_FALSE(ui.PageChecked(PageId::Advanced, row.checkBox)) << row.checkBox;
  }
  EXPECT_FALSE(ui.app.link.socket.valid());
  // The title has its own text again.
  EXPECT_EQ(ui::Control(ui.hwnd()).Text().find(L" - "), std::wstring::npos);
}

// What the Advanced page cannot show leaves its row empty, unticked and red;
// whether the Receive succeeded is the Standard page's to say.
TEST_F(FlowsNetTest, AReceivedValueTheAdvancedPageRejectsDoesNotFailTheReceiveButAStandardOneDoes) {
  struct Case {
    const char* listing;
    const wchar_t* code;  // nullptr: received
  };
  const Case cases[] = {
      {"PRINT DARKNESS\t:\t21\r\nMACH TEAR POS\t:\t8\tDOTS\r\nMACH HOR POS\t:\t33\tDOTS\r\n", nullptr},
      {"PRINT DARKNESS\t:\t99\r\nMACH TEAR POS\t:\t8\tDOTS\r\nMACH HOR POS\t:\t33\tDOTS\r\n", L"code : 32"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.listing);
    TcpPeer peer;
    ui.ChooseNet(peer.port());
    ui.SelectTab(PageId::Standard);
    std::thread printer = ServeListing(peer, std::string("~!!\r\n") + c.listing + "END\r\n");
    const std::vector<CaughtBox> boxes = ui.ClickAnswering(IDC_MAIN_RECEIVE, {IDYES, IDOK});
    printer.join();
    ASSERT_EQ(boxes.size(), c.code ? 2u : 1u);
    if (c.code) {
      EXPECT_EQ(boxes[1].text.substr(0, 9), c.code);
    }

    ExpectAdvancedShownUnticked(ui);
    EXPECT_TRUE(ui.PageChecked(PageId::Standard, IDC_STD_PRINT_DARKNESS_CHECK));
    EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_PRINT_DARKNESS_EDIT), c.code ? L"" : L"21");
  }
}

// After a Receive from one model, a change to the other and a visit of the
// Easy tab, the Standard page shows the chosen model's defaults, and a Send
// carries those.
TEST_F(FlowsNetTest, AModelChangeAfterAReceiveShowsAndSendsTheNewModelsDefaults) {
  Simulator sim(3, L"--model VX-120-ZKQ");
  ASSERT_NE(sim.port(), 0);
  ui.ChooseNet(sim.port());
  ui.SelectTab(PageId::Standard);
  ASSERT_EQ(ui.ClickAnswering(IDC_MAIN_RECEIVE, {IDYES}).size(), 1u);
  ASSERT_EQ(ui.PageText(PageId::Standard, IDC_STD_HOST_NAME_EDIT), L"VX120ZKQ");
  ASSERT_EQ(ui.PageText(PageId::Standard, IDC_STD_TIMEOUT_EDIT), L"300");

  ui.SelectTab(PageId::Easy);
  ui.ChooseModel(1);
  ui.SelectTab(PageId::Standard);
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_HOST_NAME_EDIT), L"VX-135/125 Print Server");
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_TIMEOUT_EDIT), L"60");

  ui.SetPageChecked(PageId::Standard, IDC_STD_HOST_NAME_CHECK, true);
  ui.SetPageChecked(PageId::Standard, IDC_STD_TIMEOUT_CHECK, true);
  ASSERT_EQ(ui.ClickAnswering(IDC_MAIN_SEND, {IDYES}).size(), 1u);
  EXPECT_EQ(sim.ExitCode(), 0u);
  EXPECT_EQ(sim.Captured(3, "in"), kPrefix + "HOST NAME\t:\tVX-135/125 Print Server\r\nTIMEOUT\t:\t60\tSEC\r\nEND\r\n");
}

// The Advanced tab sends as the Standard tab does: the Standard page's ticked
// rows, never its Media Sensor row, and nothing of the Advanced page.
TEST_F(FlowsNetTest, SendFromTheAdvancedTabTakesTheStandardTabsWay) {
  Simulator sim(1);
  ASSERT_NE(sim.port(), 0);
  ui.ChooseNet(sim.port());
  AcceptAdvancedTab(ui);
  ASSERT_EQ(ui.window->tabs().VisiblePage(), PageId::Advanced);
  EXPECT_TRUE(ui::Control(ui.Item(IDC_MAIN_SEND)).IsEnabled());
  TickDarkness(L"17");
  ui.SetPageChecked(PageId::Standard, IDC_STD_MEDIA_SENSOR_CHECK, true);
  ui.SetPageChecked(PageId::Advanced, IDC_ADV_TEAR_POS_CHECK, true);

  const std::vector<CaughtBox> boxes = ui.ClickAnswering(IDC_MAIN_SEND, {IDYES});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(sim.ExitCode(), 0u);
  EXPECT_EQ(sim.Captured(1, "in"), kPrefix + "PRINT DARKNESS\t:\t17\r\nEND\r\n");
  EXPECT_TRUE(ui.PageChecked(PageId::Standard, IDC_STD_MEDIA_SENSOR_CHECK));
}

TEST_F(FlowsNetTest, ReceiveOnTheInformationTabShowsTheFourValuesWithoutAPreRequest) {
  Simulator sim(1);
  ASSERT_NE(sim.port(), 0);
  ui.ChooseNet(sim.port());
  ui.SelectTab(PageId::Information);
  EXPECT_EQ(ui.ClickAnswering(IDC_MAIN_RECEIVE, {IDYES}).size(), 1u);
  EXPECT_EQ(sim.ExitCode(), 0u);
  EXPECT_EQ(sim.Captured(1, "in"), kInfoRequest);
  EXPECT_EQ(ui.PageText(PageId::Information, IDC_INFO_SERIAL_VALUE), L"4A1203578");
  for (int id : {IDC_INFO_PRINT_VALUE, IDC_INFO_SERVICE_VALUE, IDC_INFO_CUT_VALUE}) {
    EXPECT_FALSE(ui.PageText(PageId::Information, id).empty()) << id;
  }
  const auto& sleeps = ui.clock.fake().sleeps();
  EXPECT_EQ(std::count(sleeps.begin(), sleeps.end(), 100u), 0);
}

// A queue on the simulator's TCP/IP port: Receive goes to the port and the
// queue is chosen again afterwards, whatever the printer did.
struct Fault {
  const char* name;
  const wchar_t* flags;  // nullptr: nobody listens
  const wchar_t* code;   // nullptr: received
};
constexpr Fault kFaults[] = {
    {"nobody listens", nullptr, L"code : 30"},   {"silent printer", L"--silent", L"code : 32"},
    {"no header", L"--no-header", L"code : 32"}, {"garbage", L"--garbage", L"code : 32"},
    {"no END", L"--no-end", L"code : 32"},       {"closed mid-listing", L"--close-after 40", L"code : 32"},
    {"stray byte", L"--stray-byte", nullptr},
};

TEST_F(FlowsNetTest, ReceiveThroughAQueueOnATcpPortGivesEachFaultItsCodeAndChoosesTheQueueAgain) {
  for (const Fault& fault : kFaults) {
    SCOPED_TRACE(fault.name);
    std::unique_ptr<Simulator> sim;
    int port = 0;
    if (fault.flags) {
      sim = std::make_unique<Simulator>(2, fault.flags);
      port = sim->port();
    } else {
      port = TcpPeer().port();  // closed again: refused
    }
    ASSERT_NE(port, 0);
    ui.ChooseQueue(L"Flow NET queue", PortKind::Net, L"127.0.0.1, " + std::to_wstring(port));
    ui.SelectTab(PageId::Standard);
    ui.window->tabs().ApplyModel(PrinterModel::Vx120Zkq, Language::Japanese);

    const std::vector<CaughtBox> boxes = ui.ClickAnswering(IDC_MAIN_RECEIVE, {IDYES});
    ASSERT_EQ(boxes.size(), fault.code ? 2u : 1u);
    if (fault.code) {
      EXPECT_EQ(boxes[1].text.substr(0, 9), fault.code);
    }
    EXPECT_FALSE(ui.app.link.socket.valid());
    EXPECT_EQ(ui.window->linkChoice().linkChoice, LinkRadio::Queue);
    EXPECT_TRUE(ui::CheckBox(ui.Item(IDC_MAIN_QUEUE_RADIO)).IsChecked());
    EXPECT_EQ(ui.app.currentPrefs.portKind, PortKind::Prt);
    if (!fault.code) {
      EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_HOST_NAME_EDIT), L"VX120ZKQ");
    }
    if (sim) {
      EXPECT_EQ(sim->Captured(2, "in"), kConfigRequest);
    }
  }
}

TEST_F(FlowsNetTest, AListingWithOnlyTheFirstHeaderLineIsReadFromItsFirstSetting) {
  TcpPeer peer;
  ui.ChooseNet(peer.port());
  ui.SelectTab(PageId::Standard);
  std::thread printer = ServeListing(peer, "~!!\r\nPRINT DARKNESS\t:\t21\r\nEND\r\n");
  const std::vector<CaughtBox> boxes = ui.ClickAnswering(IDC_MAIN_RECEIVE, {IDYES});
  printer.join();
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(ui.PageText(PageId::Standard, IDC_STD_PRINT_DARKNESS_EDIT), L"21");
}

}  // namespace
}  // namespace vostrel::testing
