// kalksrv-drawings: stores in a built catalogue the section drawing (DXF) of
// every article and roller-shutter box and the picture (JPEG) of every
// colour, made from the catalogue's own dimensions and colours. Run by the
// build after the catalogue itself; the service answers
// _KS_getArtikelDwgKatalog and _KS_getColorBlob from these tables.
//
//   kalksrv-drawings CATALOGUE.db [--originals-only]
//
// --originals-only: only ids below 100000, for the scaled benchmark
// catalogue, whose copies would multiply the file's size (the service draws
// an article without a stored drawing when it is asked for).

#include <sqlite3.h>

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "cli/command_line.h"
#include "kalksrv/catalogue.h"
#include "kalksrv/dialog_answers.h"
#include "kalksrv/pictures/colour_picture.h"

namespace {

struct Blob {
    int id;
    std::vector<unsigned char> bytes;
};

bool collect(const std::string& path, bool originalsOnly, std::vector<Blob>& drawings,
             std::vector<Blob>& pictures) {
    std::string error;
    std::unique_ptr<kalksrv::Catalogue> c = kalksrv::Catalogue::open(path, error);
    if (!c) {
        std::fprintf(stderr, "kalksrv-drawings: %s\n", error.c_str());
        return false;
    }
    const int limit = originalsOnly ? 100000 : 0x7fffffff;
    std::vector<int> ids;
    {
        kalksrv::Query q = c->query("SELECT id FROM artikel WHERE id < ?1 UNION ALL "
                                    "SELECT id FROM rollkasten WHERE id < ?1 ORDER BY 1");
        q.bind(1, limit);
        while (q.next()) ids.push_back(q.integer(0));
    }
    for (int id : ids) {
        const std::string dxf = kalksrv::catalogueDrawing(*c, id);
        if (!dxf.empty()) drawings.push_back({id, {dxf.begin(), dxf.end()}});
    }
    kalksrv::Query q = c->query("SELECT id, rgb, bild FROM farbe WHERE id < ?1 ORDER BY id");
    q.bind(1, limit);
    while (q.next()) {
        const int id = q.integer(0);
        auto jpeg = pictures::ColourPicture(static_cast<std::uint32_t>(q.integer(1)),
                                            pictures::SurfaceFromName(q.utf8(2)),
                                            static_cast<std::uint32_t>(id));
        if (jpeg.empty()) {
            std::fprintf(stderr, "kalksrv-drawings: no picture for colour %d\n", id);
            return false;
        }
        pictures.push_back({id, std::move(jpeg)});
    }
    return true;
}

bool store(const std::string& path, const std::vector<Blob>& drawings,
           const std::vector<Blob>& pictures) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
              sqlite3_exec(db, "BEGIN; DELETE FROM zeichnung; DELETE FROM farbbild;", nullptr,
                           nullptr, nullptr) == SQLITE_OK;
    const auto insert = [&](const char* sql, const std::vector<Blob>& blobs) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK) return false;
        bool good = true;
        for (const Blob& b : blobs) {
            sqlite3_bind_int(st, 1, b.id);
            sqlite3_bind_blob(st, 2, b.bytes.data(), static_cast<int>(b.bytes.size()),
                              SQLITE_STATIC);
            good = good && sqlite3_step(st) == SQLITE_DONE;
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        return good;
    };
    ok = ok && insert("INSERT INTO zeichnung (artikel_id, dxf) VALUES (?1, ?2)", drawings) &&
         insert("INSERT INTO farbbild (farbe_id, jpeg) VALUES (?1, ?2)", pictures) &&
         sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!ok) std::fprintf(stderr, "kalksrv-drawings: %s: %s\n", path.c_str(), sqlite3_errmsg(db));
    sqlite3_close(db);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QCommandLineParser parser;
    const QCommandLineOption originalsOnly(
        QStringLiteral("originals-only"),
        QStringLiteral("Only ids below 100000 (the scaled benchmark catalogue)."));
    parser.addOption(originalsOnly);
    parser.addPositionalArgument(QStringLiteral("CATALOGUE.db"),
                                 QStringLiteral("The built catalogue to store them in."));
    cli::Parse(parser, cli::Arguments(argc, argv), QStringLiteral("kalksrv-drawings"),
               QStringLiteral("Stores the section drawing of every article and box and the "
                              "picture of every colour in a built catalogue."));
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) return cli::UsageError(QStringLiteral("one CATALOGUE.db expected"));
    const std::string catalogue = files.front().toStdString();
    std::vector<Blob> drawings, pictures;
    if (!collect(catalogue, parser.isSet(originalsOnly), drawings, pictures)) return 1;
    if (!store(catalogue, drawings, pictures)) return 1;
    std::printf("kalksrv-drawings: %zu drawings, %zu colour pictures\n", drawings.size(),
                pictures.size());
    return 0;
}
