// The drawing database: reading blocks, layers, the init file and rendering.
#include "dxf/dxf_writer.h"
#include "platform/drawing/adinit.h"
#include "platform/drawing/qv_database.h"
#include "platform/drawing/qv_picture.h"
#include "tests/dxf/sample_section.h"
#include "ui/sketch.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <fstream>
#include <string>

namespace {

class Drawing : public ::testing::Test {
protected:
    static bool Load(QV_C_DataBase& db, const std::string& dxf,
                     const std::string& initFile = DrawingInitFile()) {
        QV_C_XrefManager xrefs;
        QV_C_DbStream stream(&db, QV_C_String(initFile), &xrefs);
        return stream.AdMemRead(dxf.data(), static_cast<std::uint32_t>(dxf.size()));
    }

    static QImage Render(const QV_C_DataBase& db, int size = 300) {
        QImage image(size, size, QImage::Format_RGB32);
        QPainter painter(&image);
        db.Render(painter, QRectF(0, 0, size, size));
        return image;
    }

    // Pixels for which `is` holds.
    template <typename Is> static int Count(const QImage& image, Is is) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += is(image.pixelColor(x, y));
        return n;
    }
    static bool Magenta(QColor c) { return c.red() > 200 && c.blue() > 200 && c.green() < 200; }
    static bool Red(QColor c) { return c.red() > 200 && c.green() < 200 && c.blue() < 200; }
    static bool Green(QColor c) { return c.green() > 200 && c.red() < 200 && c.blue() < 200; }
    static bool Dark(QColor c) { return qGray(c.rgb()) < 160; }

    static std::string SmallDxf() {
        dxf::Builder b;
        b.AddLine({"A"}, {0, 0, 0}, {10, 10, 0});
        b.AddCircle({"B", 1}, {5, 5, 0}, 2);
        return b.ToDxf();
    }
};

TEST_F(Drawing, SectionLoadsAndHidesExactlyTheConstructionLayers) {
    for (const bool r12 : {false, true}) {
        QV_C_DataBase db(nullptr, nullptr);
        ASSERT_TRUE(Load(db, SampleSectionDxf(r12)));
        EXPECT_EQ(db.Layers().size(), 11u);
        const QImage before = Render(db);
        EXPECT_GT(Count(before, Magenta), 100); // MD_SKIZZE frame
        EXPECT_GT(Count(before, Red), 100);     // ASSEMBLY axes, red screws

        HideSketchLayers(db);
        const QImage after = Render(db);
        EXPECT_EQ(Count(after, Magenta), 0);
        EXPECT_EQ(Count(after, Green), 0);  // dimension colour 3
        EXPECT_GT(Count(after, Dark), 500); // the contour stays
        // The frame was the outermost element: without it the profile fills
        // the picture.
        EXPECT_LT(db.Extents().width(), 80);
    }
}

TEST_F(Drawing, FailedReadLeavesTheDatabaseEmpty) {
    const std::string good = SampleSectionDxf();
    const std::string bad[] = {
        good.substr(0, good.size() / 2), // cut short
        "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1,5\n0\nENDSEC\n0\nEOF\n",
    };
    for (const std::string& block : bad) {
        QV_C_DataBase db;
        ASSERT_TRUE(Load(db, good));
        std::string heard;
        int progress = -1;
        QV_C_XrefManager xrefs;
        QV_C_DbStream stream(&db, QV_C_String(DrawingInitFile()), &xrefs);
        EXPECT_FALSE(stream.AdMemRead(
            block.data(), static_cast<std::uint32_t>(block.size()),
            [](const char* m, void* c) { *static_cast<std::string*>(c) = m; }, &heard,
            [](int p, void* c) { *static_cast<int*>(c) = p; }, &progress));
        EXPECT_TRUE(db.IsEmpty());
        EXPECT_TRUE(db.Layers().empty());
        EXPECT_FALSE(stream.LastError().empty());
        EXPECT_EQ(heard, stream.LastError());
        EXPECT_EQ(progress, 0);
        EXPECT_TRUE(QV_DrawingPicture(db).IsEmpty());
    }
    QV_C_DataBase db;
    QV_C_XrefManager xrefs;
    QV_C_DbStream stream(&db, QV_C_String(""), &xrefs);
    EXPECT_FALSE(stream.AdMemRead(nullptr, 100));
    EXPECT_FALSE(stream.AdMemRead(good.data(), 0));
    QV_C_DbStream orphan(nullptr, QV_C_String(""), nullptr);
    EXPECT_FALSE(orphan.AdMemRead(good.data(), static_cast<std::uint32_t>(good.size())));

    // Only the given length is read: what follows in memory is not part of
    // the block, and a length that ends inside it cuts it short.
    const std::string padded = SmallDxf() + "0\nGARBAGE\n";
    const auto small = static_cast<std::uint32_t>(SmallDxf().size());
    QV_C_DbStream whole(&db, QV_C_String(DrawingInitFile()), &xrefs);
    EXPECT_TRUE(whole.AdMemRead(padded.data(), small));
    EXPECT_FALSE(whole.AdMemRead(padded.data(), small - 5));
}

