// What a rebuild of the scoring state needs of the window it runs in.
#pragma once

class RecalcHost {
 public:
  virtual ~RecalcHost() = default;
  // Lets the thread dispatch the window messages that are waiting; their handlers may call back
  // into the scoring.
  virtual void ProcessMessages() = 0;
  // Shows the action RecalcStatistic, and the button bound to it, enabled or greyed.
  virtual void SetActionEnabled(bool enabled) = 0;
};
