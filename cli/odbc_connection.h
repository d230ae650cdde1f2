// An ODBC connection made from a connection string, owning its environment and connection
// handles: the scorer's own, where the plug-in borrows the host's.
#pragma once

#include <string>

class OdbcConnection {
 public:
  // Throws LogError with the driver's message when it cannot connect.
  explicit OdbcConnection(const std::string& connectionString);
  ~OdbcConnection();
  OdbcConnection(const OdbcConnection&) = delete;
  OdbcConnection& operator=(const OdbcConnection&) = delete;

  void* Handle() const { return connection_; }  // an SQLHDBC

 private:
  void* environment_ = nullptr;
  void* connection_ = nullptr;
};
