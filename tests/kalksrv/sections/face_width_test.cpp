// The catalogue's visible face widths, which Uw is computed from, against
// the cuts the service draws: for every frame, mullion and sash of the
// sample catalogue the sight line of the drawn glass lies where the widths
// put it.
#include "kalksrv/sections/article_profile.h"
#include "kalksrv/sections/section.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <string>
#include <vector>

using namespace sections;

namespace {

struct Article {
    int id = 0;
    double visible = 0;
    Profile profile;
};

// Frames, sashes and mullions of every series, by series and kind.
std::map<int, std::map<int, std::vector<Article>>> ReadCatalogue() {
    std::map<int, std::map<int, std::vector<Article>>> out;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2("catalogue.db", &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "catalogue.db beside the test: " << sqlite3_errmsg(db);
        sqlite3_close(db);
        return out;
    }
    sqlite3_stmt* q = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT a.id, a.serie_id, a.konst_type, a.sichtbreite, a.ansichtsbreite, "
                       "a.bautiefe, a.falzhoehe, a.glasfalz, a.ueberschlag, a.kammern, "
                       "a.wandstaerke, a.dichtungen, a.kontur, s.material FROM artikel a "
                       "JOIN serie s ON s.id = a.serie_id WHERE a.konst_type IN (11, 23, 24)",
                       -1, &q, nullptr);
    while (q && sqlite3_step(q) == SQLITE_ROW) {
        ArticleRow row;
        row.konstType = sqlite3_column_int(q, 2);
        row.ansichtsbreite = sqlite3_column_double(q, 4);
        row.bautiefe = sqlite3_column_double(q, 5);
        row.falzhoehe = sqlite3_column_double(q, 6);
        row.glasfalz = sqlite3_column_double(q, 7);
        row.ueberschlag = sqlite3_column_double(q, 8);
        row.kammern = sqlite3_column_int(q, 9);
        row.wandstaerke = sqlite3_column_double(q, 10);
        row.dichtungen = sqlite3_column_int(q, 11);
        row.kontur = reinterpret_cast<const char*>(sqlite3_column_text(q, 12));
        row.material = reinterpret_cast<const char*>(sqlite3_column_text(q, 13));
        out[sqlite3_column_int(q, 1)][row.konstType].push_back(
            {sqlite3_column_int(q, 0), sqlite3_column_double(q, 3), ProfileFromArticle(row)});
    }
    sqlite3_finalize(q);
    sqlite3_close(db);
    return out;
}

const Bounds* BoundsOf(const Drawing& d, const std::string& role) {
    for (const Part& p : d.parts)
        if (p.role == role) return &p.bounds;
    return nullptr;
}

TEST(FaceWidths, TheCatalogueSaysWhereTheCutsPutTheGlass) {
    const auto catalogue = ReadCatalogue();
    ASSERT_FALSE(catalogue.empty());
    for (const auto& [series, kinds] : catalogue) {
        const auto& sashes = kinds.at(23);
        for (const int carrierKind : {11, 24}) {
            for (const Article& carrier : kinds.at(carrierKind)) {
                // Fixed glazing: the glass stands on the carrier's stop.
                const Drawing fixed = DrawCut({carrier.profile, {}, {}, Glass{}, {}, {}, {}});
                const Bounds* c = BoundsOf(fixed, "carrier");
                ASSERT_NE(c, nullptr) << carrier.id;
                EXPECT_NEAR(c->height(), carrier.visible, 0.01) << "profile " << carrier.id;
                for (const Article& sash : sashes) {
                    const Drawing d =
                        DrawCut({carrier.profile, sash.profile, {}, Glass{}, {}, {}, {}});
                    const Bounds* up = BoundsOf(d, "sash");
                    ASSERT_NE(up, nullptr) << carrier.id << " with " << sash.id;
                    // A mullion holds a sash on either side, a frame one.
                    const Bounds* down =
                        carrierKind == 24 ? BoundsOf(d, "sash2") : BoundsOf(d, "carrier");
                    ASSERT_NE(down, nullptr);
                    const double expected =
                        carrier.visible + (carrierKind == 24 ? 2 : 1) * sash.visible;
                    EXPECT_NEAR(up->maxY - down->minY, expected, 0.01)
                        << "series " << series << ": profile " << carrier.id << " with sash "
                        << sash.id;
                }
            }
        }
    }
}

} // namespace
