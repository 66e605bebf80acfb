#include "kalksrv/catalogue.h"

#include <cstring>

namespace kalksrv {

namespace {

// The statements in the order of Catalogue::Statement. Every one runs on an
// index (see schema.sql), so its cost depends on the rows it returns only.
const char* const kSql[Catalogue::StatementCount] = {
    // Series: id, name, flags, system_wert, standard
    "SELECT id, name, flags, system_wert, standard FROM serie ORDER BY sortierung, id LIMIT 1000",
    // SeriesById(id): id, material, glas_min, glas_max, brandschutz, flags
    "SELECT id, material, glas_min, glas_max, brandschutz, flags FROM serie WHERE id = ?1",
    // ColoursOfSeries(serie, withCladding): id, name, flags, standard
    "SELECT f.id, f.name, f.flags, sf.standard FROM serie_farbe sf JOIN farbe f ON f.id = "
    "sf.farbe_id WHERE sf.serie_id = ?1 AND (sf.nur_alu = 0 OR ?2) "
    "ORDER BY sf.sortierung, sf.farbe_id LIMIT 1000",
    // ColourById(id): flags
    "SELECT flags FROM farbe WHERE id = ?1",
    // ArticlesOfKind(serie, konst_type): id, artikelnr, name, beschreibung, flags,
    //   farbmaske, uf, gewicht, ansichtsbreite, bautiefe, standard
    "SELECT id, artikelnr, name, beschreibung, flags, farbmaske, uf, gewicht, ansichtsbreite, "
    "bautiefe, standard FROM artikel WHERE serie_id = ?1 AND konst_type = ?2 "
    "ORDER BY sortierung, id LIMIT 1000",
    // ArticleById(id): id, artikelnr, name, beschreibung, flags, farbmaske, uf, gewicht,
    //   ansichtsbreite, bautiefe, konst_type, serie_id, brandschutz
    "SELECT id, artikelnr, name, beschreibung, flags, farbmaske, uf, gewicht, ansichtsbreite, "
    "bautiefe, konst_type, serie_id, brandschutz FROM artikel WHERE id = ?1",
    // ReinforcementsOf(artikel, kammer): id, name, artikelnr, ix, iy, gewicht, standard
    "SELECT s.id, s.name, s.artikelnr, s.ix, s.iy, s.gewicht, a.standard FROM artikel_stahl a "
    "JOIN stahl s ON s.id = a.stahl_id WHERE a.artikel_id = ?1 AND a.kammer = ?2 "
    "ORDER BY a.sortierung, a.stahl_id LIMIT 1000",
    // ReinforcementsOfKind(serie, konst_type): artikel, kammer, then the columns of
    //   ReinforcementsOf, in the order of each chamber's list
    "SELECT a.artikel_id, a.kammer, s.id, s.name, s.artikelnr, s.ix, s.iy, s.gewicht, "
    "a.standard FROM artikel r JOIN artikel_stahl a ON a.artikel_id = r.id "
    "JOIN stahl s ON s.id = a.stahl_id WHERE r.serie_id = ?1 AND r.konst_type = ?2 "
    "ORDER BY a.artikel_id, a.kammer, a.sortierung, a.stahl_id",
    // SashLimits(artikel): min_breite, max_breite, min_hoehe, max_hoehe, max_flaeche,
    //   max_gewicht
    "SELECT min_breite, max_breite, min_hoehe, max_hoehe, max_flaeche, max_gewicht "
    "FROM fluegel_grenze WHERE artikel_id = ?1",
    // UfCombination(rahmen, fluegel): uf
    "SELECT uf FROM uf_kombination WHERE rahmen_id = ?1 AND fluegel_id = ?2",
    // GlassesOfSeries(serie): id, name, aufbau, flags, dicke, gewicht, ug, psig,
    //   abstandhalter, standard
    "SELECT g.id, g.name, g.aufbau, g.flags, g.dicke, g.gewicht, g.ug, g.psig, g.abstandhalter, "
    "sg.standard FROM serie_glas sg JOIN glas g ON g.id = sg.glas_id WHERE sg.serie_id = ?1 "
    "ORDER BY sg.sortierung, sg.glas_id LIMIT 1000",
    // GlassById(id): dicke, dicke_real, gewicht, brandschutz
    "SELECT dicke, dicke_real, gewicht, brandschutz FROM glas WHERE id = ?1",
    // DefaultGlassOfSeries(serie): glas_id
    "SELECT glas_id FROM serie_glas WHERE serie_id = ?1 ORDER BY standard DESC, sortierung, "
    "glas_id LIMIT 1",
    // DefaultFrameOfSeries(serie): id
    "SELECT id FROM artikel WHERE serie_id = ?1 AND konst_type = 11 "
    "ORDER BY standard DESC, sortierung, id LIMIT 1",
    // DefaultSashOfSeries(serie): id
    "SELECT id FROM artikel WHERE serie_id = ?1 AND konst_type = 23 "
    "ORDER BY standard DESC, sortierung, id LIMIT 1",
    // GlassOfSeries(serie, glas): 1
    "SELECT 1 FROM serie_glas WHERE serie_id = ?1 AND glas_id = ?2",
    // OrnamentOfGlass(glas, ornament): name
    "SELECT o.name FROM glas_ornament go JOIN ornament o ON o.id = go.ornament_id "
    "WHERE go.glas_id = ?1 AND go.ornament_id = ?2",
    // OrnamentsOfGlass(glas): id, name, art
    "SELECT o.id, o.name, o.art FROM glas_ornament go JOIN ornament o ON o.id = go.ornament_id "
    "WHERE go.glas_id = ?1 ORDER BY go.sortierung, go.ornament_id LIMIT 999",
    // BeadsFor(serie, seite, sonder, dicke): id, artikelnr, name, gewicht, ansichtsbreite,
    //   bautiefe, standard
    "SELECT a.id, a.artikelnr, a.name, a.gewicht, a.ansichtsbreite, a.bautiefe, gl.standard "
    "FROM glasleiste gl JOIN artikel a ON a.id = gl.artikel_id WHERE gl.serie_id = ?1 AND "
    "gl.seite = ?2 AND gl.sonder = ?3 AND ?4 BETWEEN gl.dicke_min AND gl.dicke_max "
    "ORDER BY gl.sortierung, gl.artikel_id LIMIT 1000",
    // BoxesOfSeries(serie): id, name, flags, hoehe, tiefe, min_breite, max_breite, max_hoehe,
    //   ueberstand, anschluss_id, bauart id, bauart name, standard, form
    "SELECT k.id, k.name, k.flags, k.hoehe, k.tiefe, k.min_breite, k.max_breite, k.max_hoehe, "
    "k.ueberstand, k.anschluss_id, b.id, b.name, sr.standard, k.form FROM serie_rollkasten sr "
    "JOIN rollkasten k ON k.id = sr.rollkasten_id JOIN rk_bauart b ON b.id = k.bauart_id "
    "WHERE sr.serie_id = ?1 ORDER BY sr.sortierung, sr.rollkasten_id LIMIT 1000",
    // BoxById(id): min_breite, max_breite, max_hoehe
    "SELECT min_breite, max_breite, max_hoehe FROM rollkasten WHERE id = ?1",
    // DrivesOfBox(kasten): id, name, standard
    "SELECT a.id, a.name, ka.standard FROM rk_kasten_antrieb ka JOIN rk_antrieb a "
    "ON a.id = ka.antrieb_id WHERE ka.rollkasten_id = ?1 ORDER BY ka.sortierung, ka.antrieb_id "
    "LIMIT 1000",
    // CurtainsOfBox(kasten): id, name, standard
    "SELECT p.id, p.name, kp.standard FROM rk_kasten_panzer kp JOIN rk_panzer p "
    "ON p.id = kp.panzer_id WHERE kp.rollkasten_id = ?1 ORDER BY kp.sortierung, kp.panzer_id "
    "LIMIT 1000",
    // CurtainOfBox(kasten, panzer): max_breite, max_flaeche
    "SELECT max_breite, max_flaeche FROM rk_kasten_panzer WHERE rollkasten_id = ?1 "
    "AND panzer_id = ?2",
    // ColoursOfCurtain(panzer): id, name, standard
    "SELECT f.id, f.name, pf.standard FROM rk_panzer_farbe pf JOIN rk_panzerfarbe f "
    "ON f.id = pf.panzerfarbe_id WHERE pf.panzer_id = ?1 ORDER BY pf.sortierung, "
    "pf.panzerfarbe_id LIMIT 1000",
    // GuideRailsOfBox(kasten): id, artikelnr, name, beschreibung, gewicht, ansichtsbreite,
    //   bautiefe, standard
    "SELECT a.id, a.artikelnr, a.name, a.beschreibung, a.gewicht, a.ansichtsbreite, a.bautiefe, "
    "kf.standard FROM rk_kasten_fuehrung kf JOIN artikel a ON a.id = kf.artikel_id "
    "WHERE kf.rollkasten_id = ?1 ORDER BY kf.sortierung, kf.artikel_id LIMIT 1000",
};

} // namespace

Query::~Query() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

Query& Query::bind(int index, int value) {
    sqlite3_bind_int(statement_, index, value);
    return *this;
}

Query& Query::bind(int index, double value) {
    sqlite3_bind_double(statement_, index, value);
    return *this;
}

Query& Query::bind(int index, const char* text) {
    sqlite3_bind_text(statement_, index, text, -1, SQLITE_STATIC);
    return *this;
}

bool Query::next() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    throw CatalogueError(sqlite3_errmsg(sqlite3_db_handle(statement_)));
}

