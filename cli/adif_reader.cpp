#include "cli/adif_reader.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "cli/adif_fields.h"

namespace {
struct Record {
  AdifValues values;
  bool started = false;
  std::size_t start = 0;  // offset of its first tag
};

// What lies between '<' and '>': a name, and for a data field its length.
struct Tag {
  std::string_view name;
  bool hasLength = false;
  std::size_t length = 0;
  std::size_t end = 0;  // offset just past '>'
};

// The characters that end a tag's name; a table, as the reader meets every name of the file.
constexpr std::array<bool, 256> kNameEnd = [] {
  std::array<bool, 256> table{};
  table[':'] = table['>'] = table['<'] = true;
  return table;
}();

std::size_t SkipName(std::string_view text, std::size_t p) {
  while (p < text.size() && !kNameEnd[static_cast<unsigned char>(text[p])]) {
    ++p;
  }
  return p;
}

// Reads the tag opening at `open`; false when the text there is no tag.
bool ReadTag(std::string_view text, std::size_t open, Tag* tag) {
  std::size_t p = SkipName(text, open + 1);
  if (p >= text.size() || text[p] == '<' || p == open + 1) {
    return false;
  }
  tag->name = text.substr(open + 1, p - open - 1);
  if (text[p] == '>') {
    tag->end = p + 1;
    return true;
  }
  ++p;  // past ':'
  const std::size_t digits = p;
  std::size_t length = 0;
  while (p < text.size() && text[p] >= '0' && text[p] <= '9') {
    // Capped at the text's size: a longer field runs past the end anyway.
    length =
        std::min<std::size_t>(length * 10 + static_cast<std::size_t>(text[p] - '0'), text.size());
    ++p;
  }
  if (p == digits || p >= text.size()) {
    return false;
  }
  if (text[p] == ':') {  // a data type follows
    p = SkipName(text, p + 1);
  }
  if (p >= text.size() || text[p] != '>') {
    return false;
  }
  tag->hasLength = true;
  tag->length = length;
  tag->end = p + 1;
  return true;
}

bool IsMarker(std::string_view name, char second, char third) {
  const auto lower = [](char c) { return static_cast<char>(c | 0x20); };
  return name.size() == 3 && lower(name[0]) == 'e' && lower(name[1]) == second &&
         lower(name[2]) == third;
}

// Counts lines as the reader moves forward, so that a line number costs one pass over the text.
// Lines end in LF (alone or after CR), or in a CR alone in a file that has no LF at all.
class LineCounter {
 public:
  explicit LineCounter(std::string_view text)
      : text_(text),
        end_(std::memchr(text.data(), '\n', text.size()) != nullptr || text.empty() ? '\n' : '\r') {
  }
  std::int64_t LineAt(std::size_t offset) {
    offset = std::min(offset, text_.size());
    if (offset < counted_) {  // a warning about an earlier place: count afresh
      counted_ = 0;
      line_ = 1;
    }
    const char* p = text_.data() + counted_;
    const char* const end = text_.data() + offset;
    while ((p = static_cast<const char*>(
                std::memchr(p, end_, static_cast<std::size_t>(end - p)))) != nullptr) {
      ++line_;
      ++p;
    }
    counted_ = offset;
    return line_;
  }

 private:
  std::string_view text_;
  char end_;
  std::size_t counted_ = 0;
  std::int64_t line_ = 1;
};

class AdifReader {
 public:
  explicit AdifReader(std::string_view text) : text_(text), lines_(text) { log_.format = "ADIF"; }

  ContestLog Read() {
    std::size_t pos = 0;
    while (true) {
      // Tags follow each other closely: a plain loop beats a call to memchr here.
      std::size_t open = pos;
      while (open < text_.size() && text_[open] != '<') {
        ++open;
      }
      if (open == text_.size()) {
        break;
      }
      Tag tag;
      if (!ReadTag(text_, open, &tag)) {
        pos = open + 1;
        continue;
      }
      pos = tag.hasLength ? DataField(open, tag) : Marker(tag);
    }
    if (record_.started) {
      Warn(record_.start, "the last record has no <EOR>; skipped");
    }
    log_.ownLocators = ownLocators_.Take();
    return std::move(log_);
  }

 private:
  std::size_t DataField(std::size_t open, const Tag& tag) {
    std::size_t length = tag.length;
    if (length > text_.size() - tag.end) {
      Warn(open, "field <" + std::string(tag.name) + "> runs past the end of the file");
      length = text_.size() - tag.end;
    }
    if (!record_.started) {
      record_.started = true;
      record_.start = open;
    }
    if (const std::optional<AdifField> field = FindAdifField(tag.name)) {
      record_.values.Set(*field, text_.substr(tag.end, length));
    }
    return tag.end + length;
  }

  std::size_t Marker(const Tag& tag) {
    if (IsMarker(tag.name, 'o', 'r')) {
      if (record_.started) {
        AddQso();
      }
      record_ = Record();
    } else if (IsMarker(tag.name, 'o', 'h')) {
      record_ = Record();  // what came before was the header
    }
    return tag.end;
  }

  void AddQso() {
    LogQso& qso = log_.qsos.emplace_back();
    const std::string problem = FillAdifQso(record_.values, qso);
    if (!problem.empty()) {
      log_.qsos.pop_back();
      Warn(record_.start, problem);
      return;
    }
    qso.line = lines_.LineAt(record_.start);
    const std::string_view ownLocator = record_.values[AdifField::kMyGrid];
    if (ownLocator != lastOwnLocator_) {  // most logs repeat one locator in every record
      lastOwnLocator_ = ownLocator;
      ownLocators_.Add(ownLocator);
    }
    if (log_.stationCall.empty()) {
      log_.stationCall = qso.ownCall;
    }
  }

  void Warn(std::size_t offset, std::string message) {
    log_.warnings.push_back({lines_.LineAt(offset), std::move(message)});
  }

  std::string_view text_;
  LineCounter lines_;
  ContestLog log_;
  Record record_;
  OwnLocatorCollector ownLocators_;
  std::string_view lastOwnLocator_;
};
}  // namespace

ContestLog ReadAdif(std::string_view text) {
  return AdifReader(text).Read();
}