TEST_F(Drawing, BrokenInitFileGivesDefaults) {
    std::string error;
    // The file shipped beside the library is found from anywhere and reads
    // cleanly.
    const QString before = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    EXPECT_EQ(LoadDrawingSettings(DrawingInitFile(), &error), DrawingSettings{});
    QDir::setCurrent(before);
    EXPECT_EQ(error, "");
    DrawingSettings s;
    EXPECT_TRUE(ParseDrawingSettings("format = 1\n# comment\nbackground = #102030\n"
                                     "lineweight_scale = 0\nlegend_size = 14\n",
                                     s, &error))
        << error;
    EXPECT_EQ(s.background, 0x102030u);
    EXPECT_EQ(s.lineWeightScale, 0);
    EXPECT_EQ(s.legendSize, 14);
    for (const char* broken :
         {"background = #102030\n", "format = 2\n", "format = 1\nbackground = red\n",
          "format = 1\ncolour = 1\n", "format = 1\nlegend_size = 1000\n", "format = 1\nno value\n",
          "format = 1\ndefault_lineweight = 0,25\n"}) {
        DrawingSettings t;
        t.legendSize = 99;
        EXPECT_FALSE(ParseDrawingSettings(broken, t, &error)) << broken;
        EXPECT_EQ(t, DrawingSettings{}) << broken;
    }
    EXPECT_EQ(LoadDrawingSettings("/nonexistent/adinit.dat", &error), DrawingSettings{});
    EXPECT_NE(error.find("cannot open"), std::string::npos);
    // A device without end is refused after its first 64 KB.
    EXPECT_EQ(LoadDrawingSettings("/dev/zero", &error), DrawingSettings{});
    EXPECT_NE(error.find("larger than 64 KB"), std::string::npos) << error;

    // The stream uses the file it is given: a dark paper shows in renders.
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("adinit.dat")).toStdString();
    std::ofstream(file) << "format = 1\nbackground = #000000\nforeground = #FFFFFF\n";
    QV_C_DataBase db;
    ASSERT_TRUE(Load(db, SmallDxf(), file));
    EXPECT_EQ(db.Settings().background, 0u);
    EXPECT_EQ(Render(db).pixelColor(0, 0), QColor(Qt::black));
    std::ofstream(file) << "format = 1\nbackground = #00000\n";
    ASSERT_TRUE(Load(db, SmallDxf(), file)); // a broken file does not stop the drawing
    EXPECT_EQ(Render(db).pixelColor(0, 0), QColor(Qt::white));
}

