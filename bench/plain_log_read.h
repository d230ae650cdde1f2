// The plain read the rebuild is measured against: the rebuild's query, its seven columns found by
// name once, every row fetched and each of the seven read as wide text with SQLGetData, nothing
// converted or kept.
#pragma once

#include <string>

// `connection` is an SQLHDBC. Throws std::runtime_error when the query fails or the table lacks
// one of the columns.
void PlainLogRead(void* connection, const std::string& table);
