// The scripted logging program: one script line at a time, it fills the host's record, keeps the
// log, calls the plug-in as a logger would and prints one result line per command.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "host/odbc_log_win.h"
#include "host/plugin_library_win.h"
#include "scoring/contest_data.h"

class HostSession {
 public:
  // Runs one line, prints "LINE -> RESULT" or "LINE -> error: MESSAGE", then dispatches the
  // messages waiting. Returns false once the script has asked to quit.
  bool Execute(const std::string& line);

 private:
  struct Arguments {
    std::string line;
    std::vector<std::string> words;  // words[0] is the command
  };
  struct Command;
  static const Command* FindCommand(const std::string& name);

  const PluginLibrary& Plugin();
  HWND Window() const;
  void SetQSO(const std::vector<std::string>& words);
  LogRow QSORow(const Arguments& args) const;

  std::string Load(const Arguments& args);
  std::string Open(const Arguments& args);
  std::string Table(const Arguments& args);
  std::string Own(const Arguments& args);
  std::string Title(const Arguments& args);
  std::string Info(const Arguments& args);
  std::string Run(const Arguments& args);
  std::string Probe(const Arguments& args);
  std::string Add(const Arguments& args);
  std::string Log(const Arguments& args);
  std::string Report(const Arguments& args);
  std::string State(const Arguments& args);
  std::string Close(const Arguments& args);
  std::string SysCommand(const Arguments& args);
  std::string Click(const Arguments& args);
  std::string Release(const Arguments& args);
  std::string Grab(const Arguments& args);
  std::string Pump(const Arguments& args);
  std::string Quit(const Arguments& args);

  TContestData data_{};
  // The log outlives the plug-in: the plug-in may still hold a statement on its connection.
  std::unique_ptr<OdbcLog> log_;
  std::unique_ptr<PluginLibrary> plugin_;
  HWND window_ = nullptr;
  bool finished_ = false;
};
