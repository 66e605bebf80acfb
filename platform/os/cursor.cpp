#include "platform/os/cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace os {

HourglassCursor::HourglassCursor() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    shown_ = true;
}

HourglassCursor::~HourglassCursor() {
    // The application may have ended inside the guarded call.
    if (shown_ && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::restoreOverrideCursor();
}

} // namespace os
