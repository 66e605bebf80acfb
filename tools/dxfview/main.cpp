// dxfview FILE.dxf [--hide-construction] [--png OUT.png | --svg OUT.svg] [--size WxH]
//
// (--help describes the options.)
// Loads a DXF file through the component's drawing database, as a section
// drawing from the calculation service would be, and shows it in the viewer
// or renders it to a PNG or SVG file.

#include "platform/os/capped_read.h"
#include "ui/sketch.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QMainWindow>
#include <QTextStream>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace {

// Section drawings are a few hundred KB; this leaves room for any real one.
constexpr qint64 kMaxInput = qint64(64) << 20;

bool ParseSize(const QString& text, QSize& size) {
    const QStringList parts = text.split(QLatin1Char('x'));
    if (parts.size() != 2) return false;
    bool okW = false, okH = false;
    const int w = parts[0].toInt(&okW), h = parts[1].toInt(&okH);
    if (!okW || !okH || w < 16 || h < 16 || w > 16384 || h > 16384) return false;
    size = QSize(w, h);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCommandLineParser parser;
    const QCommandLineOption hideOption(
        QStringLiteral("hide-construction"),
        QStringLiteral("Hides the construction layers, as the component's dialogs do."));
    const QCommandLineOption pngOption(QStringLiteral("png"),
                                       QStringLiteral("Renders to a PNG file instead of a window."),
                                       QStringLiteral("OUT.png"));
    const QCommandLineOption svgOption(
        QStringLiteral("svg"), QStringLiteral("Renders to an SVG file instead of a window."),
        QStringLiteral("OUT.svg"));
    const QCommandLineOption sizeOption(
        QStringLiteral("size"), QStringLiteral("Picture or window size, 16 to 16384 pixels each."),
        QStringLiteral("WxH"), QStringLiteral("1200x900"));
    parser.addOptions({hideOption, pngOption, svgOption, sizeOption});
    parser.addPositionalArgument(QStringLiteral("FILE.dxf"),
                                 QStringLiteral("The drawing, ASCII DXF R12 to R2018."));
    cli::Parse(parser, cli::Arguments(argc, argv), QStringLiteral("dxfview"),
               QStringLiteral("Loads a DXF drawing through the component's drawing database, "
                              "prints its entity, block and layer counts and extents, and shows "
                              "it in the viewer or renders it to a file."));
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) return cli::UsageError(QStringLiteral("one FILE.dxf is needed"));
    const QString file = files[0];
    const QString png = parser.value(pngOption), svg = parser.value(svgOption);
    if (!png.isEmpty() && !svg.isEmpty())
        return cli::UsageError(QStringLiteral("--png and --svg exclude each other"));
    QSize size;
    if (!ParseSize(parser.value(sizeOption), size))
        return cli::UsageError(QStringLiteral("--size takes WxH, 16 to 16384 each"));
    const bool hide = parser.isSet(hideOption);
    const bool toFile = !png.isEmpty() || !svg.isEmpty();
    // Rendering to a file needs no display.
    if (toFile && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const os::CappedRead in = os::readCapped(file, kMaxInput);
    if (!in.opened) {
        std::fprintf(stderr, "dxfview: cannot open %s: %s\n", qPrintable(file),
                     qPrintable(in.error));
        return 1;
    }
    if (in.tooLarge) {
        std::fprintf(stderr, "dxfview: %s is larger than %lld MB\n", qPrintable(file),
                     static_cast<long long>(kMaxInput >> 20));
        return 1;
    }
    const QByteArray& bytes = in.bytes;
    QV_C_DataBase database(nullptr, nullptr);
    QV_C_XrefManager xrefs;
    QV_C_DbStream stream(&database, QV_C_String(cli::ComponentDirectory() + "adinit.dat"), &xrefs);
    if (!stream.AdMemRead(bytes.constData(), static_cast<std::uint32_t>(bytes.size()))) {
        std::fprintf(stderr, "dxfview: %s: %s\n", qPrintable(file), stream.LastError().c_str());
        return 1;
    }
    if (!stream.InitFileError().empty())
        std::fprintf(stderr, "dxfview: built-in settings used (%s)\n",
                     stream.InitFileError().c_str());
    if (hide) HideSketchLayers(database);
    if (database.Dropped() > 0)
        std::fprintf(stderr, "dxfview: the drawing exceeds the limits of adinit.dat; what did "
                             "not fit is left out\n");

    int hidden = 0;
    for (const QV_C_TabLayer& layer : database.Layers()) hidden += !layer.IsVisible();
    const QRectF box = database.Extents();
    std::printf("%s: %zu entities, %zu blocks, %zu layers (%d hidden), extents %.3f x %.3f\n",
                qPrintable(QFileInfo(file).fileName()), database.Drawing().entities.size(),
                database.Drawing().blocks.size(), database.Layers().size(), hidden, box.width(),
                box.height());

    if (!png.isEmpty() && !database.SavePng(png, size)) {
        std::fprintf(stderr, "dxfview: cannot write %s\n", qPrintable(png));
        return 1;
    }
    if (!svg.isEmpty() && !database.SaveSvg(svg, size)) {
        std::fprintf(stderr, "dxfview: cannot write %s\n", qPrintable(svg));
        return 1;
    }
    if (toFile) return 0;

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("dxfview - ") + QFileInfo(file).fileName());
    auto* panel = new QWidget(&window);
    window.setCentralWidget(panel);
    window.resize(size);
    InitializePlanview(&window);
    PlanviewDlg* viewer = CreatePlanviewDlg();
    viewer->Attach(panel);
    viewer->SetLegend(QFileInfo(file).fileName().toStdWString(),
                      std::to_wstring(database.Drawing().entities.size()) + L" entities",
                      hide ? L"construction layers hidden" : L"", L"", L"");
    viewer->Display(&database);
    window.show();
    viewer->Show(true);
    const int result = app.exec();
    viewer->Release();
    return result;
}
