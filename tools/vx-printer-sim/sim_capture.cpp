#include "sim_capture.h"

#include <windows.h>

#include <cwchar>

namespace vostrel::sim {
namespace {

std::wstring Numbered(const wchar_t* stem, long long number, const wchar_t* suffix) {
  wchar_t name[64];
  std::swprintf(name, 64, L"%ls-%04lld%ls", stem, number, suffix);
  return name;
}

void WriteAll(std::FILE* file, std::string_view bytes) {
  if (file == nullptr || bytes.empty()) return;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fflush(file);
}

}  // namespace

Recorder::Recorder(std::wstring folder, bool quiet) : folder_(std::move(folder)), quiet_(quiet) {
  if (folder_.empty()) return;
  if (!::CreateDirectoryW(folder_.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS) {
    ok_ = false;
    return;
  }
  if (folder_.back() != L'\\' && folder_.back() != L'/') folder_ += L'\\';
  log_ = Open(L"sim.log", L"ab");
  ok_ = log_ != nullptr;
}

Recorder::File Recorder::Open(const std::wstring& name, const wchar_t* mode) const {
  return File(::_wfopen((folder_ + name).c_str(), mode));
}

std::string Timestamp() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  char text[32];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u.%03u", now.wYear, now.wMonth, now.wDay, now.wHour,
                now.wMinute, now.wSecond, now.wMilliseconds);
  return text;
}

void Recorder::Log(std::string_view line) {
  std::string text = Timestamp() + " " + std::string(line);
  text += '\n';
  if (!quiet_) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
  }
  WriteAll(log_.get(), text);
}

void Recorder::BeginConnection(long long number, std::string_view peer) {
  connection_ = number;
  Log("connection " + std::to_string(number) + " from " + std::string(peer));
  if (folder_.empty()) return;
  in_ = Open(Numbered(L"conn", number, L"-in.bin"), L"wb");
  out_ = Open(Numbered(L"conn", number, L"-out.bin"), L"wb");
}

void Recorder::Received(std::string_view bytes) {
  receivedBytes_ += static_cast<long long>(bytes.size());
  WriteAll(in_.get(), bytes);
  if (!bytes.empty()) WriteAll(log_.get(), Timestamp() + "   <- " + std::to_string(bytes.size()) + " bytes\n");
}

void Recorder::Sent(std::string_view bytes) {
  sentBytes_ += static_cast<long long>(bytes.size());
  WriteAll(out_.get(), bytes);
}

void Recorder::EndConnection() {
  in_.reset();
  out_.reset();
  Log("connection " + std::to_string(connection_) + " closed");
}

void Recorder::Job(const PrintJob& job, int number) {
  if (folder_.empty()) return;
  File file = Open(Numbered(L"job", number, L".bin"), L"wb");
  WriteAll(file.get(), job.bytes);
}

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(::_wfopen(path.c_str(), L"rb"), std::fclose);
  if (!file) return false;
  bytes.clear();
  char buffer[4096];
  std::size_t count = 0;
  while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, count);
  return std::ferror(file.get()) == 0;
}

bool WriteWholeFile(const std::wstring& path, std::string_view bytes) {
  // Written beside the target and moved over it, so that a crash or Ctrl+C
  // never leaves half a settings file.
  const std::wstring temporary = path + L".tmp";
  std::FILE* file = ::_wfopen(temporary.c_str(), L"wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    ::DeleteFileW(temporary.c_str());
    return false;
  }
  return ::MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

}  // namespace vostrel::sim
