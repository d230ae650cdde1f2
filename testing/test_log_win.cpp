#include "testing/test_log_win.h"

#include <windows.h>

#include <stdexcept>

namespace {
// The SQLite driver is a Unix library under Wine: it needs the file's Unix path.
std::string DriverPath(const std::string& windowsPath) {
  using UnixFileName = char*(CDECL*)(const wchar_t*);
  const auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (unixFileName == nullptr) {
    return windowsPath;  // not under Wine
  }
  const std::wstring wide(windowsPath.begin(), windowsPath.end());
  char* path = unixFileName(wide.c_str());
  if (path == nullptr) {
    throw std::runtime_error("no Unix path for " + windowsPath);
  }
  std::string result = path;
  HeapFree(GetProcessHeap(), 0, path);
  return result;
}

std::string NewTemporaryFile() {
  char folder[MAX_PATH];
  char file[MAX_PATH];
  if (GetTempPathA(MAX_PATH, folder) == 0 || GetTempFileNameA(folder, "mlg", 0, file) == 0) {
    throw std::runtime_error("cannot make a temporary file");
  }
  return file;
}
}  // namespace

TestLog::TestLog(const std::string& table, const std::string& settings)
    : windowsPath_(NewTemporaryFile()) {
  try {
    log_ = std::make_unique<OdbcLog>(DriverPath(windowsPath_), table, settings);
  } catch (...) {
    DeleteFileA(windowsPath_.c_str());
    throw;
  }
}

TestLog::~TestLog() {
  log_.reset();
  DeleteFileA(windowsPath_.c_str());
}

std::uint32_t TestLog::Connection() const {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(log_->Connection()));
}
