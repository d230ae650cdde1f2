// marovinta-host: a scripted stand-in for the logging program that drives the plug-in.
//   marovinta-host [SCRIPT]    reads commands from SCRIPT, or from standard input
// The commands are listed in host/README.md.

#include <fcntl.h>
#include <io.h>
#include <objbase.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "host/host_session_win.h"
#include "host/message_box_watch_win.h"

namespace {

// The plug-in creates its distance component through COM on the host's thread.
class ComApartment {
 public:
  ComApartment() : initialised_(SUCCEEDED(CoInitialize(nullptr))) {}
  ~ComApartment() {
    if (initialised_) {
      CoUninitialize();
    }
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialised_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: marovinta-host [SCRIPT]\n");
    return 2;
  }
  // Plain LF line ends, so the transcript compares as it is.
  _setmode(_fileno(stdout), _O_BINARY);
  std::ifstream file;
  std::istream* input = &std::cin;
  if (argc == 2 && std::strcmp(argv[1], "-") != 0) {
    file.open(argv[1]);
    if (!file) {
      std::fprintf(stderr, "marovinta-host: cannot read %s\n", argv[1]);
      return 2;
    }
    input = &file;
  }

  const ComApartment com;
  const MessageBoxWatch boxes;
  HostSession session;
  std::string line;
  while (std::getline(*input, line) && session.Execute(line)) {
  }
  return 0;
}