TEST_F(Drawing, RenderingPlacesGeometryAndColours) {
    dxf::Builder b;
    b.AddLayer("ROT", 1, 100); // 1 mm: three pixels wide
    b.AddLine({"ROT"}, {0, 0, 0}, {100, 0, 0});
    dxf::Style blue{"BLAU", 5};
    blue.lineWeight = 100;
    b.AddPolyline(blue, {{0, 10, 1}, {0, 90, 0}}, false); // half circle to the right
    dxf::Style rgb{"ROT"};
    rgb.rgb = 0x00C000;
    b.AddCircle(rgb, {70, 50, 0}, 10);
    QV_C_DataBase db;
    ASSERT_TRUE(Load(db, b.ToDxf()));
    const QImage image = Render(db, 400);
    const QTransform fit = QV_DrawingPicture::FitTransform(db.Extents(), QRectF(0, 0, 400, 400));
    const auto pixel = [&](double x, double y) {
        const QPointF p = fit.map(QPointF(x, y));
        return image.pixelColor(int(p.x()), int(p.y()));
    };
    EXPECT_EQ(pixel(50, 0).red(), 255);
    EXPECT_GT(pixel(60, 50).green(), 150); // true colour wins over the layer
    EXPECT_LT(pixel(60, 50).red(), 80);
    EXPECT_GT(pixel(40, 50).blue(), 200);        // the bulge's arc reaches x = 40 at y = 50
    EXPECT_EQ(pixel(20, 50), QColor(Qt::white)); // and not the straight chord at x = 0
    EXPECT_GT(pixel(0, 50).red(), 200);
}

TEST_F(Drawing, RecursiveAndExplodingBlocksStayBounded) {
    // A block that references itself, and ten levels of ten references each
    // (ten billion circles if expanded).
    std::string blocks;
    const auto insert = [](const std::string& block) {
        return "0\nINSERT\n8\n0\n2\n" + block + "\n10\n1\n20\n1\n";
    };
    blocks += "0\nBLOCK\n2\nSELF\n10\n0\n20\n0\n" + insert("SELF") + "0\nENDBLK\n";
    blocks += "0\nBLOCK\n2\nL0\n10\n0\n20\n0\n0\nCIRCLE\n8\n0\n10\n0\n20\n0\n40\n1\n0\nENDBLK\n";
    for (int level = 1; level <= 10; ++level) {
        blocks += "0\nBLOCK\n2\nL" + std::to_string(level) + "\n10\n0\n20\n0\n";
        for (int k = 0; k < 10; ++k) blocks += insert("L" + std::to_string(level - 1));
        blocks += "0\nENDBLK\n";
    }
    // And an empty block placed 30000 x 30000 times.
    blocks += "0\nBLOCK\n2\nEMPTY\n10\n0\n20\n0\n0\nENDBLK\n";
    const std::string grid = "0\nINSERT\n2\nEMPTY\n70\n30000\n71\n30000\n";
    const std::string dxf = "0\nSECTION\n2\nBLOCKS\n" + blocks + "0\nENDSEC\n" +
                            "0\nSECTION\n2\nENTITIES\n" + insert("SELF") + insert("L10") + grid +
                            "0\nENDSEC\n0\nEOF\n";
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("adinit.dat")).toStdString();
    std::ofstream(file) << "format = 1\nmax_primitives = 5000\n";
    QV_C_DataBase db;
    ASSERT_TRUE(Load(db, dxf, file));
    const QV_DrawingPicture picture(db);
    ASSERT_EQ(picture.Items().size(), 1u); // the circles share one path
    const int circles = picture.Items()[0].path.elementCount() / 13;
    EXPECT_LE(circles, 5000); // placements count, drawn or not
    EXPECT_GT(circles, 4000);
    EXPECT_GT(picture.Dropped(), 0u);

    // The empty grid alone stops at the placement limit too.
    const std::string gridOnly = "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nEMPTY\n0\nENDBLK\n0\nENDSEC\n"
                                 "0\nSECTION\n2\nENTITIES\n" +
                                 grid + "0\nENDSEC\n0\nEOF\n";
    ASSERT_TRUE(Load(db, gridOnly, file));
    EXPECT_TRUE(QV_DrawingPicture(db).IsEmpty());
    EXPECT_EQ(QV_DrawingPicture(db).Dropped(), 1u);
}

