// An ODBC connection of our own, made from a connection string, with its environment: the
// scorer's and the native tests'. The plug-in only borrows the host's.
#pragma once

#include <sql.h>

#include <string>

#include "io/odbc_handle.h"

class OdbcConnection {
 public:
  // Throws DatabaseError with the driver's message when it cannot connect.
  explicit OdbcConnection(const std::string& connectionString);
  ~OdbcConnection();
  OdbcConnection(OdbcConnection&&) = default;
  OdbcConnection(const OdbcConnection&) = delete;
  OdbcConnection& operator=(const OdbcConnection&) = delete;

  SQLHDBC Handle() const { return connection_.Get(); }

 private:
  OdbcHandle environment_;
  OdbcHandle connection_;
};
