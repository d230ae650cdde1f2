#include "host/transcript.h"

#include <cstdio>
#include <mutex>

void PrintLine(const std::string& line) {
  static std::mutex lock;
  const std::lock_guard<std::mutex> hold(lock);
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}
