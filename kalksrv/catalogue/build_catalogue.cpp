// kalksrv-catalogue: builds the article catalogue of the calculation service
// from its readable sources (schema and data as SQL), checks it, and writes
// it as one SQLite file. With --scale N it adds N-1 copies of every series
// with all its articles, colours, glasses and boxes under new ids, the
// catalogue the benchmarks run on. --preset large grows the sources to a
// vendor's size first (presets.h) and copies the series to 21; --preset max
// also fills every list of the default series as far as a list travels.
//
//   kalksrv-catalogue [--scale N | --preset NAME] [--no-drawings] OUT.db SCHEMA.sql DATA.sql...
//   kalksrv-catalogue [--scale N | --preset NAME] [--no-drawings] OUT.db [SOURCE_DIR]
//   kalksrv-catalogue --check FILE.db
//
// The built catalogue gets its drawings and colour pictures from
// kalksrv-drawings beside this tool. --check runs the checks of a build on
// an existing catalogue. An SQL error names its file and line.
//
// A directory stands for its schema.sql followed by its data/*.sql in name
// order; without sources the tool reads kalksrv/catalogue below the current
// directory (the repository's root).
//
// The file is built beside OUT.db and renamed at the end, so a failed build
// never leaves a half-written catalogue behind.

#include <QCommandLineParser>
#include <QProcess>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "kalksrv/catalogue/catalogue_sql.h"
#include "kalksrv/catalogue/presets.h"

namespace {

using catalogue_sql::exec;
using catalogue_sql::rows;

// Ids of the sample stay below this; copy k of the scaled catalogue adds k
// times it to every id.
constexpr long long kIdStride = 100000;

struct Db {
    sqlite3* handle = nullptr;
    ~Db() { sqlite3_close(handle); }
};

// Line (1-based) of the first character of `sql` at `offset` that is not
// blank or inside a comment: where the statement there starts.
int statementLine(const std::string& sql, std::size_t offset) {
    std::size_t i = offset;
    while (i < sql.size()) {
        if (std::isspace(static_cast<unsigned char>(sql[i]))) {
            ++i;
        } else if (sql.compare(i, 2, "--") == 0) {
            i = sql.find('\n', i);
            if (i == std::string::npos) i = sql.size();
        } else if (sql.compare(i, 2, "/*") == 0) {
            i = sql.find("*/", i + 2);
            i = i == std::string::npos ? sql.size() : i + 2;
        } else {
            break;
        }
    }
    return 1 + static_cast<int>(std::count(sql.begin(), sql.begin() + i, '\n'));
}

// Runs the statements of one source file; an error names the file and the
// line its statement starts on.
bool execFile(sqlite3* db, const std::string& path, const std::string& sql) {
    const char* const begin = sql.c_str();
    const char* next = begin;
    while (*next) {
        const char* tail = nullptr;
        sqlite3_stmt* stmt = nullptr;
        const std::size_t at = static_cast<std::size_t>(next - begin);
        int rc = sqlite3_prepare_v2(db, next, -1, &stmt, &tail);
        if (rc == SQLITE_OK && stmt) {
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            }
            if (rc == SQLITE_DONE) rc = SQLITE_OK;
        }
        if (rc != SQLITE_OK) {
            std::fprintf(stderr, "kalksrv-catalogue: %s:%d: %s\n", path.c_str(),
                         statementLine(sql, at), sqlite3_errmsg(db));
            sqlite3_finalize(stmt);
            return false;
        }
        sqlite3_finalize(stmt);
        if (!tail || tail == next) break;
        next = tail;
    }
    return true;
}

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "kalksrv-catalogue: cannot read %s\n", path.c_str());
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

