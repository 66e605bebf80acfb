#include "kalksrv/catalogue/presets.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

#include "kalksrv/catalogue/catalogue_sql.h"

namespace catalogue_presets {
namespace {

using catalogue_sql::exec;
using catalogue_sql::number;
using catalogue_sql::rows;

// As long as a list travels: its element tags stop before the next list's base.
constexpr int kListCap = 1000;

const Preset kPresets[] = {
    {"large", 7, 50, 300, {35, 35, 20, 12, 20}, 20, false},
    {"max", 7, 50, 300, {35, 35, 20, 12, 20}, 20, true},
};

constexpr int kProfileKinds[5] = {11, 23, 24, 25, 18};

// The colour dialog's group bits (farbe.flags); each colour is in one group.
constexpr long long kGroupBits = 0x1 | 0x4 | 0x8 | 0x800 | 0x1000 | 0x400 | 0x2000 | 0x400000 |
                                 0x200000 | 0x4000 | 0x8000 | 0x10000 | 0x20000 | 0x40000;
// RAL price classes share the RAL range among them; the RAL groups of one or
// two colours each offer all of it.
constexpr long long kPriceClasses = 0x10000 | 0x20000 | 0x40000;
constexpr long long kRalChoice = 0x4000 | 0x8000;

// The RAL classic range.
const int kRal[] = {
    1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1011, 1012, 1013, 1014, 1015, 1016, 1017, 1018,
    1019, 1020, 1021, 1023, 1024, 1026, 1027, 1028, 1032, 1033, 1034, 1035, 1036, 1037, 2000, 2001,
    2002, 2003, 2004, 2005, 2007, 2008, 2009, 2010, 2011, 2012, 2013, 2017, 3000, 3001, 3002, 3003,
    3004, 3005, 3007, 3009, 3011, 3012, 3013, 3014, 3015, 3016, 3017, 3018, 3020, 3022, 3024, 3026,
    3027, 3028, 3031, 3032, 3033, 4001, 4002, 4003, 4004, 4005, 4006, 4007, 4008, 4009, 4010, 4011,
    4012, 5000, 5001, 5002, 5003, 5004, 5005, 5007, 5008, 5009, 5010, 5011, 5012, 5013, 5014, 5015,
    5017, 5018, 5019, 5020, 5021, 5022, 5023, 5024, 5025, 5026, 6000, 6001, 6002, 6003, 6004, 6005,
    6006, 6007, 6008, 6009, 6010, 6011, 6012, 6013, 6014, 6015, 6016, 6017, 6018, 6019, 6020, 6021,
    6022, 6024, 6025, 6026, 6027, 6028, 6029, 6032, 6033, 6034, 6035, 6036, 6037, 6038, 6039, 7000,
    7001, 7002, 7003, 7004, 7005, 7006, 7008, 7009, 7010, 7011, 7012, 7013, 7015, 7016, 7021, 7022,
    7023, 7024, 7026, 7030, 7031, 7032, 7033, 7034, 7035, 7036, 7037, 7038, 7039, 7040, 7042, 7043,
    7044, 7045, 7046, 7047, 7048, 8000, 8001, 8002, 8003, 8004, 8007, 8008, 8011, 8012, 8014, 8015,
    8016, 8017, 8019, 8022, 8023, 8024, 8025, 8028, 8029, 9001, 9002, 9003, 9004, 9005, 9006, 9007,
    9010, 9011, 9012, 9016, 9017, 9018, 9022, 9023};

// A swatch near the RAL colour: the hue of its range, lighter or darker by
// its number.
long long RalRgb(int code) {
    static const long long kHue[10] = {0,        0xD8A818, 0xE0601C, 0xA02424, 0x7A4A82,
                                       0x24508A, 0x2E6A3A, 0x80868A, 0x6E4630, 0xE8E8E2};
    const long long hue = kHue[code / 1000];
    const int percent = 70 + (code % 37);
    long long rgb = 0;
    for (int shift = 0; shift <= 16; shift += 8)
        rgb |= std::min(255LL, ((hue >> shift) & 0xFF) * percent / 100) << shift;
    return rgb;
}

std::string Quote(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + "'";
}

std::string Text(const std::string& row, std::size_t column) {
    // rows() joins columns with ", "; callers put free text last.
    std::size_t at = 0;
    for (std::size_t i = 0; i < column; ++i) at = row.find(", ", at) + 2;
    const std::size_t end = row.find(", ", at);
    return row.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

std::string Rest(const std::string& row, std::size_t column) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < column; ++i) at = row.find(", ", at) + 2;
    return row.substr(at);
}

long long Int(const std::string& row, std::size_t column) {
    return std::stoll(Text(row, column));
}

// Copies rows with columns replaced; new ids come from one counter above
// every id of the catalogue, so no two rows of any table share one.
class Cloner {
public:
    explicit Cloner(sqlite3* db) : db_(db) {
        for (const std::string& table :
             rows(db, "SELECT m.name FROM sqlite_schema m, pragma_table_info(m.name) c "
                      "WHERE m.type = 'table' AND c.name = 'id'"))
            next_ = std::max(next_, number(db, "SELECT max(id) FROM \"" + table + "\"") + 1);
    }
    long long NewId() { return next_++; }
    bool ok() const { return ok_; }

