// SQL helpers of the catalogue builder: a statement run with its error on
// stderr, and the rows of a query as text.
#pragma once

#include <sqlite3.h>

#include <string>
#include <vector>

namespace catalogue_sql {

// Runs `sql`; false after naming `what` and the error on stderr.
bool exec(sqlite3* db, const std::string& sql, const std::string& what);

// Rows of a query as text, one line per row with the columns joined by ", ".
std::vector<std::string> rows(sqlite3* db, const std::string& sql);

// The first column of the first row as a number (0 without a row).
long long number(sqlite3* db, const std::string& sql);

} // namespace catalogue_sql
