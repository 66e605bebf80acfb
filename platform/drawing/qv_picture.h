// A drawing database prepared for painting: the visible entities, blocks
// expanded, as painter paths and text runs in drawing units (y up). Built
// once per display; painting it again at any zoom costs no parsing.
#pragma once

#include "platform/drawing/qv_database.h"

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <vector>

class QV_DrawingPicture {
public:
    QV_DrawingPicture() = default;
    explicit QV_DrawingPicture(const QV_C_DataBase& database);

    bool IsEmpty() const { return items_.empty(); }
    // Drawing units, y up; empty for an empty picture.
    QRectF Bounds() const { return bounds_; }
    QColor Background() const { return background_; }
    QString LegendFont() const { return legendFont_; }
    int LegendSize() const { return legendSize_; }
    // Elements left out because the drawing exceeded the init file's limits.
    std::size_t Dropped() const { return dropped_; }

    // Paints with the painter's transform taken as drawing units -> device.
    void Paint(QPainter& painter) const;
    // Maps drawing units (y up) into `target` (y down), keeping the aspect
    // ratio with a margin of `margin` (fraction of the target) on each side.
    static QTransform FitTransform(const QRectF& bounds, const QRectF& target,
                                   double margin = 0.04);

    struct Item {
        enum class Kind { Stroke, Fill, ClippedStroke, Text } kind = Kind::Stroke;
        QPainterPath path; // Stroke, Fill: the shape; ClippedStroke: the lines
        QPainterPath clip; // ClippedStroke: the hatch boundary
        QColor color;
        double width = 1;     // pixels
        QString text;         // Text
        QFont font;           // Text
        QPointF origin;       // Text: baseline start in text space
        QTransform transform; // Text: text space -> drawing units
    };
    const std::vector<Item>& Items() const { return items_; }

private:
    friend class QV_PictureBuilder;
    std::vector<Item> items_;
    QRectF bounds_;
    QColor background_ = Qt::white;
    QString legendFont_ = QString::fromStdString(DrawingSettings{}.legendFont);
    int legendSize_ = DrawingSettings{}.legendSize;
    std::size_t dropped_ = 0;
};
