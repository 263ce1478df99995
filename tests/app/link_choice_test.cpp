// The link choice on the main window's own template, in this process, with
// the pickers filled from discovery results given by each test.
#include "app/link_choice.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include "link/link_fixtures.h"
#include "link/port_fixtures.h"
#include "res/main_window_ids.h"
#include "support/file_bytes.h"
#include "support/scratch_folder.h"
#include "ui/controls.h"
#include "ui/dialog.h"

namespace vostrel::testing {
namespace {

// The main window's template with nothing behind it.
class BareMainWindow : public ui::Dialog {
 public:
  BareMainWindow() : ui::Dialog(IDD_MAIN_WINDOW) {}
};

const std::vector<std::wstring> kComPorts = {L"COM3:", L"COM1:", L"COM12:"};
const std::vector<std::wstring> kUsbPorts = {L"USB002", L"USB001"};

QueueDiscovery Queues() {
  QueueDiscovery found;
  const auto add = [&](const wchar_t* queue, PortKind kind, const wchar_t* text) {
    found.queues.push_back(queue);
    found.queuePortKinds[queue] = kind;
    found.queuePortTexts[queue] = text;
  };
  add(L"Office", PortKind::None, L"LPT1:");
  add(L"Label COM", PortKind::Com, L"COM12, 9600, 8, 1, None, None");
  add(L"Label VCOM", PortKind::Com, L"TELMARO COM 3, 19200, 8, 1, None, Xon/Xoff");
  add(L"Label NET", PortKind::Net, L"192.168.0.50, 9101");
  add(L"Label NET host", PortKind::Net, L"localhost, 9102");
  add(L"Label NET odd", PortKind::Net, L"IP_10.0.0.9");
  add(L"Label USB", PortKind::Usb, L"USB002");
  return found;
}

class LinkChoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui::InitDialogControls());
    ASSERT_TRUE(window_.CreateModeless(nullptr));
    ui::IpAddress(Item(IDC_MAIN_IP_ADDRESS)).Set({192, 168, 0, 1});
    ui::Control(Item(IDC_MAIN_PORT_NUMBER_EDIT)).SetText(L"9100");
    links_ = std::make_unique<LinkChoice>(window_, prefs_, DriverPort{driverKind_, driverAddress_, driverNumber_});
  }
  void TearDown() override { window_.Destroy(); }

  // The pickers as the discovery fills them; `queues` replaces the queue
  // list (each new name on a port of kind 0).
  LinkChoice& Fill(std::vector<std::wstring> queues = {}) {
    QueueDiscovery found = Queues();
    if (!queues.empty()) {
      found.queues = queues;
      for (const std::wstring& queue : queues) {
        found.queuePortKinds.try_emplace(queue, PortKind::None);
        found.queuePortTexts.try_emplace(queue, L"LPT2:");
      }
    }
    links_->FillPickers(kComPorts, kUsbPorts, found);
    return *links_;
  }

  HWND Item(int id) const { return window_.Item(id); }
  std::wstring Text(int id) const { return ui::Control(Item(id)).Text(); }
  std::wstring Selected(int id) const { return ui::ComboBox(Item(id)).SelectedText(); }
  bool Enabled(int id) const { return ui::Control(Item(id)).IsEnabled(); }
  bool Checked(int id) const { return ui::CheckBox(Item(id)).IsChecked(); }
  // The user picks a queue with the queue radio set.
  void ChooseQueue(const wchar_t* name) {
    const ui::ComboBox list(Item(IDC_MAIN_QUEUE_LIST));
    for (int i = 0; i < list.Count(); ++i) {
      if (list.ItemText(i) == name) list.Select(i);
    }
    links_->OnQueueSelected();
    links_->OnRadio(LinkRadio::Queue);
  }

  BareMainWindow window_;
  PreferencesRecord prefs_;
  PortKind driverKind_ = PortKind::None;
  std::wstring driverAddress_ = L"old";
  std::wstring driverNumber_ = L"old";
  std::unique_ptr<LinkChoice> links_;
};

