#include "scoring/contest_data.h"

#include <algorithm>
#include <cstring>

#include "scoring/text_rules.h"

std::string ShortString::Read() const {
  return std::string(reinterpret_cast<const char*>(bytes + 1), bytes[0]);
}

void ShortString::Write(const std::string& text) {
  const std::size_t length = std::min(text.size(), kRecordTextCapacity);
  bytes[0] = static_cast<std::uint8_t>(length);
  std::memcpy(bytes + 1, text.data(), length);
}

void FillPluginInfo(TPluginInfo& info) {
  info.NameFlag = 1;
  info.PluginName.Write("Stats Marovinta");
  info.PluginKind.Write("qelvor_contest");
  info.KindFlag = 1;
}

Qso QsoOf(const TContestData& record) {
  return {record.CallSign.Read(), record.DigiBand.Read(), record.QSOMode.Read(),
          record.QSOReportRecived.Read(), record.ProbeLocator.Read()};
}

bool SameLog(const TContestData& a, const TContestData& b) {
  return a.Connection == b.Connection && a.LogTable.Read() == b.LogTable.Read() &&
         a.OwnLocator.Read() == b.OwnLocator.Read() && a.TitleText.Read() == b.TitleText.Read();
}
