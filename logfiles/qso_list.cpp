#include "logfiles/qso_list.h"

#include <limits>

#include "logfiles/contest_log.h"

QsoList::QsoList(std::initializer_list<LogQso> qsos) {
  for (const LogQso& qso : qsos) {
    push_back(qso);
  }
}

QsoList::QsoList(const std::vector<LogQso>& qsos) {
  for (const LogQso& qso : qsos) {
    push_back(qso);
  }
}

void QsoList::push_back(const QsoView& qso) {
  Entry entry{qso.line, qso.utcSeconds.value_or(kNoTime), {}};
  for (std::size_t i = 0; i < kScoringTextCount; ++i) {
    entry.texts[i] = StoredText(qso, i);
  }
  entries_.push_back(entry);
  if (detail_ == QsoDetail::kFull) {
    Reports reports{{}, qso.markedDuplicate};
    for (std::size_t i = 0; i < kReportTextCount; ++i) {
      reports.texts[i] = StoredText(qso, kScoringTextCount + i);
    }
    reports_.push_back(reports);
  }
}

void QsoList::push_back(const LogQso& qso) {
  QsoView view;
  for (std::size_t which = 0; which < kQsoTextCount; ++which) {
    view.texts[which] = qso.*kQsoTexts[which];
  }
  view.line = qso.line;
  view.utcSeconds = qso.utcSeconds;
  view.markedDuplicate = qso.markedDuplicate;
  push_back(view);
}

void QsoList::clear() {
  *this = QsoList(detail_);
}

void QsoList::Expect(std::size_t qsos) {
  if (qsos <= entries_.size() || entries_.empty()) {
    return;
  }
  entries_.reserve(qsos);
  if (detail_ == QsoDetail::kFull) {
    reports_.reserve(qsos);
  }
  texts_.Reserve(texts_.size() * qsos / entries_.size());
}

std::uint32_t QsoList::Store(std::size_t which, std::string_view text) {
  if (texts_.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw LogError("the log is too large: its texts take more than 4 GiB");
  }
  last_[which] = static_cast<std::uint32_t>(texts_.size());
  char* const out = texts_.Extend(LengthPrefixSize(text.size()) + text.size());
  CopyShortText(WriteLengthPrefix(text.size(), out), text);
  return last_[which];
}

LogQso QsoList::operator[](std::size_t i) const {
  LogQso qso;
  for (std::size_t which = 0; which < kQsoTextCount; ++which) {
    qso.*kQsoTexts[which] = std::string(Text(i, static_cast<QsoText>(which)));
  }
  qso.line = Line(i);
  qso.utcSeconds = UtcSeconds(i);
  qso.markedDuplicate = MarkedDuplicate(i);
  return qso;
}