TEST_F(Drawing, ArraysOfLongPathsStayWithinThePointBudget) {
    // A few KB of drawing that once cost gigabytes: a block holding one long
    // spline (or polyline), placed as a 448 x 448 array.
    std::string spline = "0\nSPLINE\n8\n0\n71\n3\n40\n0\n40\n0\n40\n0\n";
    for (int k = 0; k <= 257; ++k) spline += "40\n" + std::to_string(k) + "\n";
    spline += "40\n257\n40\n257\n40\n257\n";
    for (int i = 0; i < 260; ++i)
        spline += "10\n" + std::to_string(i) + "\n20\n" + std::to_string(i % 5) + "\n";
    std::string polyline = "0\nLWPOLYLINE\n8\n0\n";
    for (int i = 0; i < 20000; ++i)
        polyline += "10\n" + std::to_string(i) + "\n20\n" + std::to_string(i % 3) + "\n";
    for (const std::string& entity : {spline, polyline}) {
        const std::string dxf = "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n10\n0\n20\n0\n" + entity +
                                "0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n"
                                "0\nINSERT\n8\n0\n2\nB\n70\n448\n71\n448\n44\n300\n45\n10\n"
                                "0\nENDSEC\n0\nEOF\n";
        QV_C_DataBase db;
        ASSERT_TRUE(Load(db, dxf));
        std::size_t points = 0;
        for (const QV_DrawingPicture::Item& item : db.Picture()->Items())
            points += static_cast<std::size_t>(item.path.elementCount());
        EXPECT_LE(points, DrawingSettings{}.maxPoints);
        EXPECT_GT(points, DrawingSettings{}.maxPoints * 9 / 10); // what fits is drawn
        EXPECT_GT(db.Dropped(), 0u);
        EXPECT_GT(Count(Render(db, 64), Dark), 0);
    }
}

TEST_F(Drawing, PictureIsKeptUntilTheDatabaseChanges) {
    QV_C_DataBase db;
    ASSERT_TRUE(Load(db, SampleSectionDxf()));
    const auto first = db.Picture();
    Render(db);
    EXPECT_EQ(db.Picture(), first);
    HideSketchLayers(db); // through the layers' own pointers
    const auto hidden = db.Picture();
    EXPECT_NE(hidden, first);
    EXPECT_LT(hidden->Items().size(), first->Items().size());
    ASSERT_TRUE(Load(db, SmallDxf()));
    EXPECT_EQ(db.Picture()->Items().size(), 2u);
}

TEST_F(Drawing, FontCallbackChoosesTheFamilyPerTextStyle) {
    dxf::Builder b;
    b.AddText({"T"}, {0, 0, 0}, 2.5, "Norm");
    b.document().entities.back().geometry = [] {
        dxf::Text t;
        t.text = "Serif";
        t.style = "ISOCP";
        return t;
    }();
    b.AddText({"T"}, {0, 5, 0}, 2.5, "Standard");
    std::vector<std::string> asked;
    QV_C_DataBase db(
        [](const char* style, void* context) -> const char* {
            static_cast<std::vector<std::string>*>(context)->push_back(style);
            return std::string(style) == "ISOCP" ? "DejaVu Serif" : nullptr;
        },
        &asked);
    ASSERT_TRUE(Load(db, b.ToDxf()));
    const QV_DrawingPicture picture(db);
    ASSERT_EQ(picture.Items().size(), 2u);
    EXPECT_EQ(picture.Items()[0].font.family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(picture.Items()[1].font.family(), QString::fromStdString(DrawingSettings{}.textFont));
    EXPECT_EQ(asked, (std::vector<std::string>{"ISOCP", "Standard"}));
}

TEST_F(Drawing, ExportsPngAndSvg) {
    QV_C_DataBase db;
    ASSERT_TRUE(Load(db, SampleSectionDxf()));
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("a.png"));
    const QString svg = dir.filePath(QStringLiteral("a.svg"));
    ASSERT_TRUE(db.SavePng(png, QSize(320, 240)));
    ASSERT_TRUE(db.SaveSvg(svg, QSize(320, 240)));
    EXPECT_EQ(QImage(png).size(), QSize(320, 240));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("<svg"));
    EXPECT_TRUE(content.contains("Rahmen"));
    EXPECT_FALSE(db.SavePng(png, QSize(0, 10)));
}

} // namespace
