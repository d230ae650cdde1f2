#include "logfiles/log_code_page.h"

#include "logfiles/utf8.h"

namespace {
// The texts of a log other than its QSOs'.
std::vector<std::string*> HeaderTexts(ContestLog& log) {
  std::vector<std::string*> texts = {&log.stationCall, &log.contest, &log.section, &log.logBand,
                                     &log.headerLocator};
  for (std::string& locator : log.ownLocators) {
    texts.push_back(&locator);
  }
  for (LogWarning& warning : log.warnings) {
    texts.push_back(&warning.message);
  }
  return texts;
}

bool AllUtf8(ContestLog& log) {
  for (const std::string* text : HeaderTexts(log)) {
    if (!IsUtf8(*text)) {
      return false;
    }
  }
  for (std::size_t i = 0; i < log.qsos.size(); ++i) {
    for (std::size_t which = 0; which < kQsoTextCount; ++which) {
      if (!IsUtf8(log.qsos.Text(i, static_cast<QsoText>(which)))) {
        return false;
      }
    }
  }
  return true;
}
}  // namespace

void DecodeLogTexts(ContestLog& log, const CodePage& codePage) {
  if (AllUtf8(log)) {
    return;
  }
  for (std::string* text : HeaderTexts(log)) {
    *text = codePage.Utf8(*text);
  }
  QsoList decoded(log.qsos.Detail());
  for (LogQso qso : log.qsos) {
    for (std::string LogQso::*text : kQsoTexts) {
      qso.*text = codePage.Utf8(qso.*text);
    }
    decoded.push_back(qso);
  }
  log.qsos = std::move(decoded);
}