// Consistency rules of a catalogue: each query lists the offending rows.
struct Check {
    const char* rule;
    const char* sql;
    bool sourcesOnly = false; // not for a scaled catalogue
};
const Check kChecks[] = {
    {"references to missing rows (table, rowid, parent)", "PRAGMA foreign_key_check"},
    {"catalogue format must be 1", "SELECT 'format' WHERE NOT EXISTS "
                                   "(SELECT 1 FROM katalog_info WHERE schluessel = 'format' "
                                   "AND wert = '1')"},
    {"at most one default series", "SELECT count(*) FROM serie WHERE standard <> 0 "
                                   "HAVING count(*) > 1"},
    {"ids must stay below 100000",
     "SELECT 'serie', id FROM serie WHERE id >= 100000 UNION ALL "
     "SELECT 'farbe', id FROM farbe WHERE id >= 100000 UNION ALL "
     "SELECT 'artikel', id FROM artikel WHERE id >= 100000 UNION ALL "
     "SELECT 'stahl', id FROM stahl WHERE id >= 100000 UNION ALL "
     "SELECT 'glas', id FROM glas WHERE id >= 100000 UNION ALL "
     "SELECT 'rollkasten', id FROM rollkasten WHERE id >= 100000",
     true},
    {"every series needs exactly one default colour",
     "SELECT s.id, (SELECT sum(standard) FROM serie_farbe f WHERE f.serie_id = s.id) n "
     "FROM serie s WHERE n IS NOT 1"},
    {"every series needs frames, sashes and mullions with exactly one default each",
     "SELECT s.id, t.k, (SELECT sum(a.standard) FROM artikel a WHERE a.serie_id = s.id "
     "AND a.konst_type = t.k) n FROM serie s, (SELECT 11 k UNION SELECT 23 UNION SELECT 24) t "
     "WHERE n IS NOT 1"},
    {"at most one default astragal per series",
     "SELECT serie_id FROM artikel WHERE konst_type = 25 GROUP BY serie_id "
     "HAVING sum(standard) > 1"},
    {"at most one default vertical and one default horizontal coupling per series",
     "SELECT serie_id, flags & 0x60 FROM artikel WHERE konst_type = 18 AND standard <> 0 "
     "GROUP BY serie_id, flags & 0x20 <> 0, flags & 0x40 <> 0 HAVING count(*) > 1"},
    {"at most one default glass and one default box per series",
     "SELECT 'glas', serie_id FROM serie_glas GROUP BY serie_id HAVING sum(standard) > 1 "
     "UNION ALL SELECT 'rollkasten', serie_id FROM serie_rollkasten GROUP BY serie_id "
     "HAVING sum(standard) > 1"},
    {"a list travels with at most 1000 entries",
     "SELECT 'farben', serie_id FROM serie_farbe GROUP BY serie_id HAVING count(*) > 1000 "
     "UNION ALL SELECT 'artikel', serie_id FROM artikel WHERE serie_id IS NOT NULL "
     "GROUP BY serie_id, konst_type "
     "HAVING count(*) > 1000 UNION ALL SELECT 'serien', count(*) FROM serie "
     "HAVING count(*) > 1000 UNION ALL SELECT 'glaeser', serie_id FROM serie_glas "
     "GROUP BY serie_id HAVING count(*) > 1000 UNION ALL SELECT 'zubehoer', serie_id "
     "FROM zubehoer GROUP BY serie_id, fuer_konst_type HAVING count(*) > 1000"},
    {"glazing beads must be articles of kind 26 of their series",
     "SELECT g.artikel_id FROM glasleiste g JOIN artikel a ON a.id = g.artikel_id "
     "WHERE a.konst_type <> 26 OR a.serie_id <> g.serie_id OR g.dicke_min > g.dicke_max"},
    {"couplings must be vertical (0x20) or horizontal (0x40)",
     "SELECT id FROM artikel WHERE konst_type = 18 AND (flags & 0x60) = 0"},
    {"colours, glasses and articles that no series offers (add them to serie_farbe, "
     "serie_glas, or the series' lists)",
     "SELECT 'farbe', id FROM farbe WHERE id NOT IN (SELECT farbe_id FROM serie_farbe) "
     "UNION ALL SELECT 'glas', id FROM glas WHERE id NOT IN (SELECT glas_id FROM serie_glas) "
     "UNION ALL SELECT 'artikel', id FROM artikel WHERE serie_id IS NULL "
     "AND id NOT IN (SELECT artikel_id FROM zubehoer WHERE artikel_id IS NOT NULL "
     "UNION SELECT artikel_id FROM sprosse UNION SELECT artikel_id FROM rk_kasten_fuehrung "
     "UNION SELECT anschluss_id FROM rollkasten WHERE anschluss_id IS NOT NULL "
     "UNION SELECT artikel_id FROM aufbauprofil UNION SELECT artikel_id FROM "
     "wandanschluss_profil)"},
    {"thermal values out of range (Ug 0.5..1.2, PsiG 0..0.08, Uf 0.8..1.6)",
     "SELECT 'glas', id FROM glas WHERE ug < 0.5 OR ug > 1.2 OR psig < 0 OR psig > 0.08 "
     "UNION ALL SELECT 'artikel', id FROM artikel WHERE konst_type IN (11, 23, 24, 25) "
     "AND (uf < 0.8 OR uf > 1.6)"},
};

