// What the form tells the host after a reload: which codes, in which order.

#include <gtest/gtest.h>

#include "tests/support/form_fixture.h"

namespace {

using Codes = std::vector<int>;

TEST_F(FormTest, ReloadReportsTheChangedRowsInTheirFixedOrderThenTheSummary) {
    using C = TForm1::UserChoice;
    using L = vm::ReloadLevel;
    // The glass and both beads send a 6 each.
    const std::vector<C> all = {TForm1::ucFarbe,      TForm1::ucGlasleisteF, TForm1::ucKopplungWaag,
                                TForm1::ucGlas,       TForm1::ucStulp,       TForm1::ucRahmen,
                                TForm1::ucGlasleisteR};
    const struct {
        std::vector<C> chosen;
        bool frameGone; // the row's frame is not in the new list: it takes the default
        vm::ReloadLevel level;
        bool notify;
        Codes codes;
    } cases[] = {
        {{}, true, L::Articles, true, {2, 1}},                  // a number changed
        {{TForm1::ucRahmen}, false, L::None, true, {2, 1}},     // a choice, even when unchanged
        {all, false, L::None, true, {2, 5, 6, 6, 6, 8, 10, 1}}, // the rows in their fixed order
        {{TForm1::ucSystemChanged, TForm1::ucRahmen},
         true,
         L::Colours,
         true,
         {11}}, // a series alone
        {{TForm1::ucRahmen, TForm1::ucSystemChanged}, false, L::Series, false, {}}, // no notify
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        Open();
        ASSERT_TRUE(recorder.codes.empty()) << "creation never notifies";
        for (C choice : c.chosen) form->state.userChoice[choice] = true;
        if (c.frameGone) {
            form->state.shown[static_cast<std::size_t>(vm::FormRow::Rahmen)] = -1;
            form->state.request.frameId = 123456789;
        }
        form->UpdateData(c.level, c.notify, 0);
        EXPECT_EQ(recorder.codes, c.codes);
        EXPECT_TRUE(!c.frameGone || form->LRahmenName->Tag >= 0);
        // The flags are gone after the reload: the next one reports nothing.
        for (bool flag : form->state.userChoice) EXPECT_FALSE(flag);
        recorder.codes.clear();
        form->UpdateData(vm::ReloadLevel::None, true, 0);
        EXPECT_EQ(recorder.codes, Codes{});
    }
}

TEST_F(FormTest, ABoxThatGoesAwayIsReportedByItsRowAsWell) {
    Open();
    form->state.rollkasten.box.id = 9279;
    form->state.rollerShutterAllowed = false;
    form->UpdateData(vm::ReloadLevel::Box, true, 0);
    EXPECT_EQ(form->state.rollkasten.box.id, 0);
    EXPECT_EQ(recorder.codes, (Codes{9, 9, 1}));
}

} // namespace
