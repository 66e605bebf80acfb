#pragma once
// Small controls of the main form's rows: labels that act as buttons and keep
// an index in their Tag, and the rows' 13 x 13 icons.

#include <QLabel>
#include <QPixmap>

namespace vm {

// A label the user can click. Tag keeps the index, in the row's candidate
// list, of the entry shown (-1: nothing shown); caption labels and icons keep
// -1 for good.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

    int Tag = -1;

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// What a row's icon shows.
enum class RowIcon {
    System,
    Farbe,
    Rahmen,
    Fluegel,
    Pfosten,
    Stulp,
    Glas,
    GlasleisteR,
    GlasleisteF,
    KopplungSenk,
    KopplungWaag,
    Roll
};

// 13 x 13 icon with a transparent background, drawn in the rows' grey.
QPixmap DrawRowIcon(RowIcon kind);

} // namespace vm
