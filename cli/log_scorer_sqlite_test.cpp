#include <gtest/gtest.h>

#include "cli/log_scorer.h"
#include "distance/geometry_distance.h"
#include "io/odbc_connection.h"
#include "io/odbc_log_query.h"
#include "logfiles/sqlite_reader.h"
#include "logfiles/test_support.h"
#include "scoring/log_rebuild.h"
#include "testing/quiet_recalc_host.h"

// The plug-in reads its log through the SQLite ODBC driver as wide text: a text with a NUL inside
// ends there, a BLOB comes as the driver shows it. The scorer reads the same texts, so both score
// a table alike.
TEST(SqliteReader, SeesTheTextsThePluginSees) {
  const TempDir dir;
  const std::string db = MakeDatabase(
      dir.Path("host.db"),
      {CreateLogTable("QSOLog"),
       "INSERT INTO QSOLog VALUES ('59' || char(0) || 'JO62', '', '', 'AA1AA', '14', 'CW', '')",
       "INSERT INTO QSOLog VALUES (CAST('KO85' AS BLOB), '', '', 'BB1BB', '14', 'CW', '')",
       "INSERT INTO QSOLog VALUES ('599 FN42', '', '', 'CC1CC', 'x' || char(0) || 'y', 'CW', '')",
       "INSERT INTO QSOLog VALUES ('jo62', '', '', 'DD1DD', '7', 'CW', '')"});
  const ContestLog log = ReadSqliteLog(db, "");
  ASSERT_EQ(log.qsos.size(), 4u);
  EXPECT_EQ(log.qsos[0].exchange, "59");
  EXPECT_EQ(log.qsos[2].band, "x");

  ScoringState state;
  state.CalcDist = std::make_shared<GeometryDistance>();
  QuietRecalcHost host(state);
  const OdbcConnection connection("DRIVER={SQLite3};Database=" + db);
  LogRebuild rebuild(state, host, std::make_unique<OdbcLogQuery>(connection.Handle()));
  host.ownLocator = "JO31";
  rebuild.RecalcStatisticExecute();
  const LogScore scored = ScoreQsos(log.qsos, "JO31");
  EXPECT_EQ(scored.report, state.ReportText());
}
