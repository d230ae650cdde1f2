// The owner of one ODBC handle (an environment, a connection or a statement), freed with its
// owner: the one kind of ODBC handle owner of the log query, the stand-in host and the tests. A
// connection is freed as it stands: whoever connected it disconnects it first.
#pragma once

#ifdef _WIN32
#include <windows.h>  // the ODBC headers need its types
#endif
#include <sql.h>

#include <utility>

class OdbcHandle {
 public:
  OdbcHandle() = default;
  ~OdbcHandle() { Free(); }
  OdbcHandle(OdbcHandle&& other) noexcept
      : type_(other.type_), handle_(std::exchange(other.handle_, nullptr)) {}
  OdbcHandle& operator=(OdbcHandle&& other) noexcept {
    if (this != &other) {
      Free();
      type_ = other.type_;
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  OdbcHandle(const OdbcHandle&) = delete;
  OdbcHandle& operator=(const OdbcHandle&) = delete;

  // Frees the handle held, then allocates one of `type` under `parent` (SQL_NULL_HANDLE for an
  // environment), kept only when the allocation succeeds. Returns what SQLAllocHandle returned:
  // each caller reports a failure in its own words.
  SQLRETURN Allocate(SQLSMALLINT type, SQLHANDLE parent) noexcept {
    Free();
    SQLHANDLE allocated = nullptr;
    const SQLRETURN rc = SQLAllocHandle(type, parent, &allocated);
    if (SQL_SUCCEEDED(rc)) {
      type_ = type;
      handle_ = allocated;
    }
    return rc;
  }

  void Free() noexcept {
    if (handle_ != nullptr) {
      SQLFreeHandle(type_, std::exchange(handle_, nullptr));
    }
  }

  SQLHANDLE Get() const { return handle_; }

 private:
  SQLSMALLINT type_ = 0;
  SQLHANDLE handle_ = nullptr;
};
