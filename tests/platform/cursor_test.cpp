#include "platform/os/cursor.h"

#include <QCursor>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

Qt::CursorShape shownShape() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

TEST(HourglassCursor, ShowsTheHourglassAndRestoresThePreviousCursorOnEveryExit) {
    int argc = 1;
    char name[] = "platform_test";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    {
        os::HourglassCursor outer;
        EXPECT_EQ(shownShape(), Qt::WaitCursor);
        {
            os::HourglassCursor nested;
            EXPECT_EQ(shownShape(), Qt::WaitCursor);
        }
        EXPECT_EQ(shownShape(), Qt::WaitCursor);
    }
    EXPECT_EQ(shownShape(), Qt::CrossCursor);

    try {
        os::HourglassCursor guard;
        throw std::runtime_error("service failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(shownShape(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
