// The list helpers the form and the dialogs share.

#include <gtest/gtest.h>

#include <QListWidget>

#include <cmath>
#include <limits>

#include "ui/list_helpers.h"

namespace {

velmar_nameid Entry(int id, const char16_t* name, bool isDefault = false) {
    velmar_nameid entry;
    entry.id = id;
    entry.name = name;
    entry.isDefault_ = isDefault;
    return entry;
}

TEST(ListHelpers, ItemsMapToTheirEntriesByIndexNotByPosition) {
    QListWidget box;
    const std::vector<velmar_nameid> list = {Entry(5, u"fünf"), Entry(6, u"sechs", true),
                                             Entry(7, u"sieben")};
    box.addItem(QStringLiteral("old"));
    vm::FillEntryList(&box, list);
    ASSERT_EQ(box.count(), 3);
    EXPECT_EQ(box.item(0)->text(), QStringLiteral("fünf"));
    EXPECT_EQ(vm::EntryIndexOf(box.item(2)), 2);

    EXPECT_TRUE(vm::SelectEntryById(&box, list, 7));
    EXPECT_EQ(box.selectedItems().value(0), box.item(2));
    // Unknown id: the default entry, still a success.
    EXPECT_TRUE(vm::SelectEntryById(&box, list, 99));
    EXPECT_EQ(box.selectedItems().value(0), box.item(1));

    // Sorted differently, the lookup still goes through the entry index.
    box.sortItems(Qt::DescendingOrder); // sieben, sechs, fünf
    EXPECT_TRUE(vm::SelectEntryById(&box, list, 5));
    EXPECT_EQ(box.selectedItems().value(0)->text(), QStringLiteral("fünf"));

    // Items whose index lies outside the list are skipped; without id and
    // default the first item is selected and the answer is false.
    const std::vector<velmar_nameid> shorter = {Entry(5, u"fünf")};
    EXPECT_FALSE(vm::SelectEntryById(&box, shorter, 7));
    EXPECT_EQ(box.currentRow(), 0);

    QListWidget empty;
    EXPECT_FALSE(vm::SelectEntryById(&empty, list, 5));
    EXPECT_FALSE(vm::SelectEntryById(static_cast<QListWidget*>(nullptr), list, 5));
}

TEST(ListHelpers, ReinforcementListsLineUpAtATabStop) {
    QListWidget box;
    velmar_stahl steel;
    steel.nameId = Entry(31001, u"Stahl U 30\tST 30.201");
    vm::FillEntryList(&box, std::vector<velmar_stahl>{steel});
    ASSERT_EQ(box.count(), 1);
    EXPECT_EQ(box.item(0)->text(), QStringLiteral("Stahl U 30\tST 30.201"));
    // The tab is drawn as a stop: the detail starts at the same place for a
    // short and a long name.
    box.resize(500, 60);
    auto detailStart = [&](const QString& text) {
        box.item(0)->setText(text);
        const QImage image = box.grab().toImage();
        for (int x = image.width() - 1; x >= 0; --x)
            for (int y = 0; y < 18; ++y)
                if (qGray(image.pixel(x, y)) < 128) return x;
        return -1;
    };
    const int shortName = detailStart(QStringLiteral("U\tX"));
    const int longName = detailStart(QStringLiteral("Stahl U 30\tX"));
    EXPECT_GT(shortName, 200);
    EXPECT_EQ(shortName, longName);
}

TEST(ListHelpers, NumbersInFixedNotation) {
    EXPECT_EQ(vm::FormatFixed(1.5, 2), QStringLiteral("1.50"));
    EXPECT_EQ(vm::FormatFixed(-0.041, 3), QStringLiteral("-0.041"));
    EXPECT_EQ(vm::FormatFixed(2.0, 0), QStringLiteral("2"));
    EXPECT_EQ(vm::FormatFixed(1.0 / 3.0, -1), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(vm::FormatFixed(std::numeric_limits<double>::quiet_NaN(), 2), QStringLiteral("0.00"));
    EXPECT_EQ(vm::FormatFixed(1e300, 2).left(4), QStringLiteral("1000"));

    EXPECT_DOUBLE_EQ(vm::ParseNumber(QStringLiteral("1.50")), 1.5);
    EXPECT_DOUBLE_EQ(vm::ParseNumber(QStringLiteral(" 0,041 ")), 0.041);
    EXPECT_DOUBLE_EQ(vm::ParseNumber(QStringLiteral("-2")), -2.0);
    for (const char* bad : {"", "abc", "1.2.3", "1,5x", "nan", "inf", "--1"})
        EXPECT_DOUBLE_EQ(vm::ParseNumber(QString::fromLatin1(bad)), 0.0) << bad;
    for (double value : {0.0, 0.07, 1234.5678, -0.5, 1e-9})
        EXPECT_DOUBLE_EQ(vm::ParseNumber(vm::FormatFixed(value, -1)), value);
}

} // namespace
