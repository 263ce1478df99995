#pragma once
// Where the simulator reports: the console (unless quiet) and, with a capture
// folder, a readable log plus one raw file per connection and direction
// (conn-0001-in.bin, conn-0001-out.bin) and one per print job (job-0001.bin),
// so that a test can compare exact wire bytes.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "sim_session.h"

namespace vostrel::sim {

class Recorder {
 public:
  // An empty folder records nothing to files. Creates the folder if needed.
  Recorder(std::wstring folder, bool quiet);

  bool ok() const { return ok_; }

  void Log(std::string_view line);
  void BeginConnection(long long number, std::string_view peer);
  void Received(std::string_view bytes);
  void Sent(std::string_view bytes);
  void EndConnection();
  void Job(const PrintJob& job, int number);

  // Bytes received and sent on every connection so far.
  long long receivedBytes() const { return receivedBytes_; }
  long long sentBytes() const { return sentBytes_; }

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  using File = std::unique_ptr<std::FILE, FileCloser>;
  File Open(const std::wstring& name, const wchar_t* mode) const;

  std::wstring folder_;
  bool quiet_;
  bool ok_ = true;
  File log_;
  File in_;
  File out_;
  long long connection_ = 0;
  long long receivedBytes_ = 0;
  long long sentBytes_ = 0;
};

// "2026-12-11 03:35:12.123": the local time, to the millisecond, that starts
// every log line.
std::string Timestamp();

// Whole-file helpers for the settings file.
bool ReadWholeFile(const std::wstring& path, std::string& bytes);
bool WriteWholeFile(const std::wstring& path, std::string_view bytes);

}  // namespace vostrel::sim
