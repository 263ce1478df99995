#include "link/spooler_jobs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/link_fixtures.h"

namespace vostrel {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::UnorderedElementsAre;
using testing_support::CapturedPort;
using testing_support::TestQueue;
using testing_support::UniqueSuffix;

// A spooler that fails the call numbered `failAt` (1 open ... 6 end document)
// and logs every call; `shortBy` makes the write take fewer bytes.
struct FakeSpooler {
  static inline int failAt = 0;
  static inline DWORD shortBy = 0;
  static inline std::vector<std::string> log;
  static inline std::wstring docName, docType;
  static inline bool docOutputMissing = false;
  static inline std::string bytes;

  static BOOL WINAPI Open(LPWSTR, LPHANDLE printer, LPPRINTER_DEFAULTSW defaults) {
    log.push_back(defaults == nullptr ? "open" : "open with defaults");
    if (failAt == 1) return FALSE;
    *printer = reinterpret_cast<HANDLE>(0x5150);
    return TRUE;
  }
  static DWORD WINAPI StartDoc(HANDLE, DWORD level, LPBYTE info) {
    log.push_back("start document " + std::to_string(level));
    const auto* doc = reinterpret_cast<const DOC_INFO_1W*>(info);
    docName = doc->pDocName;
    docType = doc->pDatatype;
    docOutputMissing = doc->pOutputFile == nullptr;
    return failAt == 2 ? 0 : 7;
  }
  static BOOL WINAPI StartPage(HANDLE) {
    log.push_back("start page");
    return failAt != 3;
  }
  static BOOL WINAPI Write(HANDLE, LPVOID data, DWORD count, LPDWORD written) {
    log.push_back("write");
    bytes.assign(static_cast<const char*>(data), count);
    *written = failAt == 4 ? 0 : count - shortBy;
    return failAt != 4;
  }
  static BOOL WINAPI EndPage(HANDLE) {
    log.push_back("end page");
    return failAt != 5;
  }
  static BOOL WINAPI EndDoc(HANDLE) {
    log.push_back("end document");
    return failAt != 6;
  }
  static BOOL WINAPI Close(HANDLE) {
    log.push_back("close");
    return TRUE;
  }
  static SpoolerCalls Calls() {
    return {&Open, &StartDoc, &StartPage, &Write, &EndPage, &EndDoc, &Close, nullptr, nullptr};
  }
  static void Reset(int fail, DWORD shortfall) {
    failAt = fail;
    shortBy = shortfall;
    log.clear();
    bytes.clear();
  }
};

struct RawJobCase {
  const char* name;
  int failAt;
  DWORD shortBy;
  std::int32_t status;
  std::vector<std::string> calls;
};

TEST(SendRawJob, EndsWhatItStartedWhateverStepFails) {
  const std::vector<std::string> all = {"open",     "start document 1", "start page", "write",
                                        "end page", "end document",     "close"};
  const RawJobCase cases[] = {
      {"all steps succeed", 0, 0, 0, all},
      {"queue does not open", 1, 0, 110, {"open"}},
      {"document does not start", 2, 0, 29, {"open", "start document 1", "close"}},
      {"page does not start", 3, 0, 29, {"open", "start document 1", "start page", "end document", "close"}},
      {"write fails", 4, 0, 29, all},
      {"page does not end", 5, 0, 29, all},
      {"document does not end", 6, 0, 29, all},
      {"spooler takes fewer bytes", 0, 1, 29, all},
  };
  const SpoolerCalls calls = FakeSpooler::Calls();
  const std::string job("\x1b@ABC\0\xff", 7);
  for (const RawJobCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakeSpooler::Reset(c.failAt, c.shortBy);
    std::uint32_t written = 12345;
    EXPECT_EQ(SendRawJob(L"Queue", job.data(), static_cast<std::uint32_t>(job.size()), written, calls), c.status);
    EXPECT_THAT(FakeSpooler::log, ElementsAreArray(c.calls));
    if (c.failAt == 0 || c.failAt >= 4) {
      EXPECT_EQ(FakeSpooler::bytes, job);
    }
    if (c.failAt == 0) {
      EXPECT_EQ(written, job.size() - c.shortBy);
    }
  }
}

TEST(SendRawJob, StartsARawDocumentNamedMyDocument) {
  FakeSpooler::Reset(0, 0);
  std::uint32_t written = 0;
  ASSERT_EQ(SendRawJob(L"Queue", "x", 1, written, FakeSpooler::Calls()), 0);
  EXPECT_EQ(FakeSpooler::docName, L"My Document");
  EXPECT_EQ(FakeSpooler::docType, L"RAW");
  EXPECT_TRUE(FakeSpooler::docOutputMissing);
}

TEST(SendRawJobUnderTheSpooler, BytesArriveExactlyAtThePort) {
  CapturedPort port(L"VTESTJOB" + UniqueSuffix() + L":");
  TestQueue queue(L"Vostrel raw job " + UniqueSuffix(), port.port());
  ASSERT_TRUE(queue.added());
  std::string job;
  for (int round = 0; round < 9; ++round) {
    for (int b = 0; b < 256; ++b) job.push_back(static_cast<char>(b));
  }
  std::uint32_t written = 0;
  EXPECT_EQ(SendRawJob(queue.name(), job.data(), static_cast<std::uint32_t>(job.size()), written), 0);
  EXPECT_EQ(written, job.size());
  EXPECT_EQ(port.Bytes(), job);
}

TEST(SendRawJobUnderTheSpooler, MissingQueueGives110) {
  std::uint32_t written = 99;
  EXPECT_EQ(SendRawJob(L"No such queue " + UniqueSuffix(), "abc", 3, written), 110);
  EXPECT_EQ(written, 0u);
}

TEST(ParkQueues, ParksEveryQueueOfThePortAndRestoresOnlyThose) {
  const std::wstring port = L"COM" + UniqueSuffix() + L":";
  const std::wstring otherPort = L"COM" + UniqueSuffix() + L":";
  TestQueue first(L"Vostrel park A " + UniqueSuffix(), port);
  TestQueue second(L"Vostrel park B " + UniqueSuffix(), port);
  TestQueue byHand(L"Vostrel park file " + UniqueSuffix(), L"FILE:");
  TestQueue elsewhere(L"Vostrel park other " + UniqueSuffix(), otherPort);
  ASSERT_TRUE(first.added() && second.added() && byHand.added() && elsewhere.added());

  std::vector<std::wstring> parked = {L"left over from an earlier park"};
  ParkQueues(port, parked);
  EXPECT_THAT(parked, UnorderedElementsAre(first.name(), second.name()));
  EXPECT_EQ(first.Port(), L"FILE:");
  EXPECT_EQ(second.Port(), L"FILE:");
  EXPECT_EQ(byHand.Port(), L"FILE:");
  EXPECT_EQ(elsewhere.Port(), otherPort);

  RestoreQueues(port, parked);
  EXPECT_EQ(first.Port(), port);
  EXPECT_EQ(second.Port(), port);
  EXPECT_EQ(byHand.Port(), L"FILE:");
  EXPECT_EQ(elsewhere.Port(), otherPort);
  EXPECT_EQ(parked.size(), 2u);
}

TEST(ParkQueues, StopsAtAQueueWithoutDeviceModeAndKeepsWhatItParked) {
  // Queues are listed in name order: A is parked, B cannot be, C is not tried.
  const std::wstring port = L"COM" + UniqueSuffix() + L":";
  const std::wstring stem = L"Vostrel stop " + UniqueSuffix();
  TestQueue a(stem + L" A", port);
  TestQueue b(stem + L" B", port, testing_support::kBrokenTestDriver);
  TestQueue c(stem + L" C", port);
  ASSERT_TRUE(a.added() && b.added() && c.added());
  std::vector<std::wstring> parked;
  ParkQueues(port, parked);
  EXPECT_THAT(parked, ElementsAre(a.name()));
  EXPECT_EQ(a.Port(), L"FILE:");
  EXPECT_EQ(b.Port(), port);
  EXPECT_EQ(c.Port(), port);
  RestoreQueues(port, parked);
  EXPECT_EQ(a.Port(), port);
}

TEST(ParkQueues, PortNamesCompareExactly) {
  const std::wstring port = L"COM" + UniqueSuffix() + L":";
  std::wstring lower = port;
  lower[0] = L'c';
  TestQueue noColon(L"Vostrel park nocolon " + UniqueSuffix(), port.substr(0, port.size() - 1));
  TestQueue lowerCase(L"Vostrel park lower " + UniqueSuffix(), lower);
  ASSERT_TRUE(noColon.added() && lowerCase.added());
  std::vector<std::wstring> parked;
  ParkQueues(port, parked);
  EXPECT_THAT(parked, ElementsAre());
  EXPECT_EQ(noColon.Port(), port.substr(0, port.size() - 1));
  EXPECT_EQ(lowerCase.Port(), lower);
}

TEST(RestoreQueues, LeavesAQueueTheUserPutOnFileAlone) {
  const std::wstring port = L"COM" + UniqueSuffix() + L":";
  TestQueue byHand(L"Vostrel restore file " + UniqueSuffix(), L"FILE:");
  ASSERT_TRUE(byHand.added());
  RestoreQueues(port, {L"some other queue"});
  EXPECT_EQ(byHand.Port(), L"FILE:");
  RestoreQueues(port, {byHand.name()});
  EXPECT_EQ(byHand.Port(), port);
}

}  // namespace
}  // namespace vostrel
