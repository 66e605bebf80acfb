// What the form tells the host after a reload: which codes, in which order.

#include <gtest/gtest.h>

#include "tests/support/form_fixture.h"

namespace {

using Codes = std::vector<int>;

TEST_F(FormTest, ReloadReportsTheChangedRowsInTheirFixedOrderThenTheSummary) {
    using C = TForm1::UserChoice;
    // The glass and both beads send a 6 each.
    const std::vector<C> all = {TForm1::ucFarbe,      TForm1::ucGlasleisteF, TForm1::ucKopplungWaag,
                                TForm1::ucGlas,       TForm1::ucStulp,       TForm1::ucRahmen,
                                TForm1::ucGlasleisteR};
    const struct {
        std::vector<C> chosen;
        bool frameGone; // the row's frame is not in the new list: it takes the default
        int level;
        bool notify;
        Codes codes;
    } cases[] = {
        {{}, false, 40, true, {}},                          // nothing changed
        {{}, true, 50, true, {2, 1}},                       // a number changed
        {{TForm1::ucRahmen}, false, 100, true, {2, 1}},     // a choice, even when unchanged
        {all, false, 100, true, {2, 5, 6, 6, 6, 8, 10, 1}}, // the rows in their fixed order
        {{}, false, 90, true, {9, 1}},                      // level ninety always reports the box
        {{TForm1::ucSystemChanged, TForm1::ucRahmen}, true, 45, true, {11}}, // a series alone
        {{TForm1::ucRahmen, TForm1::ucSystemChanged}, false, 40, false, {}}, // no notify
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        Open();
        ASSERT_TRUE(recorder.codes.empty()) << "creation never notifies";
        for (C choice : c.chosen) form->userChoice[choice] = true;
        if (c.frameGone) {
            form->LRahmenName->Tag = -1;
            form->request.frameId = 123456789;
        }
        form->UpdateData(c.level, c.notify, 0);
        EXPECT_EQ(recorder.codes, c.codes);
        EXPECT_TRUE(!c.frameGone || form->LRahmenName->Tag >= 0);
        // The flags are gone after the reload: the next one reports nothing.
        for (bool flag : form->userChoice) EXPECT_FALSE(flag);
        recorder.codes.clear();
        form->UpdateData(100, true, 0);
        EXPECT_EQ(recorder.codes, Codes{});
    }
}

TEST_F(FormTest, ABoxThatGoesAwayIsReportedByItsRowAsWell) {
    Open();
    form->rollkasten.box.id = 9279;
    form->rollerShutterAllowed = false;
    form->UpdateData(90, true, 0);
    EXPECT_EQ(form->rollkasten.box.id, 0);
    EXPECT_EQ(recorder.codes, (Codes{9, 9, 1}));
}

} // namespace
