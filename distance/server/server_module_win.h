// Counts the server's live objects and locks, so COM knows when the DLL may be unloaded.
#pragma once

#include <atomic>

inline std::atomic<long> ServerReferences{0};

inline void AddServerReference() {
  ++ServerReferences;
}
inline void ReleaseServerReference() {
  --ServerReferences;
}
inline bool ServerInUse() {
  return ServerReferences.load() != 0;
}
