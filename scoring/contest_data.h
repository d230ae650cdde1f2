// The two fixed-layout records shared with the host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "scoring/qso.h"

// A 256-byte text slot: byte 0 is the length, then that many single-byte characters, no terminator.
struct ShortString {
  std::uint8_t bytes[256];

  std::string Read() const;
  // Cuts to 255 characters; the bytes after the stored characters keep what they held.
  void Write(const std::string& text);
};

struct TContestData {
  std::uint32_t Connection;  // the host's ODBC connection handle (a 32-bit address in the host)
  std::uint8_t host0[8];
  ShortString LogTable;
  ShortString CallSign;
  std::uint8_t host1[16];
  ShortString DigiBand;
  ShortString QSOMode;
  ShortString Continent;
  ShortString QSOReportRecived;
  std::uint8_t host2[256];
  ShortString ProbeLocator;
  std::uint8_t host3[256];
  ShortString MainPrefix;
  ShortString DXCCPrefix;
  std::uint8_t host4[1024];
  ShortString TitleText;
  std::uint8_t host5[1280];
  ShortString OwnLocator;
  std::uint8_t host6[256];
};

struct TPluginInfo {
  ShortString PluginName;
  std::int32_t NameFlag;
  ShortString PluginKind;
  std::int32_t KindFlag;
};

static_assert(sizeof(ShortString) == 256);
static_assert(sizeof(TContestData) == 5916);
static_assert(offsetof(TContestData, Connection) == 0);
static_assert(offsetof(TContestData, host0) == 4);
static_assert(offsetof(TContestData, LogTable) == 12);
static_assert(offsetof(TContestData, CallSign) == 268);
static_assert(offsetof(TContestData, host1) == 524);
static_assert(offsetof(TContestData, DigiBand) == 540);
static_assert(offsetof(TContestData, QSOMode) == 796);
static_assert(offsetof(TContestData, Continent) == 1052);
static_assert(offsetof(TContestData, QSOReportRecived) == 1308);
static_assert(offsetof(TContestData, host2) == 1564);
static_assert(offsetof(TContestData, ProbeLocator) == 1820);
static_assert(offsetof(TContestData, host3) == 2076);
static_assert(offsetof(TContestData, MainPrefix) == 2332);
static_assert(offsetof(TContestData, DXCCPrefix) == 2588);
static_assert(offsetof(TContestData, host4) == 2844);
static_assert(offsetof(TContestData, TitleText) == 3868);
static_assert(offsetof(TContestData, host5) == 4124);
static_assert(offsetof(TContestData, OwnLocator) == 5404);
static_assert(offsetof(TContestData, host6) == 5660);
static_assert(sizeof(TPluginInfo) == 520);
static_assert(offsetof(TPluginInfo, PluginName) == 0);
static_assert(offsetof(TPluginInfo, NameFlag) == 256);
static_assert(offsetof(TPluginInfo, PluginKind) == 260);
static_assert(offsetof(TPluginInfo, KindFlag) == 516);

// Writes the plug-in's name and kind: exactly 39 bytes of the host's record.
void FillPluginInfo(TPluginInfo& info);

// The QSO a record describes, its texts as the record holds them.
Qso QsoOf(const TContestData& record);

// True when both records are of the same log as the statistics window shows it: read through the
// same connection from the same log table, scored from the same own locator, under the same title.
// Texts are compared exactly: another spelling of the same name costs a rebuild, never a wrong
// score.
bool SameLog(const TContestData& a, const TContestData& b);
