#include "kalksrv/catalogue/catalogue_sql.h"

#include <cstdio>

namespace catalogue_sql {

bool exec(sqlite3* db, const std::string& sql, const std::string& what) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        std::fprintf(stderr, "kalksrv-catalogue: %s: %s\n", what.c_str(),
                     message ? message : sqlite3_errmsg(db));
        sqlite3_free(message);
        return false;
    }
    return true;
}

std::vector<std::string> rows(sqlite3* db, const std::string& sql) {
    std::vector<std::string> out;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        out.push_back(std::string("query failed: ") + sqlite3_errmsg(db));
        return out;
    }
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        std::string line;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            if (c) line += ", ";
            const unsigned char* text = sqlite3_column_text(stmt, c);
            line += text ? reinterpret_cast<const char*>(text) : "NULL";
        }
        out.push_back(line);
    }
    sqlite3_finalize(stmt);
    return out;
}

long long number(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    long long value = 0;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        value = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return value;
}

} // namespace catalogue_sql
