// What a rebuild of the scoring state needs of the window it runs in.
#pragma once

#include <string>

class RecalcHost {
 public:
  virtual ~RecalcHost() = default;
  // Lets the thread dispatch the window messages that are waiting; their handlers may call back
  // into the scoring.
  virtual void ProcessMessages() = 0;
  // Shows the action RecalcStatistic, and the button bound to it, enabled or greyed.
  virtual void SetActionEnabled(bool enabled) = 0;
  // The host's fields as its last record holds them: the log table is read as the query opens,
  // the own locator as the rows are scored.
  virtual std::string LogTable() = 0;
  virtual std::string OwnLocator() = 0;
  // Writes the report of the scoring state into the window (ShowStatistic), or empties it.
  virtual void ShowStatistic() = 0;
  virtual void ClearStatistic() = 0;
  // Moves the locator map, when one is open, to band `index` (1..9).
  virtual void SelectMapBand(int index) = 0;
};
