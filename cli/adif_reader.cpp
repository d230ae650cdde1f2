#include "cli/adif_reader.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "cli/band_map.h"
#include "cli/log_text.h"
#include "cli/log_time.h"

namespace {
// The fields a QSO is made of; every other field is passed over.
enum class Field {
  kCall,
  kBand,
  kFreq,
  kMode,
  kSubmode,
  kGrid,
  kMyGrid,
  kStation,
  kOperator,
  kDate,
  kTime
};
struct FieldName {
  std::string_view name;
  Field field;
};
constexpr FieldName kFields[] = {
    {"call", Field::kCall},
    {"band", Field::kBand},
    {"freq", Field::kFreq},
    {"mode", Field::kMode},
    {"submode", Field::kSubmode},
    {"gridsquare", Field::kGrid},
    {"my_gridsquare", Field::kMyGrid},
    {"station_callsign", Field::kStation},
    {"operator", Field::kOperator},
    {"qso_date", Field::kDate},
    {"time_on", Field::kTime},
};
constexpr std::size_t kFieldCount = std::size(kFields);

struct Record {
  std::string_view values[kFieldCount];
  bool started = false;
  std::size_t start = 0;  // offset of its first tag

  std::string_view operator[](Field f) const { return values[static_cast<int>(f)]; }
  void Clear() { *this = Record(); }
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

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// `known` is in lower case.
bool IsName(std::string_view name, std::string_view known) {
  if (name.size() != known.size()) {
    return false;
  }
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (Lower(name[i]) != known[i]) {
      return false;
    }
  }
  return true;
}

const FieldName* FindField(std::string_view name) {
  for (const FieldName& known : kFields) {
    if (IsName(name, known.name)) {
      return &known;
    }
  }
  return nullptr;
}

// Counts lines as the reader moves forward, so that a line number costs one pass over the text.
class LineCounter {
 public:
  explicit LineCounter(std::string_view text) : text_(text) {}
  int LineAt(std::size_t offset) {
    offset = std::min(offset, text_.size());
    if (offset < counted_) {  // a warning about an earlier place: count afresh
      counted_ = 0;
      line_ = 1;
    }
    const char* p = text_.data() + counted_;
    const char* const end = text_.data() + offset;
    while ((p = static_cast<const char*>(
                std::memchr(p, '\n', static_cast<std::size_t>(end - p)))) != nullptr) {
      ++line_;
      ++p;
    }
    counted_ = offset;
    return line_;
  }

 private:
  std::string_view text_;
  std::size_t counted_ = 0;
  int line_ = 1;
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
    if (const FieldName* known = FindField(tag.name)) {
      record_.values[static_cast<int>(known->field)] = text_.substr(tag.end, length);
    }
    return tag.end + length;
  }

  std::size_t Marker(const Tag& tag) {
    if (IsName(tag.name, "eor")) {
      if (record_.started) {
        AddQso();
      }
      record_.Clear();
    } else if (IsName(tag.name, "eoh")) {
      record_.Clear();  // what came before was the header
    }
    return tag.end;
  }

  void AddQso() {
    using F = Field;
    const Record& r = record_;
    LogQso qso;
    qso.callSign = UpperTrimmed(r[F::kCall]);
    if (qso.callSign.empty()) {
      Warn(r.start, "record without CALL; skipped");
      return;
    }
    const char* band = BandOfAdifName(r[F::kBand]);
    if (!band) {
      band = BandOfMhzText(r[F::kFreq]);
    }
    if (!band) {
      Warn(r.start, NoBandMessage(r[F::kBand], r[F::kFreq]));
      return;
    }
    qso.band = band;
    // A submode names the mode the operator used (FT4), the mode only its family (MFSK).
    const std::string_view submode = TrimControl(r[F::kSubmode]);
    qso.mode = UpperTrimmed(submode.empty() ? r[F::kMode] : submode);
    qso.exchange = std::string(TrimControl(r[F::kGrid]));
    qso.line = lines_.LineAt(r.start);
    const std::string_view station = TrimControl(r[F::kStation]);
    qso.ownCall = UpperTrimmed(station.empty() ? r[F::kOperator] : station);
    qso.ownLocator = UpperTrimmed(r[F::kMyGrid]);
    qso.frequency = std::string(TrimControl(r[F::kFreq]));
    qso.utcSeconds = UtcSeconds(TrimControl(r[F::kDate]), TrimControl(r[F::kTime]));
    if (r[F::kMyGrid] != lastOwnLocator_) {  // most logs repeat one locator in every record
      lastOwnLocator_ = r[F::kMyGrid];
      AddOwnLocator(log_.ownLocators, lastOwnLocator_);
    }
    if (log_.stationCall.empty()) {
      log_.stationCall = qso.ownCall;
    }
    log_.qsos.push_back(std::move(qso));
  }

  static std::string NoBandMessage(std::string_view band, std::string_view freq) {
    band = TrimControl(band);
    freq = TrimControl(freq);
    const std::string bandText = "band '" + std::string(band) + "'";
    const std::string freqText = "frequency '" + std::string(freq) + "'";
    if (band.empty() && freq.empty()) {
      return "record without BAND or FREQ; skipped";
    }
    if (freq.empty()) {
      return bandText + " is no amateur band; skipped";
    }
    if (band.empty()) {
      return freqText + " is on no amateur band; skipped";
    }
    return bandText + " and " + freqText + " name no amateur band; skipped";
  }

  void Warn(std::size_t offset, std::string message) {
    log_.warnings.push_back({lines_.LineAt(offset), std::move(message)});
  }

  std::string_view text_;
  LineCounter lines_;
  ContestLog log_;
  Record record_;
  std::string_view lastOwnLocator_;
};
}  // namespace

ContestLog ReadAdif(std::string_view text) {
  return AdifReader(text).Read();
}
