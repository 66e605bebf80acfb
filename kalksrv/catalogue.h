#pragma once
// The article catalogue behind the service: one read-only SQLite file with
// every statement the answers need prepared once when it is opened. A
// statement is used through a Query, which binds, steps and resets it.
//
// A Catalogue is shared by all sessions that were opened on it; its lock
// makes one answer at a time read it.

#include <sqlite3.h>

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "model/records.h"
#include "model/rpc_property.h"

namespace kalksrv {

// A read of the catalogue failed after it was opened (I/O error, a file
// changed underneath). The request then gets no answer.
class CatalogueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One use of a prepared statement: bind the parameters (1-based), then
// next() row by row. The statement is reset when the Query ends.
class Query {
public:
    explicit Query(sqlite3_stmt* statement) : statement_(statement) {}
    ~Query();
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Query& bind(int index, int value);
    Query& bind(int index, double value);
    Query& bind(int index, const char* text);

    // True while there is a row; throws CatalogueError on a read error.
    bool next();

    int integer(int column) const { return sqlite3_column_int(statement_, column); }
    double real(int column) const { return sqlite3_column_double(statement_, column); }
    bool flag(int column) const { return sqlite3_column_int(statement_, column) != 0; }
    bool isNull(int column) const { return sqlite3_column_type(statement_, column) == SQLITE_NULL; }
    WideText text(int column) const;
    // A text column as UTF-8 and a BLOB column as bytes (drawings, pictures).
    std::string utf8(int column) const {
        const unsigned char* t = sqlite3_column_text(statement_, column);
        return t ? std::string(reinterpret_cast<const char*>(t)) : std::string();
    }
    std::vector<std::uint8_t> blob(int column) const {
        const auto* data =
            static_cast<const std::uint8_t*>(sqlite3_column_blob(statement_, column));
        return data ? std::vector<std::uint8_t>(data,
                                                data + sqlite3_column_bytes(statement_, column))
                    : std::vector<std::uint8_t>();
    }

private:
    sqlite3_stmt* statement_;
};

class Catalogue {
public:
    // The statements, one per question the answers ask. Each names its
    // parameters and result columns in catalogue.cpp.
    enum Statement {
        Series,               // all series in list order
        SeriesById,           // one series
        ColoursOfSeries,      // colours of a series (with or without cladding colours)
        ColourById,           // one colour
        ArticlesOfKind,       // articles of a series and construction type
        ArticleById,          // one article
        ReinforcementsOf,     // reinforcements of an article's chamber, default first
        ReinforcementsOfKind, // those of every article of a series and construction type
        SashLimits,           // size and weight limits of a sash
        UfCombination,        // measured Uf of a frame and sash
        GlassesOfSeries,      // glasses of a series
        GlassById,            // one glass
        DefaultGlassOfSeries,
        DefaultFrameOfSeries,
        DefaultSashOfSeries,
        GlassOfSeries,    // is a glass offered in a series
        OrnamentOfGlass,  // one ornament offered for a glass
        OrnamentsOfGlass, // all ornaments of a glass
        BeadsFor,         // glazing beads of a series, side and rebate for a thickness
        BoxesOfSeries,    // roller-shutter boxes of a series with construction type
        BoxById,          // one box
        DrivesOfBox,      // drives of a box, list order
        CurtainsOfBox,    // curtains of a box, list order
        CurtainOfBox,     // limits of one box and curtain pairing
        ColoursOfCurtain, // colours of a curtain, list order
        GuideRailsOfBox,  // guide rails of a box, list order
        StatementCount
    };

    // Opens the file read-only and prepares every statement. On failure
    // null, with `error` naming the file and the SQLite error.
    static std::unique_ptr<Catalogue> open(const std::string& path, std::string& error);
    ~Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    const std::string& path() const { return path_; }
    std::mutex& lock() { return lock_; }
    Query query(Statement statement) { return Query(statements_[statement]); }
    // A statement of the answers kept in other files (dialog_answers.cpp),
    // prepared on first use and kept like the others. `sql` must be a string
    // literal: its address is the key. Throws CatalogueError when the
    // catalogue lacks what it reads.
    Query query(const char* sql);

    // Article lists as answered, by series, construction type and colour
    // groups: the catalogue does not change while it is open, and a
    // vendor's list costs a thousand rows to build again.
    std::map<std::tuple<int, int, int>, std::vector<velmar_artikel>> articleLists;
    // The accessory trees offered, by series and profile kind, the same way.
    std::map<std::pair<int, int>, std::vector<velmar_zusatzartikel>> accessoryLists;

private:
    Catalogue() = default;

    std::string path_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* statements_[StatementCount] = {};
    std::unordered_map<const char*, sqlite3_stmt*> more_;
    std::mutex lock_;
};

// Format of the catalogue files this service reads (katalog_info 'format').
inline constexpr const char* kCatalogueFormat = "1";

} // namespace kalksrv
