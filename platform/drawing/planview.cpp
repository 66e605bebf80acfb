#include "platform/drawing/planview.h"

#include <QEvent>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {
QPointer<QWidget> g_mainWindow;
} // namespace

// Paints the picture in drawing units; the item's own transform turns the
// drawing's y-up into the scene's y-down.
class PlanviewWidget::Item : public QGraphicsItem {
public:
    explicit Item(const QV_DrawingPicture* picture) : picture_(picture) {
        setTransform(QTransform(1, 0, 0, -1, 0, 0));
    }
    QRectF boundingRect() const override {
        const QRectF b = picture_->Bounds();
        // Lines as wide as the drawing's extents; a pixel of slack for pens.
        const double slack = std::max(b.width(), b.height()) * 0.01 + 1e-9;
        return b.adjusted(-slack, -slack, slack, slack);
    }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        picture_->Paint(*painter);
    }

private:
    const QV_DrawingPicture* picture_;
};

PlanviewWidget::PlanviewWidget(QWidget* parent) : QGraphicsView(parent) {
    setScene(new QGraphicsScene(this));
    setBackgroundBrush(Qt::white);
    setFrameShape(QFrame::NoFrame);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTransformationAnchor(QGraphicsView::NoAnchor);
    setResizeAnchor(QGraphicsView::AnchorViewCenter);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
}

PlanviewWidget::~PlanviewWidget() = default;

void PlanviewWidget::SetPicture(QV_DrawingPicture picture) {
    ClearPicture();
    picture_ = std::move(picture);
    setBackgroundBrush(picture_.Background());
    if (picture_.IsEmpty()) return;
    item_ = new Item(&picture_);
    scene()->addItem(item_);
    userZoomed_ = false;
    FitDrawing();
}

void PlanviewWidget::ClearPicture() {
    if (item_) {
        scene()->removeItem(item_);
        delete item_;
        item_ = nullptr;
    }
    picture_ = QV_DrawingPicture();
    legend_.clear();
    resetTransform();
    viewport()->update();
}

void PlanviewWidget::SetLegend(const QStringList& lines) {
    legend_ = lines;
    if (!userZoomed_) FitDrawing();
    viewport()->update();
}

QFont PlanviewWidget::LegendFont() const {
    QFont font(picture_.LegendFont());
    font.setPixelSize(picture_.LegendSize());
    return font;
}

int PlanviewWidget::LegendHeight() const {
    const int lines = static_cast<int>(std::count_if(
        legend_.begin(), legend_.end(), [](const QString& l) { return !l.isEmpty(); }));
    return lines == 0 ? 0 : QFontMetrics(LegendFont()).height() * lines + 12;
}

void PlanviewWidget::FitDrawing() {
    if (!item_) return;
    const QRectF box = item_->mapRectToScene(item_->boundingRect());
    // Room around the drawing, and a scene larger than the view so that the
    // user can pan past the edges.
    const double room = std::max(box.width(), box.height());
    scene()->setSceneRect(box.adjusted(-10 * room, -10 * room, 10 * room, 10 * room));
    resetTransform();
    QRectF framed = box.adjusted(-room * 0.04, -room * 0.04, room * 0.04, room * 0.04);
    // The legend takes the bottom of the view; the drawing fits above it.
    const int legend = LegendHeight(), height = viewport()->height();
    if (legend > 0 && legend < height / 2)
        framed.setBottom(framed.bottom() + framed.height() * legend / (height - legend));
    fitInView(framed, Qt::KeepAspectRatio);
    userZoomed_ = false;
}

void PlanviewWidget::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (!item_) return;
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0) return;
    const double factor = std::pow(1.2, steps);
    const double zoom = std::fabs(Zoom()) * factor;
    if (zoom < 1e-9 || zoom > 1e9) return;
    // The scene point under the cursor stays under the cursor.
    const QPoint at = event->position().toPoint();
    const QPointF before = mapToScene(at);
    scale(factor, factor);
    const QPointF center = mapToScene(viewport()->rect().center());
    centerOn(center + (before - mapToScene(at)));
    userZoomed_ = true;
}

void PlanviewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    FitDrawing();
    event->accept();
}

void PlanviewWidget::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    if (!userZoomed_) FitDrawing();
}

void PlanviewWidget::drawForeground(QPainter* painter, const QRectF&) {
    QStringList lines;
    for (const QString& l : legend_)
        if (!l.isEmpty()) lines << l;
    if (lines.isEmpty()) return;
    painter->save();
    painter->resetTransform();
    const QFont font = LegendFont();
    painter->setFont(font);
    const QFontMetrics fm(font);
    int width = 0;
    for (const QString& l : lines) width = std::max(width, fm.horizontalAdvance(l));
    const int pad = 4, lineHeight = fm.height();
    const QRect box(pad, viewport()->height() - pad - lineHeight * int(lines.size()) - 2 * pad,
                    width + 2 * pad, lineHeight * int(lines.size()) + 2 * pad);
    painter->fillRect(box, QColor(255, 255, 255, 220));
    painter->setPen(Qt::black);
    int y = box.top() + pad + fm.ascent();
    for (const QString& l : lines) {
        painter->drawText(box.left() + pad, y, l);
        y += lineHeight;
    }
    painter->restore();
}

namespace {

class Planview final : public PlanviewDlg {
public:
    Planview() : widget_(new PlanviewWidget(g_mainWindow)) { widget_->hide(); }

    void Release() override {
        delete widget_.data(); // null when the panel took it down already
        delete this;
    }

    void Attach(QWidget* panel) override {
        if (!widget_ || !panel) return;
        widget_->setParent(panel);
        widget_->setGeometry(panel->rect());
        panel->installEventFilter(&follower_);
        follower_.widget = widget_;
    }

    void Show(bool show) override {
        if (widget_) widget_->setVisible(show);
    }

    void Display(const QV_C_DataBase* database) override {
        if (!widget_) return;
        if (!database) return widget_->ClearPicture();
        const QStringList legend = widget_->Legend();
        widget_->SetPicture(*database->Picture());
        widget_->SetLegend(legend);
    }

    void Clear() override {
        if (widget_) widget_->ClearPicture();
    }

    void SetLegend(std::wstring t1, std::wstring t2, std::wstring t3, std::wstring t4,
                   std::wstring t5) override {
        if (!widget_) return;
        widget_->SetLegend({QString::fromStdWString(t1), QString::fromStdWString(t2),
                            QString::fromStdWString(t3), QString::fromStdWString(t4),
                            QString::fromStdWString(t5)});
    }

private:
    // Keeps the viewer as large as its panel.
    struct Follower : QObject {
        QPointer<PlanviewWidget> widget;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Resize && widget)
                widget->setGeometry(static_cast<QWidget*>(watched)->rect());
            return false;
        }
    };
    ~Planview() = default;
    QPointer<PlanviewWidget> widget_;
    Follower follower_;
};

} // namespace

void InitializePlanview(QWidget* mainWindow) {
    g_mainWindow = mainWindow;
}

PlanviewDlg* CreatePlanviewDlg() {
    return new Planview();
}
