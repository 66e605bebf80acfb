// The roller-shutter row end to end, and the rule that keeps a box off the
// 100 mm frame.

#include <gtest/gtest.h>

#include <QTimer>

#include <algorithm>

#include "platform/os/message.h"
#include "tests/mainform/form_fixture.h"
#include "tests/support/ui_driver.h"

namespace {

using namespace ui_driver;

constexpr int kSeries82 = 10222;
constexpr int kFrame100 = 24004; // the series' 100 mm frame
constexpr int kBox = 9286;

// Only the box's code, then 1.
void ExpectBoxReport(const std::vector<int>& codes) {
    ASSERT_GE(codes.size(), 2u);
    EXPECT_EQ(codes.front(), 9);
    EXPECT_EQ(codes.back(), 1);
    EXPECT_TRUE(std::all_of(codes.begin(), codes.end() - 1, [](int c) { return c == 9; }));
}

// Counts the modal dialogs that show while it lives, and closes them.
class DialogWatch {
public:
    DialogWatch() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++opened;
                dialog->reject();
            }
        });
        timer_.start(10);
    }
    int opened = 0;

private:
    QTimer timer_;
};

TEST(RollCommand, ChoosingABoxReportsNineThenOne) {
    UseServiceIn("");
    ChangeRecorder recorder;
    auto form = MakeForm(velmar_data(), &recorder);
    form->show();
    WhenModal([](QDialog* d) {
        ClickItem(Find<QListWidget>(d, "ListBox1"), QStringLiteral("Aufsatzkasten"));
        ClickItem(Find<QListWidget>(d, "ListBox2"), QStringLiteral("Aufsatzkasten AK 245"));
        ClickByName(d, "Panel_2");
    });
    ClickByName(form.get(), "ImageRoll");
    ExpectBoxReport(recorder.codes);
    velmar_data data;
    form->GetData(data);
    EXPECT_EQ(data.rollkasten.box.id, kBox);
    EXPECT_TRUE(form->LRollName->text().startsWith(QStringLiteral("Aufsatzkasten AK 245")));

    // Cancel reports nothing.
    recorder.codes.clear();
    WhenModal([](QDialog* d) { ClickByName(d, "Panel_1"); });
    ClickByName(form.get(), "LRoll");
    EXPECT_TRUE(recorder.codes.empty());
    EXPECT_EQ(form->rollkasten.box.id, kBox);
}

class HundredMillimetreFrame : public ::testing::Test {
protected:
    void SetUp() override {
        UseServiceIn("");
        data.system.id = kSeries82;
        data.rollkasten.box.id = kBox;
        data.rollkasten.box.name = u"Aufsatzkasten AK 245";
    }
    velmar_data data;
    ChangeRecorder recorder;
    os::MessageRecorder messages;
};

TEST_F(HundredMillimetreFrame, BoxRowRemovesTheBoxAndNeverOpensTheDialog) {
    data.rahmen.nameId.id = kFrame100;
    auto form = MakeForm(data, &recorder);
    form->show();
    ASSERT_EQ(form->request.frameId, kFrame100);
    DialogWatch watch;
    ClickByName(form.get(), "LRollName");
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].first,
              QStringLiteral("RK - ist in Kombination mit 100er Rahmen nicht möglich!"));
    EXPECT_EQ(messages.messages()[0].second, QStringLiteral("Achtung"));
    EXPECT_EQ(form->rollkasten.box.id, 0);
    EXPECT_EQ(form->LRollName->text(), QStringLiteral("-"));
    ExpectBoxReport(recorder.codes);

    // Without a box the row still only warns.
    recorder.codes.clear();
    ClickByName(form.get(), "LRoll");
    EXPECT_EQ(messages.messages().size(), 2u);
    EXPECT_TRUE(recorder.codes.empty());
    EXPECT_EQ(watch.opened, 0);
}

TEST_F(HundredMillimetreFrame, FrameChosenWithABoxWarnsOnceAndRemovesIt) {
    auto form = MakeForm(data, &recorder);
    ASSERT_NE(form->request.frameId, kFrame100);
    ASSERT_FALSE(form->CheckRollkastenRahmen());
    // What the frame's choice does before its rule runs.
    form->SetArtikelLabel(form->LRahmenName, form->request.frames, kFrame100);
    form->UpdateData(60, false, 0);
    form->RemoveRollkastenIfInvalid();
    EXPECT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(form->rollkasten.box.id, 0);
    ExpectBoxReport(recorder.codes);
    velmar_data out;
    form->GetData(out);
    EXPECT_EQ(out.rahmen.nameId.id, kFrame100) << "the frame stays chosen";
    EXPECT_EQ(out.rollkasten.box.id, 0);
}

} // namespace
