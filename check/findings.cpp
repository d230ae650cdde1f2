#include "check/findings.h"

#include <charconv>
#include <stdexcept>

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    return std::string(text);
  }
  std::string quoted = "\"";
  for (char c : text) {
    quoted += c;
    if (c == '"') {
      quoted += '"';
    }
  }
  return quoted + "\"";
}

std::string FindingsCsv(const std::vector<Finding>& findings) {
  std::string csv = "file,line,kind,detail\n";
  for (const Finding& finding : findings) {
    csv += CsvField(finding.file) + "," + std::to_string(finding.line) + "," +
           CsvField(finding.kind) + "," + CsvField(finding.detail) + "\n";
  }
  return csv;
}

namespace {
// The fields of one CSV record starting at `pos`; moves `pos` past its line end.
std::vector<std::string> CsvRecord(std::string_view text, std::size_t& pos) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  while (pos < text.size()) {
    const char c = text[pos++];
    if (quoted) {
      if (c == '"' && pos < text.size() && text[pos] == '"') {
        fields.back() += '"';
        ++pos;
      } else if (c == '"') {
        quoted = false;
      } else {
        fields.back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else if (c == '\n') {
      break;
    } else if (c != '\r') {
      fields.back() += c;
    }
  }
  return fields;
}
}  // namespace

std::vector<Finding> ParseFindingsCsv(std::string_view text) {
  std::vector<Finding> findings;
  std::size_t pos = 0;
  CsvRecord(text, pos);  // the header
  for (int row = 2; pos < text.size(); ++row) {
    const std::vector<std::string> fields = CsvRecord(text, pos);
    if (fields.size() == 1 && fields[0].empty()) {
      continue;
    }
    Finding finding;
    const std::string& line = fields.size() == 4 ? fields[1] : std::string();
    const auto parsed = std::from_chars(line.data(), line.data() + line.size(), finding.line);
    if (fields.size() != 4 || parsed.ec != std::errc() || parsed.ptr != line.data() + line.size()) {
      throw std::runtime_error("findings row " + std::to_string(row) +
                               ": expected file, line number, kind and detail");
    }
    finding.file = fields[0];
    finding.kind = fields[2];
    finding.detail = fields[3];
    findings.push_back(std::move(finding));
  }
  return findings;
}