TEST_F(LinkChoiceTest, FillingSortsTheListsAndDescribesTheFirstQueue) {
  Fill();
  EXPECT_EQ(Selected(IDC_MAIN_COM_LIST), L"COM1:");
  EXPECT_EQ(Selected(IDC_MAIN_USB_LIST), L"USB001");
  EXPECT_EQ(Selected(IDC_MAIN_QUEUE_LIST), L"Label COM");
  EXPECT_EQ(Text(IDC_MAIN_QUEUE_PORT_TEXT), L"COM12, 9600, 8, 1, None, None");
}

struct QueueRestoreCase {
  const char* name;
  std::vector<std::wstring> queues;
  std::wstring saved;           // PORT_NAME
  std::wstring defaultPrinter;  // the system's default queue
  std::wstring chosen;          // the queue selected afterwards
  std::wstring portName;        // in the preferences afterwards
};

void PrintTo(const QueueRestoreCase& c, std::ostream* os) { *os << c.name; }

class QueueRestore : public LinkChoiceTest, public ::testing::WithParamInterface<QueueRestoreCase> {};

TEST_P(QueueRestore, PicksTheSavedQueueThenATelmaroQueueThenTheDefaultPrinter) {
  const QueueRestoreCase& c = GetParam();
  Fill(c.queues);
  prefs_.portKind = PortKind::None;
  prefs_.portName = c.saved;
  links_->defaultPrinterName = c.defaultPrinter;
  links_->Restore();
  links_->Apply();
  EXPECT_EQ(links_->linkChoice, LinkRadio::Queue);
  EXPECT_TRUE(Checked(IDC_MAIN_QUEUE_RADIO));
  EXPECT_EQ(Selected(IDC_MAIN_QUEUE_LIST), c.chosen);
  EXPECT_EQ(prefs_.portName, c.portName);
  EXPECT_EQ(prefs_.portKind, PortKind::Prt);
  EXPECT_TRUE(Enabled(IDC_MAIN_QUEUE_LIST));
  EXPECT_FALSE(Enabled(IDC_MAIN_COM_LIST));
  EXPECT_EQ(links_->queueTooltip().Text(), c.chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QueueRestore,
    ::testing::Values(
        QueueRestoreCase{"saved", {L"Alpha", L"Telmaro 120", L"Office"}, L"Office", L"Alpha", L"Office", L"Office"},
        QueueRestoreCase{
            "telmaro", {L"Alpha", L"Telmaro 120", L"Office"}, L"Gone", L"Office", L"Telmaro 120", L"Telmaro 120"},
        // The prefix is compared exactly, case included.
        QueueRestoreCase{"default", {L"Alpha", L"TELMARO 120", L"Office"}, L"", L"Office", L"Office", L"Office"},
        // Nothing found: the first queue, as the filling selected it.
        QueueRestoreCase{"none", {L"Alpha", L"Beta"}, L"Gone", L"Missing", L"Alpha", L"Alpha"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(LinkChoiceTest, RestoresTheSavedQueuesPortDescriptionAndKind) {
  Fill();
  prefs_.portKind = PortKind::Prt;
  prefs_.portName = L"Label NET";
  links_->Restore();
  EXPECT_EQ(Text(IDC_MAIN_QUEUE_PORT_TEXT), L"192.168.0.50, 9101");
  EXPECT_EQ(driverKind_, PortKind::Net);
}

TEST_F(LinkChoiceTest, RestoresComUsbAndNetChoices) {
  Fill();
  prefs_.portKind = PortKind::Com;
  prefs_.portName = L"COM3:";
  links_->Restore();
  links_->Apply();
  EXPECT_TRUE(Checked(IDC_MAIN_COM_RADIO));
  EXPECT_FALSE(Checked(IDC_MAIN_QUEUE_RADIO));
  EXPECT_EQ(Selected(IDC_MAIN_COM_LIST), L"COM3:");
  EXPECT_TRUE(Enabled(IDC_MAIN_COM_LIST));
  EXPECT_TRUE(Enabled(IDC_MAIN_COM_DETAIL));
  EXPECT_FALSE(Enabled(IDC_MAIN_QUEUE_LIST));
  EXPECT_EQ(links_->comTooltip().Text(), L"COM3:");

  prefs_.portKind = PortKind::Usb;
  prefs_.portName = L"USB002";
  links_->Restore();
  links_->Apply();
  EXPECT_TRUE(Checked(IDC_MAIN_USB_RADIO));
  EXPECT_EQ(Selected(IDC_MAIN_USB_LIST), L"USB002");
  EXPECT_TRUE(Enabled(IDC_MAIN_USB_LIST));
  EXPECT_FALSE(Enabled(IDC_MAIN_COM_LIST));

  prefs_.portKind = PortKind::Net;
  prefs_.portName = L"10.0.0.5";
  prefs_.portNumber = L"";
  links_->Restore();
  links_->Apply();
  EXPECT_TRUE(Checked(IDC_MAIN_NET_RADIO));
  EXPECT_EQ(prefs_.portName, L"10.0.0.5");
  EXPECT_EQ(prefs_.portNumber, L"9100");
  for (int id : {IDC_MAIN_IP_ADDRESS, IDC_MAIN_PORT_NUMBER_LABEL, IDC_MAIN_PORT_NUMBER_EDIT}) EXPECT_TRUE(Enabled(id));
  EXPECT_FALSE(Enabled(IDC_MAIN_USB_LIST));
}

struct QueuePortCase {
  const wchar_t* queue;
  PortKind kind;
  std::wstring address;
  std::wstring number;
};

TEST_F(LinkChoiceTest, CollectWorksOutThePortBehindTheQueue) {
  Fill();
  const QueuePortCase cases[] = {
      {L"Label COM", PortKind::Com, L"COM12:", L"old"},
      {L"Label VCOM", PortKind::Com, L"TELMARO COM 3", L"old"},
      {L"Label NET", PortKind::Net, L"192.168.0.50", L"9101"},
      {L"Label USB", PortKind::Usb, L"USB002", L"9101"},
      // A network description that is not "address, port" names no port.
      {L"Label NET odd", PortKind::Net, L"", L""},
      {L"Office", PortKind::None, L"LPT1:", L""},
  };
  for (const QueuePortCase& c : cases) {
    ChooseQueue(c.queue);
    links_->Collect();
    EXPECT_EQ(prefs_.portKind, PortKind::Prt) << c.queue;
    EXPECT_EQ(prefs_.portName, c.queue);
    EXPECT_EQ(driverKind_, c.kind) << c.queue;
    EXPECT_EQ(driverAddress_, c.address) << c.queue;
    EXPECT_EQ(driverNumber_, c.number) << c.queue;
  }
}

TEST_F(LinkChoiceTest, CollectReadsTheChosenPicker) {
  Fill();
  links_->OnRadio(LinkRadio::Net);
  ui::IpAddress(Item(IDC_MAIN_IP_ADDRESS)).Set({10, 1, 2, 3});
  ui::Control(Item(IDC_MAIN_PORT_NUMBER_EDIT)).SetText(L"9200");
  links_->Collect();
  EXPECT_EQ(prefs_.portKind, PortKind::Net);
  EXPECT_EQ(prefs_.portName, L"10.1.2.3");
  EXPECT_EQ(prefs_.portNumber, L"9200");

  links_->OnRadio(LinkRadio::Com);
  ui::ComboBox(Item(IDC_MAIN_COM_LIST)).Select(2);
  links_->Collect();
  EXPECT_EQ(prefs_.portKind, PortKind::Com);
  EXPECT_EQ(prefs_.portName, L"COM3:");
}

TEST_F(LinkChoiceTest, UseDirectPortSwitchesToThePortBehindTheQueueAndUseQueueBack) {
  Fill();
  ChooseQueue(L"Label COM");
  ASSERT_TRUE(links_->UseDirectPort());
  EXPECT_EQ(links_->linkChoice, LinkRadio::Com);
  EXPECT_TRUE(Checked(IDC_MAIN_COM_RADIO));
  EXPECT_EQ(prefs_.portKind, PortKind::Com);
  EXPECT_EQ(prefs_.portName, L"COM12:");
  EXPECT_TRUE(Enabled(IDC_MAIN_COM_LIST));
  EXPECT_FALSE(Enabled(IDC_MAIN_QUEUE_LIST));

  links_->UseQueue();
  EXPECT_EQ(links_->linkChoice, LinkRadio::Queue);
  EXPECT_TRUE(Checked(IDC_MAIN_QUEUE_RADIO));
  EXPECT_EQ(prefs_.portKind, PortKind::Prt);
  EXPECT_EQ(prefs_.portName, L"Label COM");
  EXPECT_EQ(::GetFocus(), Item(IDC_MAIN_QUEUE_LIST));

  // A virtual port's name is taken whole; the list has no such port.
  ChooseQueue(L"Label VCOM");
  ASSERT_TRUE(links_->UseDirectPort());
  EXPECT_EQ(prefs_.portKind, PortKind::Com);
  EXPECT_EQ(ui::ComboBox(Item(IDC_MAIN_COM_LIST)).Selected(), -1);

  ChooseQueue(L"Label USB");
  ASSERT_TRUE(links_->UseDirectPort());
  EXPECT_EQ(prefs_.portKind, PortKind::Usb);
  EXPECT_EQ(prefs_.portName, L"USB002");

  ChooseQueue(L"Label NET");
  ASSERT_TRUE(links_->UseDirectPort());
  EXPECT_TRUE(Checked(IDC_MAIN_NET_RADIO));
  EXPECT_EQ(prefs_.portKind, PortKind::Net);
  EXPECT_EQ(prefs_.portName, L"192.168.0.50");
  EXPECT_EQ(prefs_.portNumber, L"9101");

  ChooseQueue(L"Label NET host");
  ASSERT_TRUE(links_->UseDirectPort());
  EXPECT_EQ(prefs_.portName, L"127.0.0.1");
  EXPECT_EQ(prefs_.portNumber, L"9102");
}

TEST_F(LinkChoiceTest, UseDirectPortRefusesAQueueWithoutAPortToSwitchTo) {
  Fill();
  for (const wchar_t* queue : {L"Label NET odd", L"Office"}) {
    ChooseQueue(queue);
    EXPECT_FALSE(links_->UseDirectPort()) << queue;
    EXPECT_EQ(links_->linkChoice, LinkRadio::Queue) << queue;
    EXPECT_TRUE(Checked(IDC_MAIN_QUEUE_RADIO)) << queue;
    EXPECT_EQ(prefs_.portKind, PortKind::Prt) << queue;
    EXPECT_EQ(prefs_.portName, queue);
    EXPECT_TRUE(Enabled(IDC_MAIN_QUEUE_LIST)) << queue;
  }
}

// A saved queue, COM port or USB port that is not there at start keeps its
// place: an entry with its name and the mark, chosen, and the same name in
// the preferences, until the user chooses another.
struct AbsentCase {
  const char* name;
  PortKind kind;
  std::wstring saved;
  int list;
  int radio;
  std::wstring other;  // a present entry the user may choose instead
};

void PrintTo(const AbsentCase& c, std::ostream* os) { *os << c.name; }

class AbsentPort : public LinkChoiceTest, public ::testing::WithParamInterface<AbsentCase> {};

TEST_P(AbsentPort, KeepsTheSavedNameUntilTheUserChoosesAnother) {
  const AbsentCase& c = GetParam();
  // A queue of the printer's maker and a default printer, which would
  // otherwise be offered in place of a saved queue.
  Fill({L"Telmaro 120", L"Office"});
  links_->defaultPrinterName = L"Office";
  const int present = ui::ComboBox(Item(c.list)).Count();
  prefs_.portKind = c.kind;
  prefs_.portName = c.saved;
  links_->Restore();
  links_->Restore();  // a second look adds no second entry
  links_->Apply();
  EXPECT_TRUE(Checked(c.radio));
  EXPECT_TRUE(Enabled(c.list));
  EXPECT_EQ(ui::ComboBox(Item(c.list)).Count(), present + 1);
  EXPECT_EQ(Selected(c.list), c.saved + L" （見つかりません）");
  EXPECT_EQ(prefs_.portKind, c.kind);
  EXPECT_EQ(prefs_.portName, c.saved);
  links_->Collect();
  EXPECT_EQ(prefs_.portName, c.saved);
  if (c.kind == PortKind::Prt) {
    EXPECT_EQ(Text(IDC_MAIN_QUEUE_PORT_TEXT), L"");
    EXPECT_EQ(driverKind_, PortKind::None);
    EXPECT_EQ(links_->queueTooltip().Text(), c.saved);
  }

  // Another choice and back: each is the name it stands for.
  const ui::ComboBox list(Item(c.list));
  for (const std::wstring& entry : {c.other, c.saved + L" （見つかりません）"}) {
    for (int i = 0; i < list.Count(); ++i) {
      if (list.ItemText(i) == entry) list.Select(i);
    }
    if (c.kind == PortKind::Prt) links_->OnQueueSelected();
    links_->Collect();
    EXPECT_EQ(prefs_.portName, entry == c.other ? c.other : c.saved);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AbsentPort,
    ::testing::Values(AbsentCase{"queue", PortKind::Prt, L"Label 135", IDC_MAIN_QUEUE_LIST, IDC_MAIN_QUEUE_RADIO,
                                 L"Office"},
                      AbsentCase{"com", PortKind::Com, L"COM7:", IDC_MAIN_COM_LIST, IDC_MAIN_COM_RADIO, L"COM12:"},
                      AbsentCase{"usb", PortKind::Usb, L"USB009", IDC_MAIN_USB_LIST, IDC_MAIN_USB_RADIO, L"USB002"}),
    [](const auto& test) { return std::string(test.param.name); });

// A saved name that is empty is no choice to keep: the first entry stays.
TEST_F(LinkChoiceTest, AnEmptySavedPortAddsNoEntry) {
  Fill();
  prefs_.portKind = PortKind::Com;
  prefs_.portName = L"";
  links_->Restore();
  links_->Apply();
  EXPECT_EQ(ui::ComboBox(Item(IDC_MAIN_COM_LIST)).Count(), 3);
  EXPECT_EQ(prefs_.portName, L"COM1:");
}

// A queue on a COM port that is away: the switch to the port behind it picks
// the saved entry, which stands for that port.
TEST_F(LinkChoiceTest, UseDirectPortFindsTheEntryOfAnAbsentComPort) {
  Fill();
  links_->queuePortTexts[L"Label COM"] = L"COM5, 9600, 8, 1, None, None";
  prefs_.portKind = PortKind::Com;
  prefs_.portName = L"COM5:";
  links_->Restore();
  ChooseQueue(L"Label COM");
  ASSERT_TRUE(links_->UseDirectPort());
  EXPECT_EQ(Selected(IDC_MAIN_COM_LIST), L"COM5: （見つかりません）");
  EXPECT_EQ(prefs_.portKind, PortKind::Com);
  EXPECT_EQ(prefs_.portName, L"COM5:");
}

// A port of the system's local monitor: a value of its "Ports" key, which
// the spooler lists with the local ports.
class LocalPort {
 public:
  explicit LocalPort(std::wstring name) : name_(std::move(name)) {
    added_ = ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, name_.c_str(), REG_SZ, L"", sizeof(wchar_t)) == ERROR_SUCCESS;
  }
  ~LocalPort() {
    if (added_) ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kKey, name_.c_str());
  }
  LocalPort(const LocalPort&) = delete;
  LocalPort& operator=(const LocalPort&) = delete;
  bool added() const { return added_; }
  const std::wstring& name() const { return name_; }

 private:
  static constexpr wchar_t kKey[] = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
  std::wstring name_;
  bool added_ = false;
};

// The same with the pickers filled by the port discovery from the test
// prefix's spooler and registry, and the preferences file written as at the
// exit: a saved port that is away is written back unchanged, and another
// choice replaces it.
TEST(LinkChoiceDiscovery, ASavedPortThatIsAwayStaysInThePreferencesFile) {
  const std::wstring id = testing_support::UniqueSuffix();
  const testing_support::SerialCommValue com(L"\\Device\\VostrelSaved" + id, L"COM231");
  const LocalPort usb(L"USB_saved_" + id);
  // A queue that would be offered in place of a saved queue that is away.
  const testing_support::TestQueue queue(L"Telmaro saved " + id, L"LPT1:");
  ASSERT_TRUE(com.added() && usb.added() && queue.added());
  ASSERT_TRUE(ui::InitDialogControls());

  struct Case {
    PortKind kind;
    const wchar_t* type;  // PORT_TYPE
    std::wstring saved;   // away
    int list;
    std::wstring other;  // there
  };
  const Case cases[] = {
      {PortKind::Prt, L"PRT", L"Label gone " + id, IDC_MAIN_QUEUE_LIST, queue.name()},
      {PortKind::Com, L"COM", L"COM232:", IDC_MAIN_COM_LIST, L"COM231:"},
      {PortKind::Usb, L"USB", L"USB_gone_" + id, IDC_MAIN_USB_LIST, usb.name()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    ScratchFolder folder;
    const std::wstring ini = folder.File(L"Vostrel.ini");
    ASSERT_TRUE(
        WriteUtf16File(ini, L"[Vostrel]\r\nPORT_TYPE=" + std::wstring(c.type) + L"\r\nPORT_NAME=" + c.saved + L"\r\n"));
    const auto portName = [&ini] {
      wchar_t value[256] = {};
      ::GetPrivateProfileStringW(L"Vostrel", L"PORT_NAME", L"<none>", value, 256, ini.c_str());
      return std::wstring(value);
    };
    PreferencesRecord loaded;
    loaded.portKind = c.kind;
    loaded.portName = c.saved;
    PreferencesRecord current = loaded;
    PortKind driverKind = PortKind::None;
    std::wstring driverAddress;
    std::wstring driverNumber;

    BareMainWindow window;
    ASSERT_TRUE(window.CreateModeless(nullptr));
    LinkChoice links(window, current, DriverPort{driverKind, driverAddress, driverNumber});
    links.FillPickers();
    links.Restore();
    links.Apply();
    const ui::ComboBox list(window.Item(c.list));
    EXPECT_EQ(list.SelectedText(), c.saved + L" （見つかりません）");
    links.Collect();
    ASSERT_TRUE(SavePreferencesOnExit(ini, loaded, current, [] { return IDYES; }));
    EXPECT_EQ(portName(), c.saved);

    int other = -1;
    for (int i = 0; i < list.Count(); ++i) {
      if (list.ItemText(i) == c.other) other = i;
    }
    ASSERT_GE(other, 0);
    list.Select(other);
    links.Collect();
    ASSERT_TRUE(SavePreferencesOnExit(ini, loaded, current, [] { return IDYES; }));
    EXPECT_EQ(portName(), c.other);
    window.Destroy();
  }
}

}  // namespace
}  // namespace vostrel::testing
