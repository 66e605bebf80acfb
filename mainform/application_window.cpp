#include "mainform/application_window.h"

#include <QPointer>
#include <QWidget>

namespace vm {

namespace {
QPointer<QWidget>& Stored() {
    static QPointer<QWidget> window;
    return window;
}
} // namespace

QWidget* ApplicationWindow() {
    return Stored().data();
}

void SetApplicationWindow(QWidget* window) {
    Stored() = window;
}

} // namespace vm
