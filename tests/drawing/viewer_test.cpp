// The viewer in a dialog's panel, and the procedure that shows a drawing.
#include "model/materialdaten.h"
#include "platform/drawing/planview.h"
#include "tests/dxf/sample_section.h"
#include "ui/sketch.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <memory>

namespace {

std::vector<std::uint8_t> Block(const std::string& dxf) {
    return std::vector<std::uint8_t>(dxf.begin(), dxf.end());
}

// Dark pixels of a widget's picture inside `area`.
int Ink(QWidget* widget, QRect area) {
    const QImage image = widget->grab().toImage();
    int n = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += qGray(image.pixel(x, y)) < 128;
    return n;
}

class Viewer : public ::testing::Test {
protected:
    void SetUp() override {
        panel = std::make_unique<QWidget>();
        panel->resize(400, 300);
        InitializePlanview(nullptr);
        viewer = CreatePlanviewDlg();
        viewer->Attach(panel.get());
        panel->show();
        viewer->Show(true);
        widget = panel->findChild<PlanviewWidget*>();
        ASSERT_NE(widget, nullptr);
    }
    void TearDown() override {
        viewer->Release();
        panel.reset();
    }

    // Where the drawing shows in the widget.
    QRect Shown() const {
        const QRectF b = widget->Picture().Bounds();
        return widget->mapFromScene(QRectF(b.left(), -b.bottom(), b.width(), b.height()))
            .boundingRect();
    }
    void ShowSection() {
        QV_C_DataBase db;
        auto block = Block(SampleSectionDxf());
        ASSERT_TRUE(LoadSketch(db, block));
        viewer->Display(&db);
    }

    std::unique_ptr<QWidget> panel;
    PlanviewDlg* viewer = nullptr;
    PlanviewWidget* widget = nullptr;
};

TEST_F(Viewer, FillsItsPanelAndFitsTheDrawing) {
    EXPECT_EQ(widget->geometry(), panel->rect());
    panel->resize(500, 420);
    EXPECT_EQ(widget->geometry(), QRect(0, 0, 500, 420));
    EXPECT_TRUE(widget->isVisible());
    ShowSection();
    ASSERT_TRUE(widget->HasPicture());
    // The whole drawing is in view and fills its height (the taller side).
    EXPECT_TRUE(widget->viewport()->rect().contains(Shown()));
    EXPECT_GT(Shown().height(), 420 * 0.85);
    EXPECT_GT(Ink(widget, widget->rect()), 500);
}

TEST_F(Viewer, WheelZoomsAboutTheCursorAndDoubleClickFitsAgain) {
    ShowSection();
    const double fitted = widget->Zoom();
    const QPoint at(300, 80);
    const QPointF before = widget->mapToScene(at);
    QWheelEvent wheel(at, widget->viewport()->mapToGlobal(at), {}, {0, 240}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget->viewport(), &wheel);
    EXPECT_NEAR(widget->Zoom(), fitted * 1.44, fitted * 1e-6);
    const QPointF after = widget->mapToScene(at);
    EXPECT_NEAR(after.x(), before.x(), 1 / widget->Zoom());
    EXPECT_NEAR(after.y(), before.y(), 1 / widget->Zoom());

    // Dragging pans: the scene point under the centre moves with the mouse.
    const QPoint center = widget->viewport()->rect().center();
    const QPointF centerBefore = widget->mapToScene(center);
    QTest::mousePress(widget->viewport(), Qt::LeftButton, {}, center);
    QMouseEvent move(QEvent::MouseMove, QPointF(center + QPoint(60, 0)),
                     widget->viewport()->mapToGlobal(QPointF(center + QPoint(60, 0))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget->viewport(), &move);
    QTest::mouseRelease(widget->viewport(), Qt::LeftButton, {}, center + QPoint(60, 0));
    EXPECT_NEAR(widget->mapToScene(center).x(), centerBefore.x() - 60 / widget->Zoom(),
                2 / widget->Zoom());

    QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, center);
    EXPECT_NEAR(widget->Zoom(), fitted, fitted * 1e-6);
}

TEST_F(Viewer, LegendInTheLowerLeftCornerAndClearShowsNothing) {
    viewer->SetLegend(L"Rahmen VM-70", L"Stahl 1,5 mm", L"", L"", L"Uf = 1,1 W/m\u00B2K");
    ShowSection();
    // The drawing fits above the legend.
    EXPECT_LT(Shown().bottom(), 300 - 3 * QFontMetrics(QFont()).height() / 2);
    viewer->Clear();
    EXPECT_FALSE(widget->HasPicture());
    EXPECT_EQ(Ink(widget, widget->rect()), 0);

    viewer->SetLegend(L"Nur Legende", L"", L"", L"", L"");
    const int corner = Ink(widget, QRect(0, 300 - 40, 150, 40));
    const int elsewhere = Ink(widget, QRect(200, 0, 200, 150));
    EXPECT_GT(corner, 20);
    EXPECT_EQ(elsewhere, 0);
}

TEST_F(Viewer, ReleaseAfterThePanelIsGone) {
    ShowSection();
    panel.reset(); // the dialog's panel takes the viewer's widget with it
    viewer->Clear();
    viewer->Display(nullptr);
}

// The procedure every dialog with a preview runs.
TEST_F(Viewer, ShowSketchLoadsHidesAndReleasesTheBlock) {
    Materialdaten record;
    int requests = 0;
    const auto answer = [&](std::string dxf) {
        return [&, dxf] {
            ++requests;
            EXPECT_FALSE(widget->HasPicture()); // cleared before the request
            record.drawing = Block(dxf);
            return true;
        };
    };
    const auto legend = [] { return SketchLegend{L"Profil", L"", L"", L"", L""}; };

    EXPECT_TRUE(ShowSketch(viewer, record, answer(SampleSectionDxf()), legend));
    EXPECT_TRUE(record.drawing.empty());
    ASSERT_TRUE(widget->HasPicture());
    EXPECT_EQ(widget->Legend().value(0), QStringLiteral("Profil"));

    // A second drawing that cannot be read leaves the viewer empty, not
    // showing the first one.
    const std::string good = SampleSectionDxf();
    EXPECT_FALSE(ShowSketch(viewer, record, answer(good.substr(0, good.size() - 40)), legend));
    EXPECT_TRUE(record.drawing.empty());
    EXPECT_FALSE(widget->HasPicture());
    EXPECT_TRUE(widget->Legend().isEmpty());

    // No drawing in the answer: nothing loaded, the viewer stays clear.
    EXPECT_FALSE(ShowSketch(
        viewer, record, [&] { return false; }, legend));
    EXPECT_FALSE(widget->HasPicture());
    EXPECT_EQ(requests, 2);
}

TEST(HostSketch, UnreadableBlockLeavesTheHostAFreshDatabase) {
    QV_C_DataBase host;
    auto block = Block(SampleSectionDxf());
    ASSERT_TRUE(LoadHostSketch(host, block));
    EXPECT_TRUE(block.empty());
    // The host decides what to show: construction layers stay visible.
    EXPECT_TRUE(host.GetLayerFromName(QV_C_String("ASSEMBLY"))->IsVisible());

    block = Block("0\nSECTION\n2\nENTITIES\n0\nLINE\n");
    EXPECT_FALSE(LoadHostSketch(host, block));
    EXPECT_TRUE(host.IsEmpty());
    EXPECT_TRUE(block.empty());
    // A second attempt without a new answer loads nothing.
    EXPECT_FALSE(LoadSketch(host, block));
}

} // namespace
