// The form over the reference service and its sample catalogue: taking a
// record over, showing it, feeding it and handing it back.

#include <gtest/gtest.h>

#include <QLabel>
#include <QRegularExpression>

#include "platform/os/locals.h"
#include "platform/os/message.h"
#include "tests/support/form_fixture.h"

namespace {

constexpr int kCladdingSeries = 10222; // offers aluminium cladding
constexpr int kOtherCladdingSeries = 8830;
constexpr int kPlainSeries = 8404; // offers none

class DataTest : public FormTest {
protected:
    os::MessageRecorder messages;
};

TEST_F(DataTest, CreationFillsEveryRowFromTheCatalogue) {
    Open();
    for (int row = 0; row < static_cast<int>(vm::FormRow::Roll); ++row)
        EXPECT_NE(form->state.ShownEntry(static_cast<vm::FormRow>(row)), nullptr) << row;
    // Every name label shows its entry; no box was chosen.
    for (const QLabel* name : form->findChildren<QLabel*>(QRegularExpression("^L.*Name$")))
        EXPECT_EQ(name->text() == QStringLiteral("-"), name == form->LRollName)
            << name->objectName().toStdString();
    // The first load shows no message and tells the host nothing.
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(DataTest, GetDataHandsBackTheShownRowsAndTheServicesUf) {
    velmar_data host;
    host.profile6.nameId.id = 777;
    host.profile8.nameId.name = u"carried";
    host.selection2.id = 55;
    host.zusatzartikel.items.resize(2);
    host.zusatzartikel.items[1].intValue3 = 9;
    host.text = u"Fenster Küche";
    Open(host);
    const int frameTag = form->LRahmenName->Tag;

    velmar_data out = host;
    out.ufValue = -1.0;
    form->GetData(out);

    const Materialdaten& r = form->state.request;
    EXPECT_EQ(out.farbe, r.colours.at(form->LFarbeName->Tag));
    EXPECT_EQ(out.rahmen, r.frames.at(form->LRahmenName->Tag));
    EXPECT_EQ(out.glasleisteF, r.beadsSashSide.at(form->LGlasleisteFName->Tag));
    EXPECT_EQ(out.glas.nameId.id, r.glasses.at(form->LGlasName->Tag).nameId.id);
    EXPECT_DOUBLE_EQ(out.glas.nameId.value1, form->state.ugValue);
    EXPECT_DOUBLE_EQ(out.glas.nameId.value2, 0.041); // none given: the default edge seal
    EXPECT_EQ(out.glas.intValue, 11);
    EXPECT_DOUBLE_EQ(out.systemValue, r.systems.at(form->LSystemName->Tag).value1);
    EXPECT_GT(out.ufValue, 0.0);

    // Members carried for host and service come back as the host had them.
    EXPECT_EQ(out.profile6, host.profile6);
    EXPECT_EQ(out.profile8, host.profile8);
    EXPECT_EQ(out.selection2, host.selection2);
    EXPECT_EQ(out.zusatzartikel, host.zusatzartikel);
    EXPECT_EQ(out.text, host.text);

    // Reading back changes no row and tells the host nothing.
    EXPECT_EQ(form->LRahmenName->Tag, frameTag);
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(DataTest, RecordsEdgeSealAndSpacerAreKept) {
    velmar_data host = RecordOfSeries(kCladdingSeries);
    host.glas.nameId.value2 = 0.035;
    host.glas.intValue = 4;
    const velmar_data out = DataOf(Open(host));
    EXPECT_DOUBLE_EQ(out.glas.nameId.value2, 0.035);
    EXPECT_EQ(out.glas.intValue, 4);
}

TEST_F(DataTest, StoredReinforcementsApplyOnlyToTheFirstLoad) {
    auto probe = MakeForm(RecordOfSeries(kCladdingSeries));
    velmar_artikel frame = probe->state.request.frames.at(probe->LRahmenName->Tag);
    const velmar_stahl serviceSteel = frame.steel1;
    probe.reset();

    velmar_data host = RecordOfSeries(kCladdingSeries);
    host.rahmen = frame;
    host.rahmen.steel1.nameId.id = 4242;
    host.rahmen.steel1.nameId.name = u"Sonderstahl";
    host.rahmen.steel2.nameId.id = 4343;
    Open(host);
    velmar_data out = DataOf(*form);
    EXPECT_EQ(out.rahmen.steel1.nameId.id, 4242);
    EXPECT_EQ(out.rahmen.steel2.nameId.id, 4343);

    // A later reload shows the service's candidate as it comes.
    form->UpdateData(vm::ReloadLevel::Articles, false, 0);
    form->GetData(out);
    EXPECT_EQ(out.rahmen.steel1, serviceSteel);

    // Taking the configuration over again re-applies the stored
    // reinforcements to whichever frame is current, also one whose number is
    // not the stored article's.
    ASSERT_GE(form->state.request.frames.size(), 2u);
    const int other = form->LRahmenName->Tag == 0 ? 1 : 0;
    form->state.shown[static_cast<std::size_t>(vm::FormRow::Rahmen)] = other;
    form->SetNewData(1, 0, true, 0.0, cfDefault, false, nullptr);
    form->GetData(out);
    EXPECT_EQ(out.rahmen.nameId.id, form->state.request.frames[other].nameId.id);
    EXPECT_EQ(out.rahmen.steel1.nameId.id, 4242);
}

// (A series that offers cladding keeps it: in the state's and the colour
// dialog's tests.)
TEST_F(DataTest, CladdingFlagGoesWithASeriesWithoutItAndTheSecondFlagStays) {
    velmar_data host = RecordOfSeries(kPlainSeries);
    host.option1 = true;
    host.option2 = true;
    Open(host);
    velmar_data out = host;
    form->GetData(out);
    EXPECT_FALSE(out.option1);
    EXPECT_TRUE(out.option2);
}

TEST_F(DataTest, NewDataWithoutRecordKeepsTheConfiguration) {
    Open(RecordOfSeries(kOtherCladdingSeries));
    const velmar_data before = DataOf(*form);
    form->SetNewData(5, 6, false, 2.5, static_cast<eCompForm>(3), true, nullptr);
    // The service hears the element from the next request on.
    EXPECT_EQ(form->state.request.elementCode, 5);
    EXPECT_EQ(form->state.request.elementSubcode, 6);
    EXPECT_TRUE(form->state.request.serviceFlag);
    EXPECT_EQ(DataOf(*form), before);
    EXPECT_TRUE(recorder.codes.empty());
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(DataTest, NewRecordIsShownAndTheSeriesChangeAnnounced) {
    Open(RecordOfSeries(kCladdingSeries));
    EXPECT_TRUE(messages.messages().empty()) << "no message on the first load";

    velmar_data next = RecordOfSeries(kPlainSeries);
    next.option1 = false;
    next.option2 = true;
    next.option3 = true;
    form->SetNewRC2(false);
    form->SetNewData(1, 0, true, 0.0, cfDefault, false, &next);
    EXPECT_EQ(form->state.request.systems.at(form->LSystemName->Tag).id, kPlainSeries);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].first, localText("IDS_SYSTEM_CHANGED"));
    EXPECT_EQ(messages.messages()[0].second, QStringLiteral("Warnung"));
    EXPECT_TRUE(recorder.codes.empty());

    // The instance's option flags win over the record's.
    velmar_data out = DataOf(*form);
    EXPECT_FALSE(out.option2);
    EXPECT_FALSE(out.option3);

    // The same series again: nothing to announce.
    form->SetNewData(1, 0, true, 0.0, cfDefault, false, &next);
    EXPECT_EQ(messages.messages().size(), 1u);
}

TEST_F(DataTest, DoorElementAfterAnotherElementStartsWithTheDefaultFrame) {
    // A frame of the series that is not the service's preselection.
    const velmar_artikel other = [] {
        auto probe = MakeForm(RecordOfSeries(kCladdingSeries));
        return probe->state.request.frames.at(probe->LRahmenName->Tag == 0 ? 1 : 0);
    }();

    velmar_data host = RecordOfSeries(kCladdingSeries);
    host.rahmen = other;
    Open(host);
    form->SetNewData(1, 0, true, 0.0, cfDefault, false, nullptr);
    EXPECT_EQ(form->state.request.frames.at(form->LRahmenName->Tag).nameId.id, other.nameId.id);

    form->SetNewData(337, 0, true, 0.0, cfDefault, false, nullptr);
    EXPECT_TRUE(form->state.request.frames.at(form->LRahmenName->Tag).nameId.isDefault_);

    // Staying a door element keeps the frame.
    form->SetNewData(1, 0, true, 0.0, cfDefault, false, &host);
    form->SetNewData(1, 0, true, 0.0, cfDefault, false, nullptr);
    EXPECT_EQ(form->state.request.frames.at(form->LRahmenName->Tag).nameId.id, other.nameId.id);
}

TEST_F(DataTest, RollerShutterBoxShowsItsNameUnlessNotAllowed) {
    velmar_data host = RecordOfSeries(kCladdingSeries);
    host.rollkasten.box.id = 9279;
    host.rollkasten.box.name = u"Aufsatzkasten AK 175";
    Open(host);
    EXPECT_EQ(form->LRollName->text(), QStringLiteral("Aufsatzkasten AK 175 "));
    EXPECT_TRUE(form->state.request.rollerShutterBoxes.empty());

    auto denied = MakeForm(host, nullptr, 1, false);
    EXPECT_EQ(denied->state.rollkasten.box.id, 0);
    EXPECT_EQ(denied->LRollName->text(), QStringLiteral("-"));
}

TEST_F(DataTest, UnknownNumbersFallBackToThePreselection) {
    velmar_data host = RecordOfSeries(987654);
    host.rahmen.nameId.id = 1;
    host.farbe.id = 424242;
    Open(host);
    EXPECT_TRUE(form->state.request.systems.at(form->LSystemName->Tag).isDefault());
    EXPECT_TRUE(form->state.request.frames.at(form->LRahmenName->Tag).isDefault());
    EXPECT_TRUE(form->state.request.colours.at(form->LFarbeName->Tag).isDefault());
    // Number -2 shows nothing.
    EXPECT_FALSE(form->SetArtikelLabel(form->LRahmenName, form->state.request.frames, -2));
    EXPECT_EQ(form->LRahmenName->text(), QStringLiteral("-"));
    EXPECT_EQ(form->LRahmenName->Tag, -1);
}

} // namespace
