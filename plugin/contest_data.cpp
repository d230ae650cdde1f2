#include "plugin/contest_data.h"

#include <algorithm>
#include <cstring>

TContestData CurrentData{};

std::string ShortString::Read() const {
  return std::string(reinterpret_cast<const char*>(bytes + 1), bytes[0]);
}

void ShortString::Write(const std::string& text) {
  const std::size_t length = std::min<std::size_t>(text.size(), 255);
  bytes[0] = static_cast<std::uint8_t>(length);
  std::memcpy(bytes + 1, text.data(), length);
}

void FillPluginInfo(TPluginInfo& info) {
  info.NameFlag = 1;
  info.PluginName.Write("Stats Marovinta");
  info.PluginKind.Write("qelvor_contest");
  info.KindFlag = 1;
}
