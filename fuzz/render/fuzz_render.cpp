// Feeds arbitrary bytes to the drawing database and renders what it read.
// Checks, beyond "no crash, bounded memory": the picture keeps to the init
// file's limits of elements and points however the blocks expand, and it is
// kept until a layer is switched.
#include "platform/drawing/qv_database.h"
#include "platform/drawing/qv_picture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// Small limits keep the executions per second up; they are applied by the
// same code as the shipped ones.
constexpr std::size_t kMaxPrimitives = 2000;
constexpr std::size_t kMaxPoints = 20000;
std::string g_initFile;

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    g_initFile = "/tmp/fuzz_render_adinit.dat";
    std::ofstream(g_initFile) << "format = 1\nmax_primitives = " << kMaxPrimitives
                              << "\nmax_points = " << kMaxPoints << "\n";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 0xFFFFFFFFu) return 0;
    QV_C_DataBase database;
    QV_C_XrefManager xrefs;
    QV_C_DbStream stream(&database, QV_C_String(g_initFile), &xrefs);
    if (!stream.AdMemRead(data, static_cast<std::uint32_t>(size))) return 0;
    check(stream.InitFileError().empty());

    const auto picture = database.Picture();
    check(picture->Items().size() <= kMaxPrimitives);
    std::size_t points = 0;
    for (const QV_DrawingPicture::Item& item : picture->Items())
        points += static_cast<std::size_t>(item.path.elementCount() + item.clip.elementCount());
    check(points <= kMaxPoints);

    QImage image(48, 48, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        database.Render(painter, QRectF(0, 0, 48, 48));
    }
    check(database.Picture() == picture); // kept while nothing changed
    if (!database.Layers().empty()) {
        QV_C_TabLayer* layer = database.GetLayerFromName(QV_C_String(database.Layers()[0].Name()));
        check(layer != nullptr);
        layer->ModVisibility(!layer->IsVisible());
        check(database.Picture() != picture);
    }
    return 0;
}
