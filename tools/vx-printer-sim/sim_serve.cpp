#include "sim_serve.h"

namespace vostrel::sim {
namespace {

void Report(Session& session, Printer& printer, Recorder& recorder) {
  for (const std::string& event : session.TakeEvents()) recorder.Log("  " + event);
  const auto jobs = session.TakeJobs();
  // The printer counted the jobs already; number them as it did.
  int number = printer.printedJobs() - static_cast<int>(jobs.size());
  for (const PrintJob& job : jobs) recorder.Job(job, ++number);
}

}  // namespace

ServeEnd ServeConnection(Channel& channel, Printer& printer, const ServeSettings& settings, Recorder& recorder,
                         Clock& clock, const std::atomic<bool>& stop) {
  Session session(printer, settings.faults);
  session.SetStrict(settings.strict);
  ServeEnd end = ServeEnd::PeerClosed;
  bool anything = false;
  std::uint32_t lastBytes = clock.TickCount();
  char buffer[4096];
  while (true) {
    if (stop.load()) {
      end = ServeEnd::Stopped;
      break;
    }
    const int count = channel.Read(buffer, sizeof buffer);
    if (count < 0) break;
    if (count == 0) {
      if (settings.idleEndMs > 0 && anything && ElapsedMs(lastBytes, clock.TickCount()) >= settings.idleEndMs) {
        end = ServeEnd::Idle;
        break;
      }
      continue;
    }
    anything = true;
    lastBytes = clock.TickCount();
    const std::string_view bytes(buffer, static_cast<std::size_t>(count));
    recorder.Received(bytes);
    bool failed = false;
    for (const Step& step : session.Receive(bytes)) {
      if (stop.load()) break;  // a slow reply must not hold up Ctrl+C
      if (!step.bytes.empty()) {
        if (!channel.Write(step.bytes)) {
          failed = true;
          break;
        }
        recorder.Sent(step.bytes);
      }
      if (step.pauseMs > 0) clock.Sleep(step.pauseMs);
    }
    Report(session, printer, recorder);
    if (failed) {
      recorder.Log("  the client went away during the reply");
      end = ServeEnd::WriteFailed;
      break;
    }
    if (session.closed()) {
      end = session.reset() ? ServeEnd::FaultReset : ServeEnd::FaultClosed;
      break;
    }
  }
  session.Finish();
  Report(session, printer, recorder);
  if (!anything && end != ServeEnd::Stopped) end = ServeEnd::NothingCame;
  if (!settings.stateFile.empty() && !WriteWholeFile(settings.stateFile, printer.SettingsFileText())) {
    recorder.Log("could not save the settings file");
  }
  return end;
}

}  // namespace vostrel::sim
