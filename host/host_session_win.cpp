#include "host/host_session_win.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <stdexcept>

#include "host/button_click_win.h"
#include "host/message_pump_win.h"
#include "host/plugin_error_guard_win.h"
#include "host/script_line.h"
#include "host/statistics_window_win.h"
#include "host/transcript.h"

namespace {

constexpr std::size_t kAnyNumber = std::numeric_limits<std::size_t>::max();

// Runs a call that may reach the plug-in, turns its error into std::runtime_error, and reports a
// plug-in that wrote into the host's record, which it must only read.
template <typename Call>
void CallPlugin(const TContestData& record, Call call) {
  const TContestData before = record;
  const std::optional<PluginError> error = CatchPluginError(call);
  if (std::memcmp(&before, &record, sizeof record) != 0) {
    PrintLine("warning: the plug-in changed the host's record");
  }
  if (error) {
    throw std::runtime_error(error->message);
  }
}

std::string Quoted(const std::string& text) {
  return "'" + text + "'";
}

}  // namespace

struct HostSession::Command {
  const char* name;
  std::size_t minArguments;
  std::size_t maxArguments;
  const char* usage;
  std::string (HostSession::*run)(const Arguments& args);
};

const HostSession::Command* HostSession::FindCommand(const std::string& name) {
  static const Command kCommands[] = {
      {"load", 1, 1, "load DLLPATH", &HostSession::Load},
      {"open", 1, 2, "open LOGFILE [TABLE]", &HostSession::Open},
      {"table", 1, 1, "table NAME", &HostSession::Table},
      {"own", 0, 1, "own [LOCATOR]", &HostSession::Own},
      {"title", 0, kAnyNumber, "title [TEXT]", &HostSession::Title},
      {"info", 0, 0, "info", &HostSession::Info},
      {"run", 0, 0, "run", &HostSession::Run},
      {"probe", 3, 4, "probe CALL BAND MODE [LOCATOR]", &HostSession::Probe},
      {"add", 3, kAnyNumber, "add CALL BAND MODE [REPORT]", &HostSession::Add},
      {"log", 3, kAnyNumber, "log CALL BAND MODE [REPORT]", &HostSession::Log},
      {"report", 0, 0, "report", &HostSession::Report},
      {"state", 0, 0, "state", &HostSession::State},
      {"close", 0, 0, "close", &HostSession::Close},
      {"syscommand", 1, 1, "syscommand CODE", &HostSession::SysCommand},
      {"click", 1, kAnyNumber, "click CAPTION", &HostSession::Click},
      {"release", 0, 0, "release", &HostSession::Release},
      {"grab", 0, 0, "grab", &HostSession::Grab},
      {"pump", 1, 1, "pump MILLISECONDS", &HostSession::Pump},
      {"wait", 1, 1, "wait MILLISECONDS", &HostSession::Pump},
      {"quit", 0, 0, "quit", &HostSession::Quit},
  };
  for (const Command& command : kCommands) {
    if (name == command.name) {
      return &command;
    }
  }
  return nullptr;
}

bool HostSession::Execute(const std::string& rawLine) {
  if (IsBlankOrComment(rawLine)) {
    return true;
  }
  const Arguments args{TrimLine(rawLine), Words(rawLine)};
  try {
    const Command* command = FindCommand(args.words[0]);
    if (command == nullptr) {
      throw std::runtime_error("unknown command " + Quoted(args.words[0]));
    }
    const std::size_t count = args.words.size() - 1;
    if (count < command->minArguments || count > command->maxArguments) {
      throw std::runtime_error(std::string("usage: ") + command->usage);
    }
    PrintLine(args.line + " -> " + (this->*command->run)(args));
  } catch (const std::exception& error) {
    PrintLine(args.line + " -> error: " + error.what());
  }
  try {
    CallPlugin(data_, [] { PumpWaiting(); });
  } catch (const std::exception& error) {
    PrintLine("(messages) -> error: " + std::string(error.what()));
  }
  return !finished_;
}

const PluginLibrary& HostSession::Plugin() {
  if (!plugin_) {
    plugin_ = std::make_unique<PluginLibrary>(kPluginFile);
  }
  return *plugin_;
}

HWND HostSession::Window() const {
  if (window_ == nullptr || !IsWindow(window_)) {
    throw std::runtime_error("no statistics window");
  }
  return window_;
}

void HostSession::SetQSO(const std::vector<std::string>& words) {
  data_.CallSign.Write(words[1]);
  data_.DigiBand.Write(words[2]);
  data_.QSOMode.Write(words[3]);
}

LogRow HostSession::QSORow(const Arguments& args) const {
  return {args.words[1], args.words[2], args.words[3], TextAfterWords(args.line, 4), "", "", ""};
}

std::string HostSession::Load(const Arguments& args) {
  if (plugin_) {
    throw std::runtime_error("a plug-in is already loaded");
  }
  plugin_ = std::make_unique<PluginLibrary>(args.words[1]);
  return "ok";
}

