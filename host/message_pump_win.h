// The host's message loop, run between commands and on demand, which serves the plug-in's windows.
#pragma once

// Dispatches the messages waiting in this thread's queue, then returns.
void PumpWaiting();

// Dispatches messages as they arrive for the given time.
void PumpFor(unsigned long milliseconds);
