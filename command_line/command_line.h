// The command lines of marovinta-score, marovinta-check and marovinta-contest, read one way:
// options "--name value" or "--name=value", flags "--name" ("-h" is "--help"), and operands. Any
// other argument beginning with '-' is an unknown option, except '-' itself (standard input);
// "--" ends the options.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

class CommandLineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Arguments {
  std::map<std::string, std::string> values;  // by option name, "--out"
  std::set<std::string> flags;
  std::vector<std::string> operands;

  bool Has(const std::string& name) const { return values.count(name) != 0; }
};

// Throws CommandLineError for an unknown option, a missing value, or a value given to a flag.
Arguments ParseArguments(const std::vector<std::string>& arguments,
                         const std::set<std::string>& options, const std::set<std::string>& flags);

// A value of an option as a number between `least` and `most`; throws CommandLineError.
double NumberOption(const Arguments& arguments, const std::string& name, double fallback,
                    double least, double most);
// The same for a whole number.
std::uint64_t WholeOption(const Arguments& arguments, const std::string& name,
                          std::uint64_t fallback, std::uint64_t least, std::uint64_t most);