    // INSERT of every row of `table` that `where` (over src) selects, the
    // columns of `set` replaced by their SQL expressions.
    void Copy(const std::string& table, const std::string& where,
              const std::map<std::string, std::string>& set) {
        if (!ok_) return;
        std::vector<std::string>& columns = columns_[table];
        if (columns.empty())
            columns = rows(db_, "SELECT name FROM pragma_table_info('" + table + "')");
        if (columns.empty()) return; // a table these sources do not have
        std::string names, values;
        for (const std::string& column : columns) {
            if (!names.empty()) names += ", ", values += ", ";
            names += "\"" + column + "\"";
            const auto it = set.find(column);
            values += it != set.end() ? it->second : "src.\"" + column + "\"";
        }
        ok_ = exec(db_,
                   "INSERT OR IGNORE INTO \"" + table + "\" (" + names + ") SELECT " + values +
                       " FROM \"" + table + "\" AS src WHERE " + where,
                   "growing " + table);
    }

    // A variant of article `model` under `id`, with what belongs to the
    // article itself: reinforcements, sash limits, Uf combinations, texts.
    void CopyArticle(long long model, long long id, int variant) {
        const std::string m = std::to_string(model), n = std::to_string(id),
                          v = std::to_string(variant);
        Copy("artikel", "src.id = " + m,
             {{"id", n},
              {"standard", "0"},
              {"artikelnr", "src.artikelnr || '-" + v + "'"},
              {"name", "src.name || ', Variante " + v + "'"}});
        Copy("artikel_stahl", "src.artikel_id = " + m, {{"artikel_id", n}});
        Copy("fluegel_grenze", "src.artikel_id = " + m, {{"artikel_id", n}});
        Copy("uf_kombination", "src.rahmen_id = " + m, {{"rahmen_id", n}});
        Copy("uf_kombination", "src.fluegel_id = " + m, {{"fluegel_id", n}});
        Copy("artikel_text", "src.artikel_id = " + m, {{"artikel_id", n}});
    }

private:
    sqlite3* db_;
    long long next_ = 1;
    bool ok_ = true;
    std::map<std::string, std::vector<std::string>> columns_;
};

long long DefaultSeries(sqlite3* db) {
    return number(db, "SELECT id FROM serie ORDER BY standard DESC, sortierung, id LIMIT 1");
}

// Colours: every group of a series gets `entriesPerGroup`, the RAL groups
// the RAL range; at the cap the groups that are not RAL fill the list.
void GrowColours(sqlite3* db, Cloner& clone, const Preset& preset) {
    const long long capped = preset.defaultSeriesAtCap ? DefaultSeries(db) : -1;
    for (const std::string& series : rows(db, "SELECT id FROM serie ORDER BY id")) {
        struct Group {
            long long bits, model, count;
            std::string modelName;
        };
        std::vector<Group> groups;
        for (const std::string& row :
             rows(db, "SELECT g.bits, g.model, g.n, f.name FROM (SELECT f.flags & " +
                          std::to_string(kGroupBits) +
                          " bits, min(f.id) model, count(*) n FROM serie_farbe sf JOIN farbe f "
                          "ON f.id = sf.farbe_id WHERE sf.serie_id = " +
                          series + " GROUP BY bits) g JOIN farbe f ON f.id = g.model ORDER BY 1"))
            groups.push_back({Int(row, 0), Int(row, 1), Int(row, 2), Rest(row, 3)});
        long long total = 0;
        for (const Group& g : groups) total += g.count;

        const auto add = [&](const Group& g, const std::string& name, const std::string& ral,
                             const std::string& rgb) {
            const std::string id = std::to_string(clone.NewId());
            clone.Copy("farbe", "src.id = " + std::to_string(g.model),
                       {{"id", id}, {"name", Quote(name)}, {"ral", ral}, {"rgb", rgb}});
            clone.Copy("serie_farbe",
                       "src.farbe_id = " + std::to_string(g.model) +
                           " AND src.serie_id = " + series,
                       {{"farbe_id", id}, {"standard", "0"}});
            ++total;
        };
        const auto offered = [&](int code, long long bits) {
            return number(db, "SELECT count(*) FROM serie_farbe sf JOIN farbe f ON f.id = "
                              "sf.farbe_id WHERE sf.serie_id = " +
                                  series + " AND f.ral = 'RAL " + std::to_string(code) +
                                  "' AND f.flags & " + std::to_string(bits)) > 0;
        };
        std::vector<const Group*> priceClasses;
        for (const Group& g : groups)
            if (g.bits & kPriceClasses) priceClasses.push_back(&g);
        std::size_t next = 0;
        for (int code : kRal) {
            const std::string ral = "RAL " + std::to_string(code);
            const std::string rgb = std::to_string(RalRgb(code));
            if (!priceClasses.empty() && !offered(code, kPriceClasses))
                add(*priceClasses[next++ % priceClasses.size()], ral, Quote(ral), rgb);
            for (const Group& g : groups)
                if ((g.bits & kRalChoice) && !offered(code, g.bits))
                    add(g, ral + ", " + g.modelName, Quote(ral), rgb);
        }
        std::vector<std::pair<const Group*, long long>> others;
        for (const Group& g : groups)
            if (!(g.bits & (kPriceClasses | kRalChoice))) others.push_back({&g, g.count});
        const auto variant = [&](std::pair<const Group*, long long>& g) {
            const long long n = ++g.second;
            add(*g.first, g.first->modelName + ", Variante " + std::to_string(n), "src.ral",
                "(src.rgb + " + std::to_string(n * 0x030201) + ") & 0xFFFFFF");
        };
        for (auto& g : others)
            while (g.second < preset.entriesPerGroup && total < kListCap) variant(g);
        for (std::size_t i = 0;
             std::to_string(capped) == series && !others.empty() && total < kListCap; ++i)
            variant(others[i % others.size()]);
    }
}

// Glasses: variants of the sources' glasses in turn, each offered where its
// model is (within the cap), with its ornaments.
void GrowGlasses(sqlite3* db, Cloner& clone, const Preset& preset) {
    const std::vector<std::string> models = rows(db, "SELECT id FROM glas ORDER BY id");
    const std::string cap = std::to_string(kListCap);
    const auto variant = [&](const std::string& model, int n) {
        const std::string id = std::to_string(clone.NewId());
        clone.Copy("glas", "src.id = " + model,
                   {{"id", id}, {"name", "src.name || ', Variante " + std::to_string(n) + "'"}});
        clone.Copy("serie_glas",
                   "src.glas_id = " + model +
                       " AND (SELECT count(*) FROM serie_glas l WHERE l.serie_id = src.serie_id) "
                       "< " +
                       cap,
                   {{"glas_id", id}, {"standard", "0"}});
        clone.Copy("glas_ornament", "src.glas_id = " + model, {{"glas_id", id}});
    };
    int n = 0;
    for (long long count = static_cast<long long>(models.size());
         !models.empty() && count < preset.glasses; ++count, ++n)
        variant(models[static_cast<std::size_t>(n) % models.size()],
                n / static_cast<int>(models.size()) + 1);
    if (!preset.defaultSeriesAtCap) return;
    const std::string series = std::to_string(DefaultSeries(db));
    const std::vector<std::string> offered =
        rows(db, "SELECT glas_id FROM serie_glas WHERE serie_id = " + series + " ORDER BY glas_id");
    for (std::size_t i = 0;
         !offered.empty() && clone.ok() &&
         number(db, "SELECT count(*) FROM serie_glas WHERE serie_id = " + series) < kListCap;
         ++i, ++n)
        variant(offered[i % offered.size()], n / static_cast<int>(models.size()) + 1);
}

// Profiles: variants of each kind's articles in turn, up to the preset's
// count per series (the cap for the default series of "max").
void GrowProfiles(sqlite3* db, Cloner& clone, const Preset& preset) {
    const long long capped = preset.defaultSeriesAtCap ? DefaultSeries(db) : -1;
    for (const std::string& series : rows(db, "SELECT id FROM serie ORDER BY id")) {
        for (int k = 0; k < 5; ++k) {
            const std::vector<std::string> models =
                rows(db, "SELECT id FROM artikel WHERE serie_id = " + series +
                             " AND konst_type = " + std::to_string(kProfileKinds[k]) +
                             " ORDER BY sortierung, id");
            const long long want =
                std::stoll(series) == capped ? kListCap : preset.profilesPerKind[k];
            for (std::size_t i = 0;
                 !models.empty() && models.size() + i < static_cast<std::size_t>(want); ++i)
                clone.CopyArticle(std::stoll(models[i % models.size()]), clone.NewId(),
                                  static_cast<int>(i / models.size()) + 1);
        }
    }
}

// Accessories: variants of the offered ones without children (and of their
// articles), up to the preset's count per series and profile kind; at the
// cap for the frames of the default series of "max".
void GrowAccessories(sqlite3* db, Cloner& clone, const Preset& preset) {
    const long long capped = preset.defaultSeriesAtCap ? DefaultSeries(db) : -1;
    for (const std::string& group :
         rows(db, "SELECT serie_id, fuer_konst_type, count(*) FROM zubehoer GROUP BY 1, 2 "
                  "ORDER BY 1, 2")) {
        const long long series = Int(group, 0), kind = Int(group, 1), count = Int(group, 2);
        const long long want =
            series == capped && kind == 11 ? kListCap : preset.accessoriesPerKind;
        const std::vector<std::string> models =
            rows(db, "SELECT id, coalesce(artikel_id, 0) FROM zubehoer z WHERE serie_id = " +
                         std::to_string(series) + " AND fuer_konst_type = " + std::to_string(kind) +
                         " AND eltern_id = 0 AND anzahl <= 2 AND NOT EXISTS (SELECT 1 FROM "
                         "zubehoer c WHERE c.eltern_id = z.id) ORDER BY sortierung, id");
        for (long long i = 0; !models.empty() && count + i < want; ++i) {
            const std::string& model = models[static_cast<std::size_t>(i) % models.size()];
            const std::string v = std::to_string(i / static_cast<long long>(models.size()) + 1);
            std::string article = "NULL";
            if (Int(model, 1) != 0) {
                const long long id = clone.NewId();
                clone.CopyArticle(Int(model, 1), id, static_cast<int>(std::stoll(v)));
                article = std::to_string(id);
            }
            clone.Copy("zubehoer", "src.id = " + Text(model, 0),
                       {{"id", std::to_string(clone.NewId())},
                        {"artikel_id", article},
                        {"name", "src.name || ', Variante " + v + "'"},
                        {"ausschluss_key", "src.ausschluss_key || '-" + v + "'"},
                        {"ausschluss_liste", "''"},
                        {"standard", "0"}});
        }
    }
}

} // namespace

const Preset* Find(const std::string& name) {
    for (const Preset& preset : kPresets)
        if (name == preset.name) return &preset;
    return nullptr;
}

std::string Names() {
    std::string out;
    for (const Preset& preset : kPresets)
        out += (out.empty() ? "" : ", ") + std::string(preset.name);
    return out;
}

bool Grow(sqlite3* db, const Preset& preset) {
    Cloner clone(db);
    GrowColours(db, clone, preset);
    GrowGlasses(db, clone, preset);
    GrowProfiles(db, clone, preset);
    GrowAccessories(db, clone, preset);
    if (clone.ok() && clone.NewId() >= 100000) {
        std::fprintf(stderr, "kalksrv-catalogue: preset %s needs ids above 100000\n", preset.name);
        return false;
    }
    return clone.ok();
}

} // namespace catalogue_presets
