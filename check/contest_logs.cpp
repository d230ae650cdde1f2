#include "check/contest_logs.h"

namespace {
// The id of a text that is usually the same as in the QSO before: a run of QSOs on one band, in
// one mode, from one station costs one look-up in the shared table.
class RepeatedText {
 public:
  explicit RepeatedText(TextTable& table) : table_(table) {}
  std::uint32_t Id(std::string_view text) {
    if (!known_ || text != text_) {
      text_ = text;
      id_ = table_.Intern(text);
      known_ = true;
    }
    return id_;
  }

 private:
  TextTable& table_;
  std::string text_;
  std::uint32_t id_ = 0;
  bool known_ = false;
};
}  // namespace

ContestLogs::ContestLogs(std::size_t logCount) : logs(logCount), entered_(logCount) {}

void ContestLogs::Add(std::size_t index, CheckLog log, const QsoList& qsos,
                      const std::vector<std::int32_t>& answers) {
  RepeatedText ownCall(calls), ownLocator(texts), frequency(texts), band(texts), mode(texts);
  RepeatedText sentReport(reportsAndSerials), sentSerial(reportsAndSerials);
  RepeatedText receivedReport(reportsAndSerials), receivedSerial(reportsAndSerials);
  std::vector<CheckQso>& entered = entered_[index];
  entered.reserve(qsos.size());
  for (std::size_t i = 0; i < qsos.size(); ++i) {
    // Each text read in place: a QSO made of them would copy twelve strings.
    const auto text = [&](QsoText which) { return qsos.Text(i, which); };
    const auto orLogs = [](std::string_view qsoText, const std::string& logText) {
      return qsoText.empty() ? std::string_view(logText) : qsoText;
    };
    CheckQso& check = entered.emplace_back();
    check.log = static_cast<std::uint32_t>(index);
    check.ownCall = ownCall.Id(orLogs(text(QsoText::kOwnCall), log.stationCall));
    check.call = calls.Intern(text(QsoText::kCallSign));
    check.exchange = texts.Intern(text(QsoText::kExchange));
    check.ownLocator = ownLocator.Id(orLogs(text(QsoText::kOwnLocator), log.ownLocator));
    check.frequency = frequency.Id(text(QsoText::kFrequency));
    check.band = band.Id(text(QsoText::kBand));
    check.mode = mode.Id(text(QsoText::kMode));
    check.sentReport = sentReport.Id(text(QsoText::kSentReport));
    check.sentSerial = sentSerial.Id(text(QsoText::kSentSerial));
    check.receivedReport = receivedReport.Id(text(QsoText::kReceivedReport));
    check.receivedSerial = receivedSerial.Id(text(QsoText::kReceivedSerial));
    check.claimed = i < answers.size() ? answers[i] : 0;
    check.markedDuplicate = qsos.MarkedDuplicate(i);
    check.time = qsos.UtcSeconds(i).value_or(kNoTime);
    check.line = qsos.Line(i);
  }
  log.count = entered.size();
  if (log.band.empty() && !qsos.empty()) {
    log.band = qsos.Text(0, QsoText::kBand);
  }
  logs[index] = std::move(log);
}

void ContestLogs::SetAside(std::size_t index, std::string error) {
  std::vector<CheckQso>().swap(entered_[index]);
  logs[index].count = 0;
  logs[index].error = std::move(error);
}

void ContestLogs::Seal() {
  std::size_t total = 0;
  for (std::size_t i = 0; i < logs.size(); ++i) {
    logs[i].first = total;
    total += entered_[i].size();
  }
  qsos.reserve(total);
  for (std::vector<CheckQso>& entered : entered_) {
    qsos.insert(qsos.end(), entered.begin(), entered.end());
    std::vector<CheckQso>().swap(entered);
  }
}