bool runChecks(sqlite3* db, bool scaled) {
    bool ok = true;
    for (const Check& check : kChecks) {
        if (scaled && check.sourcesOnly) continue;
        std::vector<std::string> bad = rows(db, check.sql);
        if (bad.empty()) continue;
        ok = false;
        std::fprintf(stderr, "kalksrv-catalogue: %s:\n", check.rule);
        const std::size_t shown = bad.size() < 20 ? bad.size() : 20;
        for (std::size_t i = 0; i < shown; ++i) std::fprintf(stderr, "    %s\n", bad[i].c_str());
        if (shown < bad.size()) std::fprintf(stderr, "    ... %zu more\n", bad.size() - shown);
    }
    return ok;
}

std::string quoted(const std::string& name) {
    return "\"" + name + "\"";
}

// Copies every row of every table copies-1 times; columns named "id" or
// ending in "_id" move by k * kIdStride, so each copy references its own rows.
// Only the first copy keeps the default series; copied series are numbered.
bool scale(sqlite3* db, int copies) {
    if (copies <= 1) return true;
    std::vector<std::string> tables =
        rows(db, "SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT LIKE "
                 "'sqlite_%' AND name <> 'katalog_info' ORDER BY name");
    for (const std::string& table : tables) {
        std::vector<std::string> columns =
            rows(db, "SELECT name FROM pragma_table_info(" + std::string("'") + table + "')");
        std::string names, values;
        for (const std::string& column : columns) {
            if (!names.empty()) {
                names += ", ";
                values += ", ";
            }
            names += quoted(column);
            const bool isId = column == "id" || (column.size() > 3 &&
                                                 column.compare(column.size() - 3, 3, "_id") == 0);
            if (isId)
                values += "src." + quoted(column) + " + k.n * " + std::to_string(kIdStride);
            else if (table == "serie" && column == "standard")
                values += "0";
            else if (table == "serie" && column == "name")
                values += "src.name || ' #' || (k.n + 1)";
            else
                values += "src." + quoted(column);
        }
        const std::string sql = "WITH RECURSIVE k(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM k "
                                "WHERE n < " +
                                std::to_string(copies - 1) + ") INSERT INTO " + quoted(table) +
                                " (" + names + ") SELECT " + values + " FROM " + quoted(table) +
                                " AS src, k";
        if (!exec(db, sql, "scaling " + table)) return false;
    }
    return true;
}

// The source files of `args` (after OUT.db), directories expanded.
std::vector<std::string> sourceFiles(std::vector<std::string> args) {
    if (args.empty()) args.push_back("kalksrv/catalogue");
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        std::error_code error;
        if (!std::filesystem::is_directory(arg, error)) {
            files.push_back(arg);
            continue;
        }
        const std::filesystem::path dir = arg;
        files.push_back((dir / "schema.sql").string());
        std::vector<std::string> data;
        for (const auto& entry : std::filesystem::directory_iterator(dir / "data", error))
            if (entry.path().extension() == ".sql") data.push_back(entry.path().string());
        std::sort(data.begin(), data.end());
        files.insert(files.end(), data.begin(), data.end());
    }
    return files;
}

// Builds OUT.db from `sources` with `copies` copies of every series; 0 on
// success, 1 with the reasons on stderr.
int build(const std::filesystem::path& out, const std::vector<std::string>& sources, int copies,
          const catalogue_presets::Preset* preset) {
    const std::filesystem::path temp = out.string() + ".tmp";
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);

    Db db;
    if (sqlite3_open_v2(temp.string().c_str(), &db.handle,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "kalksrv-catalogue: cannot create %s: %s\n", temp.string().c_str(),
                     sqlite3_errmsg(db.handle));
        return 1;
    }
    // References are checked once at the end (foreign_key_check), so the
    // sources and the copies may come in any order.
    bool ok = exec(db.handle,
                   "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; "
                   "BEGIN",
                   "opening");
    for (std::size_t i = 0; ok && i < sources.size(); ++i) {
        std::string sql;
        ok = readFile(sources[i], sql) && execFile(db.handle, sources[i], sql);
    }
    ok =
        ok && runChecks(db.handle, false) &&
        (!preset || (catalogue_presets::Grow(db.handle, *preset) && runChecks(db.handle, false))) &&
        scale(db.handle, copies) && exec(db.handle, "COMMIT", "committing") &&
        exec(db.handle, "ANALYZE", "analysing") && exec(db.handle, "VACUUM", "compacting");
    if (ok && copies > 1) ok = runChecks(db.handle, true);
    sqlite3_close(db.handle);
    db.handle = nullptr;
    if (!ok) {
        std::filesystem::remove(temp, ignored);
        return 1;
    }
    std::filesystem::rename(temp, out, ignored);
    if (ignored) {
        std::fprintf(stderr, "kalksrv-catalogue: cannot write %s: %s\n", out.string().c_str(),
                     ignored.message().c_str());
        return 1;
    }
    return 0;
}

