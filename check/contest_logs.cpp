#include "check/contest_logs.h"

namespace {
// The id of a text that is usually the same as in the QSO before: a run of QSOs on one band, in
// one mode, from one station costs one look-up in the shared table.
class RepeatedText {
 public:
  explicit RepeatedText(TextTable& table) : table_(table) {}
  std::uint32_t Id(const std::string& text) {
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
  RepeatedText sentReport(texts), sentSerial(texts), receivedReport(texts), receivedSerial(texts);
  std::vector<CheckQso>& entered = entered_[index];
  entered.reserve(qsos.size());
  for (std::size_t i = 0; i < qsos.size(); ++i) {
    const LogQso& qso = qsos[i];
    CheckQso& check = entered.emplace_back();
    check.log = static_cast<std::uint32_t>(index);
    check.ownCall = ownCall.Id(qso.ownCall.empty() ? log.stationCall : qso.ownCall);
    check.call = calls.Intern(qso.callSign);
    check.exchange = texts.Intern(qso.exchange);
    check.ownLocator = ownLocator.Id(qso.ownLocator.empty() ? log.ownLocator : qso.ownLocator);
    check.frequency = frequency.Id(qso.frequency);
    check.band = band.Id(qso.band);
    check.mode = mode.Id(qso.mode);
    check.sentReport = sentReport.Id(qso.sentReport);
    check.sentSerial = sentSerial.Id(qso.sentSerial);
    check.receivedReport = receivedReport.Id(qso.receivedReport);
    check.receivedSerial = receivedSerial.Id(qso.receivedSerial);
    check.claimed = i < answers.size() ? answers[i] : 0;
    check.markedDuplicate = qso.markedDuplicate;
    check.time = qso.utcSeconds.value_or(kNoTime);
    check.line = qso.line;
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
