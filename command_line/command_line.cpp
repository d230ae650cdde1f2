#include "command_line/command_line.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace {
std::string Shown(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}
}  // namespace

Arguments ParseArguments(const std::vector<std::string>& arguments,
                         const std::set<std::string>& options, const std::set<std::string>& flags) {
  Arguments parsed;
  bool onlyOperands = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (onlyOperands || argument == "-" || argument.rfind('-', 0) != 0) {
      parsed.operands.push_back(argument);
      continue;
    }
    if (argument == "--") {
      onlyOperands = true;
      continue;
    }
    const std::size_t equals = argument.find('=');
    const bool valueGiven = equals != std::string::npos;
    const std::string typed = argument.substr(0, equals);
    const std::string name = typed == "-h" ? "--help" : typed;
    std::string value = valueGiven ? argument.substr(equals + 1) : std::string();
    if (flags.count(name)) {
      if (valueGiven) {
        throw CommandLineError(typed + " takes no value");
      }
      parsed.flags.insert(name);
    } else if (options.count(name)) {
      if (!valueGiven) {
        if (i + 1 >= arguments.size()) {
          throw CommandLineError(typed + " needs a value");
        }
        value = arguments[++i];
      }
      parsed.values[name] = value;
    } else {
      throw CommandLineError("unknown option " + typed);
    }
  }
  return parsed;
}

double NumberOption(const Arguments& arguments, const std::string& name, double fallback,
                    double least, double most) {
  const auto found = arguments.values.find(name);
  if (found == arguments.values.end()) {
    return fallback;
  }
  const std::string& text = found->second;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !(value >= least && value <= most)) {
    throw CommandLineError(name + " needs a number from " + Shown(least) + " to " + Shown(most) +
                           ", not '" + text + "'");
  }
  return value;
}

std::uint64_t WholeOption(const Arguments& arguments, const std::string& name,
                          std::uint64_t fallback, std::uint64_t least, std::uint64_t most) {
  const auto found = arguments.values.find(name);
  if (found == arguments.values.end()) {
    return fallback;
  }
  const std::string& text = found->second;
  std::uint64_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value < least ||
      value > most) {
    throw CommandLineError(name + " needs a whole number from " + std::to_string(least) + " to " +
                           std::to_string(most) + ", not '" + text + "'");
  }
  return value;
}
