// The glass row end to end: a click on the row opens the glass dialog, the
// user's choice reaches the row, the host's report and the record.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/mainform/form_fixture.h"
#include "tests/support/ui_driver.h"

namespace {

using namespace ui_driver;

TEST(GlasCommand, ChoosingAnotherGlassReportsSixThenOne) {
    UseServiceIn("");
    ChangeRecorder recorder;
    auto form = MakeForm(velmar_data(), &recorder);
    form->show();
    const int before = form->request.glassId;
    QString chosen;
    WhenModal([&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Verglasung wählen"));
        auto* glasses = Find<QListWidget>(d, "ListBox1");
        ASSERT_GE(glasses->count(), 2);
        const int row = glasses->currentRow() == 0 ? 1 : 0;
        chosen = glasses->item(row)->text();
        ClickRow(glasses, row);
        ClickByName(d, "Panel_2");
    });
    ClickByName(form.get(), "LGlasName");
    ASSERT_FALSE(recorder.codes.empty());
    EXPECT_EQ(recorder.codes.front(), 6);
    EXPECT_EQ(recorder.codes.back(), 1);
    for (std::size_t i = 0; i + 1 < recorder.codes.size(); ++i) EXPECT_EQ(recorder.codes[i], 6);
    EXPECT_LE(recorder.codes.size(), 4u) << "once per changed row, then 1";

    velmar_data data;
    form->GetData(data);
    EXPECT_NE(data.glas.nameId.id, before);
    EXPECT_TRUE(form->LGlasName->text().startsWith(chosen.left(10)) ||
                form->LGlasName->text().contains(chosen.left(10)));
    // The record holds the values as the dialog showed them.
    EXPECT_DOUBLE_EQ(data.glas.nameId.value1, std::round(data.glas.nameId.value1 * 10) / 10);
    EXPECT_DOUBLE_EQ(data.glas.nameId.value2, std::round(data.glas.nameId.value2 * 1000) / 1000);

    // Escape from the icon's dialog changes nothing and reports nothing.
    recorder.codes.clear();
    WhenModal([](QDialog* d) {
        ClickRow(Find<QListWidget>(d, "ListBox1"), 0);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    ClickByName(form.get(), "ImageGlas");
    EXPECT_TRUE(recorder.codes.empty());
    velmar_data unchanged;
    form->GetData(unchanged);
    EXPECT_EQ(unchanged.glas.nameId.id, data.glas.nameId.id);
}

} // namespace
