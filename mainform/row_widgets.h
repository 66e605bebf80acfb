#pragma once
// Small controls of the main form's rows: labels that act as buttons and
// show the index of their row's entry in their Tag, and the rows' 13 x 13
// icons.

#include <QLabel>
#include <QPixmap>

#include "mainform/form_state.h"

namespace vm {

// A label the user can click. A name label's Tag shows the index, in the
// row's candidate list, of the entry shown (-1: nothing shown); the form's
// state holds that index, the form copies it here when it shows the row.
// Caption labels and icons keep -1 for good.
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

// 13 x 13 icon with a transparent background, drawn in the rows' grey.
QPixmap DrawRowIcon(FormRow row);

} // namespace vm
