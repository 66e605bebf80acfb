#include "mainform/row_widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace vm {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setMargin(0);
    setIndent(0);
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// A click is a left press and release over the label, like a push button.
void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_;
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    emit mouseMoved();
}

QPixmap DrawRowIcon(FormRow kind) {
    QPixmap pixmap(13, 13);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QColor grey(0x66, 0x66, 0x66);
    const QColor light(0xb8, 0xb8, 0xb8);
    p.setPen(QPen(grey, 1));
    p.setBrush(Qt::NoBrush);
    switch (kind) {
    case FormRow::System: // stacked profile layers
        p.drawRect(1, 1, 10, 2);
        p.drawRect(1, 5, 10, 2);
        p.drawRect(1, 9, 10, 2);
        break;
    case FormRow::Farbe: // colour swatches
        p.fillRect(1, 1, 5, 5, QColor(0xc0, 0x50, 0x40));
        p.fillRect(7, 1, 5, 5, QColor(0x50, 0x80, 0xc0));
        p.fillRect(1, 7, 5, 5, QColor(0x60, 0xa0, 0x50));
        p.fillRect(7, 7, 5, 5, QColor(0xd0, 0xb0, 0x40));
        break;
    case FormRow::Rahmen: // a frame
        p.drawRect(0, 0, 12, 12);
        p.drawRect(2, 2, 8, 8);
        break;
    case FormRow::Fluegel: // a sash inside its frame
        p.drawRect(0, 0, 12, 12);
        p.setBrush(light);
        p.drawRect(3, 3, 6, 6);
        break;
    case FormRow::Pfosten: // a frame split by a mullion
        p.drawRect(0, 0, 12, 12);
        p.fillRect(5, 1, 3, 11, grey);
        break;
    case FormRow::Stulp: // two sashes meeting at the astragal
        p.drawRect(0, 0, 12, 12);
        p.drawRect(2, 2, 3, 8);
        p.drawRect(7, 2, 3, 8);
        p.drawLine(6, 1, 6, 11);
        break;
    case FormRow::Glas: // a pane with reflections
        p.setBrush(QColor(0xd8, 0xe8, 0xf4));
        p.drawRect(1, 1, 10, 10);
        p.drawLine(3, 8, 8, 3);
        p.drawLine(6, 9, 9, 6);
        break;
    case FormRow::GlasleisteR: // a bead on the frame side
    case FormRow::GlasleisteF: // a bead on the sash side
        p.drawRect(0, 0, 12, 12);
        p.fillRect(kind == FormRow::GlasleisteR ? 1 : 8, 1, 4, 11, light);
        p.drawLine(kind == FormRow::GlasleisteR ? 5 : 7, 1, kind == FormRow::GlasleisteR ? 5 : 7,
                   11);
        break;
    case FormRow::KopplungSenk: // two elements side by side
        p.drawRect(0, 0, 5, 12);
        p.drawRect(7, 0, 5, 12);
        break;
    case FormRow::KopplungWaag: // two elements one above the other
        p.drawRect(0, 0, 12, 5);
        p.drawRect(0, 7, 12, 5);
        break;
    case FormRow::Roll: // box above the shutter slats
        p.setBrush(light);
        p.drawRect(0, 0, 12, 4);
        p.drawLine(1, 7, 11, 7);
        p.drawLine(1, 9, 11, 9);
        p.drawLine(1, 11, 11, 11);
        break;
    }
    return pixmap;
}

} // namespace vm