WideText Query::text(int column) const {
    // SQLite converts to UTF-16 in the machine's byte order, which is what a
    // WideText holds.
    const void* data = sqlite3_column_text16(statement_, column);
    const int bytes = sqlite3_column_bytes16(statement_, column);
    if (!data || bytes <= 0) return {};
    WideText out(static_cast<std::size_t>(bytes) / 2, u'\0');
    std::memcpy(out.data(), data, out.size() * 2);
    return out;
}

std::unique_ptr<Catalogue> Catalogue::open(const std::string& path, std::string& error) {
    std::unique_ptr<Catalogue> catalogue(new Catalogue);
    catalogue->path_ = path;
    auto fail = [&](const std::string& what) {
        error = "catalogue \"" + path + "\": " + what;
        return nullptr;
    };
    // The catalogue does not change while the service runs: opened as
    // immutable, SQLite neither locks the file nor looks for changes and
    // journals at every statement, which would cost more than the look-up.
    std::string uri = "file:";
    for (char ch : path) {
        if (ch == '%' || ch == '?' || ch == '#') {
            static const char hex[] = "0123456789ABCDEF";
            uri += '%';
            uri += hex[static_cast<unsigned char>(ch) >> 4];
            uri += hex[static_cast<unsigned char>(ch) & 15];
        } else {
            uri += ch;
        }
    }
    uri += "?immutable=1";
    if (sqlite3_open_v2(uri.c_str(), &catalogue->db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                        nullptr) != SQLITE_OK)
        return fail(catalogue->db_ ? sqlite3_errmsg(catalogue->db_) : "out of memory");
    sqlite3_extended_result_codes(catalogue->db_, 1);

    // A file that is no database fails here, at its first read; a database
    // of some other kind fails when its tables are missing below.
    sqlite3_stmt* format = nullptr;
    if (sqlite3_prepare_v2(catalogue->db_,
                           "SELECT wert FROM katalog_info WHERE schluessel = 'format'", -1, &format,
                           nullptr) != SQLITE_OK)
        return fail(sqlite3_errmsg(catalogue->db_));
    std::string found;
    const int rc = sqlite3_step(format);
    if (rc == SQLITE_ROW && sqlite3_column_text(format, 0))
        found = reinterpret_cast<const char*>(sqlite3_column_text(format, 0));
    const std::string stepError = sqlite3_errmsg(catalogue->db_);
    sqlite3_finalize(format);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) return fail(stepError);
    if (found != kCatalogueFormat)
        return fail("catalogue format \"" + found + "\", this service reads format \"" +
                    kCatalogueFormat + "\"");

    for (int i = 0; i < StatementCount; ++i) {
        if (sqlite3_prepare_v3(catalogue->db_, kSql[i], -1, SQLITE_PREPARE_PERSISTENT,
                               &catalogue->statements_[i], nullptr) != SQLITE_OK)
            return fail(sqlite3_errmsg(catalogue->db_));
    }
    return catalogue;
}

Query Catalogue::query(const char* sql) {
    sqlite3_stmt*& statement = more_[sql];
    if (!statement && sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &statement,
                                         nullptr) != SQLITE_OK) {
        statement = nullptr;
        more_.erase(sql);
        throw CatalogueError(sqlite3_errmsg(db_));
    }
    return Query(statement);
}

Catalogue::~Catalogue() {
    for (sqlite3_stmt* statement : statements_) sqlite3_finalize(statement);
    for (auto& [sql, statement] : more_) sqlite3_finalize(statement);
    sqlite3_close(db_);
}

} // namespace kalksrv