// Stores the drawings and colour pictures with kalksrv-drawings, which lies
// beside this tool (only the originals' of a scaled catalogue).
int storeDrawings(const std::filesystem::path& out, bool scaled) {
    std::error_code error;
    const std::filesystem::path tool =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path() / "kalksrv-drawings";
    if (error || !std::filesystem::exists(tool, error)) {
        std::fprintf(stderr, "kalksrv-catalogue: %s not found: %s has no drawings\n",
                     tool.string().c_str(), out.string().c_str());
        return 1;
    }
    QStringList args{QString::fromStdString(out.string())};
    if (scaled) args << QStringLiteral("--originals-only");
    return QProcess::execute(QString::fromStdString(tool.string()), args) == 0 ? 0 : 1;
}

// Runs the checks on an existing catalogue; 0 when it passes.
int check(const std::string& path) {
    Db db;
    if (sqlite3_open_v2(path.c_str(), &db.handle, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "kalksrv-catalogue: cannot open %s: %s\n", path.c_str(),
                     sqlite3_errmsg(db.handle));
        return 1;
    }
    const bool scaled = !rows(db.handle, "SELECT 1 FROM serie WHERE id >= 100000 LIMIT 1").empty();
    if (!runChecks(db.handle, scaled)) return 1;
    std::printf("%s: ok\n", path.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCommandLineParser parser;
    const QCommandLineOption scale(
        QStringLiteral("scale"),
        QStringLiteral("Adds N-1 copies of every series with all its articles, colours, glasses "
                       "and boxes under new ids (1 to 20000; the benchmark catalogue)."),
        QStringLiteral("N"), QStringLiteral("1"));
    parser.addOption(scale);
    const QCommandLineOption preset(
        QStringLiteral("preset"),
        QStringLiteral("Builds a catalogue of a vendor's size from the sources' rows: \"large\" "
                       "(21 series, each colour group with 50 colours and the RAL range, 300 "
                       "glasses, over 3000 profiles and 1500 accessories; every colour, glass "
                       "and profile a variant of one the sources offer) or \"max\" (the same, "
                       "with every list of the default series as long as a list travels: 1000 "
                       "colours, glasses, frames, sashes, mullions, astragals, couplings and "
                       "frame accessories). Not with --scale."),
        QStringLiteral("NAME"));
    parser.addOption(preset);
    const QCommandLineOption checkOnly(
        QStringLiteral("check"),
        QStringLiteral("Checks the existing catalogue FILE.db and builds nothing."),
        QStringLiteral("FILE.db"));
    parser.addOption(checkOnly);
    const QCommandLineOption noDrawings(
        QStringLiteral("no-drawings"),
        QStringLiteral("Leaves out the stored drawings and colour pictures (the service then "
                       "draws articles when asked and has no colour pictures)."));
    parser.addOption(noDrawings);
    parser.addPositionalArgument(QStringLiteral("OUT.db"),
                                 QStringLiteral("The catalogue to write."));
    parser.addPositionalArgument(
        QStringLiteral("SOURCES"),
        QStringLiteral("A directory with schema.sql and data/*.sql, or the SQL files in order "
                       "(default: kalksrv/catalogue below the current directory)."),
        QStringLiteral("[SOURCE_DIR | SCHEMA.sql DATA.sql...]"));
    cli::Parse(parser, cli::Arguments(argc, argv), QStringLiteral("kalksrv-catalogue"),
               QStringLiteral("Builds and checks the article catalogue of the calculation "
                              "service from its SQL sources."));

    if (parser.isSet(checkOnly)) return check(parser.value(checkOnly).toStdString());
    bool number = false;
    int copies = parser.value(scale).toInt(&number);
    if (!number || copies < 1 || copies > 20000)
        return cli::UsageError(QStringLiteral("--scale takes 1 to 20000"));
    const catalogue_presets::Preset* grown = nullptr;
    if (parser.isSet(preset)) {
        grown = catalogue_presets::Find(parser.value(preset).toStdString());
        if (!grown)
            return cli::UsageError(QStringLiteral("--preset takes %1")
                                       .arg(QString::fromStdString(catalogue_presets::Names())));
        if (parser.isSet(scale))
            return cli::UsageError(QStringLiteral("--preset and --scale exclude each other"));
        copies = grown->copies;
    }
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty()) return cli::UsageError(QStringLiteral("no OUT.db given"));
    std::vector<std::string> sources;
    for (qsizetype i = 1; i < args.size(); ++i) sources.push_back(args[i].toStdString());
    const std::filesystem::path out = args[0].toStdString();
    if (build(out, sourceFiles(sources), copies, grown) != 0) return 1;
    return parser.isSet(noDrawings) ? 0 : storeDrawings(out, copies > 1);
}
