// The demo host as a host developer uses it: typing sizes, setting the third
// option flag and reading the record back, two instances side by side, and
// the window at its minimum size.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTest>

#include "host/host_window.h"
#include "tests/support/ui_driver.h"

namespace {

using ui_driver::Find;

class HostWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "host_window_test";
        static char* argv[] = {name, nullptr};
        // Never destroyed: the component's own statics outlive the test.
        if (QApplication::instance() == nullptr) new QApplication(argc, argv);
        vm_loadDatabase("", "", "", "", 0);
    }
    void SetUp() override { window.show(); }
    HostWindow window{velmar_data()};
};

TEST_F(HostWindowTest, SizesTakeADecimalCommaOrPoint) {
    auto* width = Find<QDoubleSpinBox>(&window, "width");
    for (const char* typed : {"2150,5", "2150.5"}) {
        width->selectAll();
        QTest::keyClicks(width, QString::fromLatin1(typed));
        QTest::keyClick(width, Qt::Key_Return);
        EXPECT_DOUBLE_EQ(width->value(), 2150.5) << typed;
    }
}

// Each instance keeps its own flags: option 3 set on the second one reaches
// its record at the next read back, and the first one's stays unset.
TEST_F(HostWindowTest, TwoInstancesSideBySideKeepTheirOwnRecords) {
    HostWindow two(velmar_data(), 2);
    two.show();
    auto* choice = Find<QComboBox>(&two, "instance");
    ASSERT_EQ(choice->count(), 2);
    void* first = two.instance();
    choice->setCurrentIndex(1);
    ASSERT_NE(two.instance(), first);
    ASSERT_NE(two.instance(), nullptr);
    Find<QCheckBox>(&two, "rc2")->click();
    QTest::mouseClick(Find<QPushButton>(&two, "readBack"), Qt::LeftButton);
    EXPECT_TRUE(two.currentRecord().option3);
    EXPECT_TRUE(Find<QPlainTextEdit>(&two, "log")->toPlainText().contains("vm_getdata: Uf"));
    choice->setCurrentIndex(0);
    EXPECT_FALSE(two.currentRecord().option3);
    EXPECT_GT(two.currentRecord().system.id, 0);
}

// At its minimum size the window fits a 1280 x 720 screen and every control
// of the side panel can still be scrolled to and used.
TEST_F(HostWindowTest, UsableAtItsMinimumSize) {
    const QSize minimum = window.minimumSizeHint();
    EXPECT_LE(minimum.width(), 1280);
    EXPECT_LE(minimum.height(), 720);
    window.resize(minimum);
    QApplication::processEvents();
    auto* scroll = window.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    auto* create = Find<QPushButton>(&window, "recreate");
    scroll->ensureWidgetVisible(create);
    QApplication::processEvents();
    EXPECT_FALSE(create->visibleRegion().isEmpty());
    QTest::mouseClick(create, Qt::LeftButton);
    EXPECT_NE(window.instance(), nullptr);
    EXPECT_TRUE(Find<QPlainTextEdit>(&window, "log")->toPlainText().contains("vm_create again"));
}

// Every entry of the Queries menu runs against the sample catalogue and
// logs what it got; the dialogs that some of them open are cancelled.
TEST_F(HostWindowTest, EveryQueryRunsAndLogsItsAnswer) {
    auto* log = Find<QPlainTextEdit>(&window, "log");
    const QList<QAction*> actions =
        window.findChildren<QAction*>(QRegularExpression(QStringLiteral("^query")));
    EXPECT_FALSE(actions.isEmpty());
    const QStringList withDialog{"queryAccessories", "queryGlazingBar",        "querySection",
                                 "queryChangeFrame", "queryChangeFrameOfType", "queryChangeGlass"};
    for (QAction* action : actions) {
        SCOPED_TRACE(action->objectName().toStdString());
        const auto before = log->toPlainText().size();
        if (withDialog.contains(action->objectName())) ui_driver::WhenModal([](QDialog*) {});
        action->trigger();
        EXPECT_GT(log->toPlainText().size(), before);
    }
    const QString text = log->toPlainText();
    for (const char* answer : {"vm_getCut: drawn", "vm_getAccessoryForCut: cancelled",
                               "vm_changeGlas: cancelled", "curtain size fits"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(answer))) << answer << "\n"
                                                              << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("vm_getUfForCut: -1")));
}

// A user in the demo host: a click on the frame row opens the article
// dialog, the second frame with OK reaches the log as the row's change code
// and the record read back.
TEST_F(HostWindowTest, FrameChosenInTheRowReachesTheRecord) {
    const int before = window.currentRecord().rahmen.nameId.id;
    QString chosen;
    ui_driver::WhenModal([&](QDialog* dialog) {
        auto* list = Find<QListWidget>(dialog, "ListBox1");
        ui_driver::ClickRow(list, 1);
        chosen = list->item(1)->text();
        ui_driver::ClickByName(dialog, "Panel_2");
    });
    ui_driver::ClickByName(&window, "LRahmenName");
    const QString log = Find<QPlainTextEdit>(&window, "log")->toPlainText();
    EXPECT_TRUE(log.contains(QStringLiteral("%1  Rahmen").arg(ccRahmen, 2))) << log.toStdString();
    QTest::mouseClick(Find<QPushButton>(&window, "readBack"), Qt::LeftButton);
    const velmar_data after = window.currentRecord();
    EXPECT_NE(after.rahmen.nameId.id, before);
    EXPECT_EQ(QString::fromStdU16String(after.rahmen.nameId.name), chosen);
}

} // namespace
