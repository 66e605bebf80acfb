// Loading and rendering a section drawing of 5,000 entities.
#include "dxf/dxf_reader.h"
#include "dxf/dxf_writer.h"
#include "platform/drawing/qv_database.h"
#include "platform/drawing/qv_picture.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <string>

namespace {

// A dense drawing of 5,000 entities of every common kind, spread over a
// 1000 x 1000 mm sheet on ten layers.
const std::string& Drawing5000() {
    static const std::string text = [] {
        dxf::Builder b;
        for (int l = 0; l < 10; ++l) b.AddLayer("L" + std::to_string(l), 1 + l, 25);
        for (int i = 0; i < 5000; ++i) {
            const dxf::Style style{"L" + std::to_string(i % 10)};
            const double x = (i % 70) * 14.0, y = (i / 70) * 14.0;
            switch (i % 8) {
            case 0:
                b.AddLine(style, {x, y, 0}, {x + 12, y + 9, 0});
                break;
            case 1:
                b.AddPolyline(style,
                              {{x, y, 0}, {x + 10, y, 0.4}, {x + 12, y + 6, 0}, {x, y + 10, -0.3}},
                              true);
                break;
            case 2:
                b.AddArc(style, {x + 6, y + 6, 0}, 5, 20, 250);
                break;
            case 3:
                b.AddCircle(style, {x + 6, y + 6, 0}, 4);
                break;
            case 4:
                b.AddText(style, {x, y, 0}, 2.5, "Pos " + std::to_string(i));
                break;
            case 5:
                b.AddHatch(style, {{{x, y, 0}, {x + 10, y, 0}, {x + 10, y + 10, 0}}}, "SOLID");
                break;
            case 6:
                b.AddHatch(style, {{{x, y, 0}, {x + 12, y, 0}, {x + 12, y + 8, 0}, {x, y + 8, 0}}},
                           "ANSI31", 45, 1.5);
                break;
            default:
                b.AddDimension(style, {x, y, 0}, {x + 12, y, 0}, -2, 1.5);
                break;
            }
        }
        return b.ToDxf();
    }();
    return text;
}

void Load(QV_C_DataBase& db) {
    const std::string& text = Drawing5000();
    QV_C_XrefManager xrefs;
    QV_C_DbStream stream(&db, QV_C_String(DrawingInitFile()), &xrefs);
    if (!stream.AdMemRead(text.data(), static_cast<std::uint32_t>(text.size()))) std::abort();
}

void BM_ReadDxf(benchmark::State& state) {
    const std::string& text = Drawing5000();
    for (auto _ : state) benchmark::DoNotOptimize(dxf::Read(text));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadDxf)->Unit(benchmark::kMillisecond);

void BM_LoadDatabase(benchmark::State& state) {
    for (auto _ : state) {
        QV_C_DataBase db;
        Load(db);
        benchmark::DoNotOptimize(db);
    }
}
BENCHMARK(BM_LoadDatabase)->Unit(benchmark::kMillisecond);

void BM_RenderPng1000(benchmark::State& state) {
    QV_C_DataBase db;
    Load(db);
    QImage image(1000, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        db.Render(painter, QRectF(0, 0, 1000, 1000));
    }
}
BENCHMARK(BM_RenderPng1000)->Unit(benchmark::kMillisecond);

// What a dialog does for one preview: load, prepare and paint into its panel.
void BM_LoadAndRender(benchmark::State& state) {
    QImage image(400, 400, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QV_C_DataBase db;
        Load(db);
        QPainter painter(&image);
        db.Render(painter, QRectF(0, 0, 400, 400));
    }
}
BENCHMARK(BM_LoadAndRender)->Unit(benchmark::kMillisecond);

// Linear cost: twice the entities take about twice the time.
void BM_ReadScaled(benchmark::State& state) {
    std::string body;
    for (int i = 0; i < state.range(0); ++i)
        body += "0\nLINE\n8\nA\n10\n" + std::to_string(i) + "\n20\n0\n11\n1\n21\n1\n";
    const std::string text = "0\nSECTION\n2\nENTITIES\n" + body + "0\nENDSEC\n0\nEOF\n";
    for (auto _ : state) benchmark::DoNotOptimize(dxf::Read(text));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadScaled)->RangeMultiplier(4)->Range(1000, 64000)->Complexity(benchmark::oN);

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts for the texts
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