std::string HostSession::Open(const Arguments& args) {
  if (log_) {
    throw std::runtime_error("a log is already open");
  }
  const std::string table = args.words.size() > 2 ? args.words[2] : kDefaultLogTable;
  log_ = std::make_unique<OdbcLog>(args.words[1], table);
  data_.Connection =
      static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(log_->Connection()));
  data_.LogTable.Write(table);
  return std::to_string(log_->CountRows()) + " rows";
}

std::string HostSession::Table(const Arguments& args) {
  data_.LogTable.Write(args.words[1]);
  return "ok";
}

std::string HostSession::Own(const Arguments& args) {
  data_.OwnLocator.Write(args.words.size() > 1 ? args.words[1] : "");
  return "ok";
}

std::string HostSession::Title(const Arguments& args) {
  data_.TitleText.Write(TextAfterWords(args.line, 1));
  return "ok";
}

std::string HostSession::Info(const Arguments&) {
  const PluginLibrary& plugin = Plugin();
  TPluginInfo info{};
  CallPlugin(data_, [&] { plugin.GetInfo(&info); });
  return "name " + Quoted(info.PluginName.Read()) + " flag " + std::to_string(info.NameFlag) +
         ", kind " + Quoted(info.PluginKind.Read()) + " flag " + std::to_string(info.KindFlag);
}

std::string HostSession::Run(const Arguments&) {
  const PluginLibrary& plugin = Plugin();
  HWND window = nullptr;
  CallPlugin(data_, [&] { window = plugin.Run(0, &data_); });
  window_ = window;
  return "window " + HandleText(window);
}

std::string HostSession::Probe(const Arguments& args) {
  const PluginLibrary& plugin = Plugin();
  SetQSO(args.words);
  data_.ProbeLocator.Write(args.words.size() > 4 ? args.words[4] : "");
  int points = 0;
  CallPlugin(data_, [&] { points = plugin.GetScore(&data_); });
  return std::to_string(points);
}

// As a logger does: the QSO goes into the log whatever the plug-in makes of it.
std::string HostSession::Add(const Arguments& args) {
  const PluginLibrary& plugin = Plugin();
  const LogRow row = QSORow(args);
  if (log_) {
    log_->Insert(row);
  }
  SetQSO(args.words);
  data_.QSOReportRecived.Write(row.QSOReportRecived);
  data_.Continent.Write(row.Continent);
  data_.MainPrefix.Write(row.MainPrefix);
  data_.DXCCPrefix.Write(row.DXCCPrefix);
  int points = 0;
  CallPlugin(data_, [&] { points = plugin.AddQSO(&data_); });
  return std::to_string(points);
}

std::string HostSession::Log(const Arguments& args) {
  if (!log_) {
    throw std::runtime_error("no log is open");
  }
  log_->Insert(QSORow(args));
  return "ok";
}

std::string HostSession::Report(const Arguments&) {
  std::string text = ReadReport(Window());
  if (!text.empty() && text.back() == '\n') {
    text.pop_back();
  }
  std::size_t lines = text.empty() ? 0 : 1;
  for (char c : text) {
    lines += c == '\n' ? 1 : 0;
  }
  return std::to_string(lines) + " lines" + (text.empty() ? "" : "\n" + text);
}

std::string HostSession::State(const Arguments&) {
  return DescribeWindow(window_);
}

std::string HostSession::Close(const Arguments&) {
  const HWND window = Window();
  CallPlugin(data_, [&] { SendMessageW(window, WM_CLOSE, 0, 0); });
  return "sent";
}

std::string HostSession::SysCommand(const Arguments& args) {
  const std::optional<std::int64_t> code = ParseNumber(args.words[1]);
  if (!code || *code < 0 || *code > 0xFFFF) {
    throw std::runtime_error("not a command code: " + args.words[1]);
  }
  const HWND window = Window();
  CallPlugin(data_, [&] { SendMessageW(window, WM_SYSCOMMAND, static_cast<WPARAM>(*code), 0); });
  return "sent";
}

std::string HostSession::Click(const Arguments& args) {
  const std::string caption = TextAfterWords(args.line, 1);
  CallPlugin(data_, [&] { ClickButton(caption); });
  return "clicked";
}

std::string HostSession::Release(const Arguments&) {
  const PluginLibrary& plugin = Plugin();
  CallPlugin(data_, [&] { plugin.Release(); });
  return "done";
}

std::string HostSession::Grab(const Arguments&) {
  const PluginLibrary& plugin = Plugin();
  ShortString number;
  std::memset(number.bytes, 'x', sizeof number.bytes);
  number.bytes[0] = 5;  // a stale "xxxxx" the plug-in must replace
  CallPlugin(data_, [&] { plugin.GrabNumber(&data_, &number); });
  return Quoted(number.Read());
}

std::string HostSession::Pump(const Arguments& args) {
  const std::optional<std::int64_t> milliseconds = ParseNumber(args.words[1]);
  if (!milliseconds || *milliseconds < 0 || *milliseconds > 600000) {
    throw std::runtime_error("not a time in milliseconds: " + args.words[1]);
  }
  CallPlugin(data_, [&] { PumpFor(static_cast<unsigned long>(*milliseconds)); });
  return "ok";
}

std::string HostSession::Quit(const Arguments&) {
  finished_ = true;
  return "ok";
}
