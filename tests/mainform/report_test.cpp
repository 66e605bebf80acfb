// What the form tells the host after a reload: which codes, in which order.

#include <gtest/gtest.h>

#include "tests/mainform/form_fixture.h"

namespace {

using Codes = std::vector<int>;

class ReportTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Open();
        ASSERT_TRUE(recorder.codes.empty()) << "creation never notifies";
    }
};

TEST_F(ReportTest, ChangedNumberReportsItsRowThenTheSummary) {
    // A frame the new list does not hold gives way to the list's default.
    form->LRahmenName->Tag = -1;
    form->request.frameId = 123456789;
    form->UpdateData(50, true, 0);
    EXPECT_EQ(recorder.codes, (Codes{2, 1}));
    EXPECT_GE(form->LRahmenName->Tag, 0);
}

TEST_F(ReportTest, UserChoiceReportsTheRowEvenWhenUnchanged) {
    form->userChoice[TForm1::ucRahmen] = true;
    form->UpdateData(100, true, 0);
    EXPECT_EQ(recorder.codes, (Codes{2, 1}));

    // The flags are gone after the report.
    recorder.codes.clear();
    form->UpdateData(100, true, 0);
    EXPECT_EQ(recorder.codes, Codes{});
}

TEST_F(ReportTest, RowsAreReportedInTheirFixedOrder) {
    form->userChoice[TForm1::ucFarbe] = true;
    form->userChoice[TForm1::ucGlasleisteF] = true;
    form->userChoice[TForm1::ucKopplungWaag] = true;
    form->userChoice[TForm1::ucGlas] = true;
    form->userChoice[TForm1::ucStulp] = true;
    form->userChoice[TForm1::ucRahmen] = true;
    form->userChoice[TForm1::ucGlasleisteR] = true;
    form->UpdateData(100, true, 0);
    // The glass and both beads send a 6 each.
    EXPECT_EQ(recorder.codes, (Codes{2, 5, 6, 6, 6, 8, 10, 1}));
}

TEST_F(ReportTest, LevelNinetyAlwaysReportsTheBox) {
    form->UpdateData(90, true, 0);
    EXPECT_EQ(recorder.codes, (Codes{9, 1}));

    // A box that goes away is reported by its row as well.
    recorder.codes.clear();
    form->rollkasten.box.id = 9279;
    form->rollerShutterAllowed = false;
    form->UpdateData(90, true, 0);
    EXPECT_EQ(form->rollkasten.box.id, 0);
    EXPECT_EQ(recorder.codes, (Codes{9, 9, 1}));
}

TEST_F(ReportTest, SystemChangeIsReportedAlone) {
    form->userChoice[TForm1::ucSystemChanged] = true;
    form->userChoice[TForm1::ucRahmen] = true;
    form->LRahmenName->Tag = -1;
    form->request.frameId = 123456789;
    form->UpdateData(45, true, 0);
    EXPECT_EQ(recorder.codes, Codes{11});
    for (bool flag : form->userChoice) EXPECT_FALSE(flag);
}

TEST_F(ReportTest, WithoutNotifyNothingIsSentAndFlagsAreCleared) {
    form->userChoice[TForm1::ucRahmen] = true;
    form->userChoice[TForm1::ucSystemChanged] = true;
    form->UpdateData(40, false, 0);
    EXPECT_EQ(recorder.codes, Codes{});
    for (bool flag : form->userChoice) EXPECT_FALSE(flag);
}

TEST_F(ReportTest, NothingChangedNothingSent) {
    form->UpdateData(40, true, 0);
    EXPECT_EQ(recorder.codes, Codes{});
}

} // namespace
