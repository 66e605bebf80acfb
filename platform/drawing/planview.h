// The drawing viewer that dialogs embed in their preview panel.
#pragma once

#include "platform/drawing/qv_database.h"
#include "platform/drawing/qv_picture.h"

#include <QGraphicsView>
#include <QStringList>

#include <string>

class QWidget;

// The viewer object as dialogs use it. The order of the operations is part
// of the interface (hosts and dialogs call them by position), so new ones go
// at the end. Created by CreatePlanviewDlg, destroyed by Release.
class PlanviewDlg {
public:
    virtual void Release() = 0;                              // 0
    virtual void Attach(QWidget* panel) = 0;                 // 1: draw inside `panel`
    virtual void Show(bool show) = 0;                        // 2
    virtual void Display(const QV_C_DataBase* database) = 0; // 3: keeps its own copy
    virtual void Clear() = 0;                                // 4
    virtual void SetLegend(std::wstring text1, std::wstring text2, std::wstring text3,
                           std::wstring text4, std::wstring text5) = 0; // 5

protected:
    ~PlanviewDlg() = default; // Release() destroys
};

// Remembers the application's main window; viewers that are never attached
// to a panel live in it. Call before each CreatePlanviewDlg.
void InitializePlanview(QWidget* mainWindow);
PlanviewDlg* CreatePlanviewDlg();

// The widget behind a viewer: fits the drawing on display, zooms about the
// cursor with the wheel, pans by dragging, fits again on a double click, and
// shows the legend texts in its lower left corner on a white paper.
class PlanviewWidget : public QGraphicsView {
    Q_OBJECT
public:
    explicit PlanviewWidget(QWidget* parent = nullptr);
    ~PlanviewWidget() override;

    void SetPicture(QV_DrawingPicture picture);
    void ClearPicture();
    bool HasPicture() const { return !picture_.IsEmpty(); }
    const QV_DrawingPicture& Picture() const { return picture_; }
    void SetLegend(const QStringList& lines);
    const QStringList& Legend() const { return legend_; }
    // Zoom to the whole drawing.
    void FitDrawing();
    // Drawing units per pixel at the moment (for tests and tools).
    double Zoom() const { return transform().m11(); }

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    class Item;
    QFont LegendFont() const;
    int LegendHeight() const; // pixels, 0 without legend
    QV_DrawingPicture picture_;
    Item* item_ = nullptr;
    QStringList legend_;
    bool userZoomed_ = false;
};
