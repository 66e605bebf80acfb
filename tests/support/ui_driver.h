// Driving widgets as a user does: find controls by object name, click list
// items and buttons, and act on a modal dialog while its exec() runs.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

namespace ui_driver {

// The child of `root` with this object name; fails the test when missing.
template <class W = QWidget> W* Find(const QObject* root, const char* name) {
    W* widget = root->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no control " << name;
    return widget;
}

// Left click in the middle of a widget.
inline void Click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

inline void ClickByName(const QObject* root, const char* name) {
    Click(Find(root, name));
}

// Click (or double click) on the list item with this text.
inline void ClickItem(QListWidget* list, const QString& text, bool doubleClick = false) {
    ASSERT_NE(list, nullptr);
    const auto items = list->findItems(text, Qt::MatchExactly);
    ASSERT_FALSE(items.isEmpty()) << "no item " << text.toStdString();
    list->scrollToItem(items.front());
    const QPoint at = list->visualItemRect(items.front()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (doubleClick) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}
inline void ClickRow(QListWidget* list, int row, bool doubleClick = false) {
    ASSERT_NE(list, nullptr);
    ASSERT_LT(row, list->count());
    ClickItem(list, list->item(row)->text(), doubleClick);
}

// Runs `act` on the next modal dialog as soon as it shows (polling, so that
// it works for dialogs opened inside a click handler). A dialog still open
// after `act` (or after 10 s without one) is rejected, so no test can hang.
inline void WhenModal(std::function<void(QDialog*)> act) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr && clock->elapsed() < 10000) return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (dialog == nullptr) {
            ADD_FAILURE() << "no modal dialog showed";
            return;
        }
        act(dialog);
        if (dialog->isVisible() && QApplication::activeModalWidget() == dialog) dialog->reject();
    });
    timer->start(10);
}

} // namespace ui_driver
