// What the two sides of a QSO logged of its exchange, as the reports show it: the report, serial
// and locator each side sent and received, and the parts a busted locator or exchange was judged
// by, as copied and as sent.
#pragma once

#include <cstdint>
#include <string>

#include "check/contest_check.h"

// A part of the exchange as one side copied it and as the other sent it.
struct CopiedAndSent {
  std::string copied;
  std::string sent;
};

// "sent 59 012 KN17KT, received 59 031 JN86DK; S57O logged: sent 59 030 JN86DK, received 59 012
// KN17KT": report, serial and locator, a dash for each one left empty; the second half where the
// QSO was judged by another log's entry. Empty unless the rules compare the report or the serial
// and either side logged one: without a compared exchange the reports stay as they were, whatever
// the readers keep (an HF log's RST and zone, for one).
std::string ExchangeLine(const ContestLogs& logs, const CheckResult& result, std::uint32_t q);

// The locators a busted locator compared, QSO `q`'s copied and `sender`'s sent: six characters
// where the rules compare six and both give six, else the squares.
CopiedAndSent ComparedLocators(const ContestLogs& logs, const CheckRules& rules, std::uint32_t q,
                               std::uint32_t sender);

// The report and serial (those the rules compare) QSO `q` received and `sender` sent, as logged:
// "59 013" and "59 012".
CopiedAndSent ComparedExchange(const ContestLogs& logs, const CheckRules& rules, std::uint32_t q,
                               std::uint32_t sender);
