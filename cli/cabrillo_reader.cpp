#include "cli/cabrillo_reader.h"

#include <array>

#include "cli/band_map.h"
#include "cli/log_text.h"
#include "cli/log_time.h"

namespace {
// Frequency, mode, date, time, own call, own grid, call, grid.
constexpr std::size_t kQsoColumns = 8;

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

// The first eight words of a line, and how many it has in all.
struct Words {
  std::array<std::string_view, kQsoColumns> word;
  std::size_t count = 0;
};

Words SplitWords(std::string_view line) {
  Words words;
  std::size_t p = 0;
  while (p < line.size()) {
    while (p < line.size() && IsBlank(line[p])) {
      ++p;
    }
    const std::size_t start = p;
    while (p < line.size() && !IsBlank(line[p])) {
      ++p;
    }
    if (p > start) {
      if (words.count < kQsoColumns) {
        words.word[words.count] = line.substr(start, p - start);
      }
      ++words.count;
    }
  }
  return words;
}

// The columns of a QSO line by name. A line one column short lacks a grid: the received one
// when the sixth column is a locator, else the own one.
struct QsoColumns {
  std::string_view frequency, mode, date, time, ownCall, ownGrid, call, grid;
};

bool SplitQso(const Words& w, QsoColumns* columns) {
  if (w.count < kQsoColumns - 1) {
    return false;
  }
  columns->frequency = w.word[0];
  columns->mode = w.word[1];
  columns->date = w.word[2];
  columns->time = w.word[3];
  columns->ownCall = w.word[4];
  if (w.count >= kQsoColumns) {
    columns->ownGrid = w.word[5];
    columns->call = w.word[6];
    columns->grid = w.word[7];
  } else if (StartsWithSquare(w.word[5])) {
    columns->ownGrid = w.word[5];
    columns->call = w.word[6];
  } else {
    columns->call = w.word[5];
    columns->grid = w.word[6];
  }
  return true;
}

class CabrilloReader {
 public:
  CabrilloReader() { log_.format = "Cabrillo"; }

  ContestLog Read(std::string_view text) {
    int number = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
      std::size_t end = text.find('\n', pos);
      if (end == std::string_view::npos) {
        end = text.size();
      }
      ++number;
      const bool more = Line(number, TrimControl(text.substr(pos, end - pos)));
      if (!more) {
        break;
      }
      pos = end + 1;
    }
    if (log_.stationCall.empty()) {
      log_.stationCall = firstOwnCall_;
    }
    // The header's locator comes first wherever it stands; the QSO lines' follow.
    for (const std::string& grid : lineGrids_) {
      AddOwnLocator(log_.ownLocators, grid);
    }
    return std::move(log_);
  }

 private:
  // False at the end of the log.
  bool Line(int number, std::string_view line) {
    if (line.empty()) {
      return true;
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) {
      Warn(number, "not a Cabrillo line (no TAG:); skipped");
      return true;
    }
    const std::string_view tag = TrimControl(line.substr(0, colon));
    const std::string_view value = TrimControl(line.substr(colon + 1));
    if (EqualsIgnoringCase(tag, "QSO")) {
      Qso(number, value);
    } else if (EqualsIgnoringCase(tag, "CALLSIGN")) {
      log_.stationCall = UpperTrimmed(value);
    } else if (EqualsIgnoringCase(tag, "GRID-LOCATOR")) {
      AddOwnLocator(log_.ownLocators, value);
    } else if (EqualsIgnoringCase(tag, "END-OF-LOG")) {
      return false;
    }
    return true;  // other tags (X-QSO, the header's) do not take part in the scoring
  }

  void Qso(int number, std::string_view value) {
    const Words words = SplitWords(value);
    QsoColumns columns;
    if (!SplitQso(words, &columns)) {
      Warn(number, "QSO line with " + std::to_string(words.count) +
                       " columns, expected frequency, mode, date, time, own call, own grid, call "
                       "and grid; skipped");
      return;
    }
    const char* band = BandOfCabrilloFrequency(columns.frequency);
    if (!band) {
      Warn(number,
           "frequency '" + std::string(columns.frequency) + "' is on no amateur band; skipped");
      return;
    }
    LogQso qso;
    qso.callSign = UpperTrimmed(columns.call);
    qso.band = band;
    qso.mode = UpperTrimmed(columns.mode);
    qso.exchange = std::string(columns.grid);
    qso.line = number;
    qso.ownCall = UpperTrimmed(columns.ownCall);
    qso.ownLocator = UpperTrimmed(columns.ownGrid);
    qso.frequency = std::string(columns.frequency);
    qso.utcSeconds = UtcSeconds(columns.date, columns.time);
    if (firstOwnCall_.empty()) {
      firstOwnCall_ = qso.ownCall;
    }
    AddOwnLocator(lineGrids_, columns.ownGrid);
    log_.qsos.push_back(std::move(qso));
  }

  void Warn(int number, std::string message) {
    log_.warnings.push_back({number, std::move(message)});
  }

  ContestLog log_;
  std::vector<std::string> lineGrids_;  // own locators of the QSO lines, one per square
  std::string firstOwnCall_;
};
}  // namespace

ContestLog ReadCabrillo(std::string_view text) {
  return CabrilloReader().Read(text);
}
