// The numeric key filter and the dialog base, typed into and clicked as a
// user does.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "tests/support/ui_driver.h"
#include "ui/key_filter.h"
#include "ui/selection_dialog.h"

namespace {

TEST(NumericKeyFilter, KeepsOnlyANumberWithOnePoint) {
    QLineEdit edit;
    vm::InstallNumericKeyFilter(&edit);
    QTest::keyClicks(&edit, QStringLiteral("12a,5.7x-"));
    EXPECT_EQ(edit.text(), QStringLiteral("12.57"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClicks(&edit, QStringLiteral("9"));
    EXPECT_EQ(edit.text(), QStringLiteral("912.5"));
    edit.clear();
    QTest::keyClicks(&edit, QStringLiteral(",,3"));
    EXPECT_EQ(edit.text(), QStringLiteral(".3"));
}

// A dialog with one list and OK/Abbrechen; OK stores the chosen row.
class Probe : public vm::SelectionDialog {
public:
    Probe()
        : SelectionDialog(nullptr, QStringLiteral("ProbeForm"), QStringLiteral("Probe"), 300, 200) {
        list = AddListBox("ListBox1", 8, 8, 200, 100);
        list->addItems({QStringLiteral("a"), QStringLiteral("b")});
        Panel_2->move(130, 170);
        Panel_1->move(215, 170);
        Anchor({Panel_2, Panel_1}, MoveDown | MoveRight);
    }
    int chosen = -1;

protected:
    void Panel_2Click() override {
        chosen = list->currentRow();
        SelectionDialog::Panel_2Click();
    }

public:
    QListWidget* list;
};

// Escape is driven in the tests of the dialogs that the queries open.
TEST(SelectionDialog, OkStoresCancelDoesNotReturnDoesNothing) {
    Probe ok, cancelled;
    ui_driver::WhenModal([&](QDialog*) {
        ui_driver::ClickRow(ok.list, 1);
        QTest::keyClick(ok.list, Qt::Key_Return); // no default button
        EXPECT_TRUE(ok.isVisible());
        ui_driver::ClickByName(&ok, "Panel_2");
    });
    ok.exec();
    EXPECT_TRUE(ok.accepted);
    EXPECT_EQ(ok.chosen, 1);
    ui_driver::WhenModal([&](QDialog*) { ui_driver::ClickByName(&cancelled, "Panel_1"); });
    cancelled.exec();
    EXPECT_FALSE(cancelled.accepted);
}

TEST(SelectionDialog, ButtonsKeepTheirDistanceFromTheBottomRightCorner) {
    Probe dialog;
    dialog.show();
    dialog.resize(400, 260);
    const auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("Panel_2"));
    EXPECT_EQ(ok->pos(), QPoint(230, 230));
    EXPECT_EQ(dialog.findChild<QWidget*>(QStringLiteral("ClientPanel"))->size(), QSize(400, 260));
}

// Controls of different dialogs share one palette, or the style's pixmap
// cache grows with every dialog opened; a new application palette is
// followed by the next dialog.
TEST(SelectionDialog, DialogsShareOneWhitePaletteThatFollowsTheApplication) {
    const QPalette before = QApplication::palette();
    {
        Probe first, second;
        EXPECT_EQ(first.list->palette().cacheKey(), second.list->palette().cacheKey());
        const auto* panel = second.findChild<QWidget*>(QStringLiteral("ClientPanel"));
        EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(Qt::white));
    }
    QPalette yellow = before;
    yellow.setColor(QPalette::Base, Qt::yellow);
    QApplication::setPalette(yellow);
    {
        Probe later;
        EXPECT_EQ(later.list->palette().color(QPalette::Base), QColor(Qt::yellow));
        EXPECT_EQ(later.palette().color(QPalette::Window), QColor(Qt::white));
    }
    QApplication::setPalette(before);
}

} // namespace
