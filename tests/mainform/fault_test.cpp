// The form against a service that fails: entry points without an answer,
// answers that carry nothing but their own list, no service at all.

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "interface/velmar.h"
#include "platform/os/message.h"
#include "service/ks_api.h"
#include "service/service_client.h"
#include "tests/support/fake_kalksrv.h"
#include "tests/support/form_fixture.h"
#include "tests/support/requests.h"
#include "tests/support/ui_driver.h"

namespace {

Materialdaten LastRequest(const FakeState& state, const char* entry) {
    Materialdaten m;
    const auto& bytes = state.lastRequest[EntryIndex(entry)];
    if (!bytes.empty() && m.parse(bytes.data(), static_cast<int>(bytes.size())) >= 0) m.read();
    return m;
}

class FaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Kept loaded by the test, so that its state outlives the form's
        // unloading of the service.
        library = dlopen(FAULT_SERVICE_DIR "/kalksrv.dll", RTLD_NOW);
        ASSERT_NE(library, nullptr) << dlerror();
        auto stateFn = reinterpret_cast<FakeStateFn>(dlsym(library, "fakeState"));
        ASSERT_NE(stateFn, nullptr);
        state = stateFn();
        *state = FakeState();
        state->answer = FakeAnswer::Catalogue;
        UseServiceIn(FAULT_SERVICE_DIR "/");
    }
    void TearDown() override {
        UseServiceIn("");
        if (library != nullptr) dlclose(library);
    }
    void Fail(const char* entry) { state->failing |= std::uint64_t(1) << EntryIndex(entry); }

    void* library = nullptr;
    FakeState* state = nullptr;
    os::MessageRecorder messages;
    ChangeRecorder recorder;
};

TEST_F(FaultTest, EmptyListShowsADashAndKeepsTheNumber) {
    Fail("_KS_getStulp");
    velmar_data host;
    host.stulp.nameId.id = 42;
    host.stulp.nameId.name = u"Stulp aus dem Auftrag";
    auto form = MakeForm(host, &recorder);
    EXPECT_EQ(form->LStulpName->text(), QStringLiteral("-"));
    EXPECT_EQ(form->LStulpName->Tag, -1);
    EXPECT_EQ(form->LRahmenName->text(), QStringLiteral("Rahmen 1"));

    // No number is read back from the empty row: the record's stays.
    form->ReadNumbersBack();
    EXPECT_EQ(form->state.request.astragalId, 42);
    velmar_data out = DataOf(*form);
    EXPECT_EQ(out.stulp, host.stulp);
    EXPECT_TRUE(messages.messages().empty()) << "an empty answer is silent";

    // When the service answers again, the next reload shows the held
    // number, which did not change.
    state->failing = 0;
    form->UpdateData(vm::ReloadLevel::Glass, true, 0);
    EXPECT_EQ(form->LStulpName->text(), QStringLiteral("Stulp 2"));
    EXPECT_EQ(recorder.codes, std::vector<int>{});
}

TEST_F(FaultTest, AnswersWithoutTheOtherListsLeaveTheRowsStanding) {
    state->bare = true;
    auto form = MakeForm();
    EXPECT_EQ(form->LSystemName->text(), QStringLiteral("Serie A"));
    EXPECT_EQ(form->LFarbeName->text(), QStringLiteral("Weiss"));
    EXPECT_EQ(form->LRahmenName->text(), QStringLiteral("Rahmen 1"));
    EXPECT_EQ(form->LKopplungWaagName->text(), QStringLiteral("Kopplung W1"));
    velmar_data out = DataOf(*form);
    EXPECT_EQ(out.system.id, 100);
    EXPECT_EQ(out.farbe.id, 1);
    EXPECT_EQ(out.rahmen.nameId.id, 11);
    EXPECT_EQ(out.glasleisteF.nameId.id, 71);
    EXPECT_DOUBLE_EQ(out.ufValue, 1.3);
}

TEST_F(FaultTest, RequestsCarryTheFormsNumbersAndExtraData) {
    velmar_data host;
    host.system.id = 200;
    host.rahmen.nameId.id = 12;
    host.glas.nameId.id = 52;
    host.glas.steel1.nameId.id = 7005;
    host.kopplungSenk.nameId.id = 82;
    host.glasleisteR.nameId.id = 62;
    host.option1 = true;
    host.option3 = true;
    auto form = MakeForm(host);

    const Materialdaten systems = LastRequest(*state, "_KS_getSystems");
    EXPECT_EQ(systems.hostKey1, 7);
    EXPECT_EQ(systems.hostKey2, 8);
    EXPECT_EQ(systems.requestKind, 2);
    EXPECT_EQ(systems.elementCode, 1);
    EXPECT_EQ(systems.systemId, 200);
    EXPECT_DOUBLE_EQ(systems.psiG, 0.041);
    EXPECT_DOUBLE_EQ(systems.firstDimension, 0.6);
    EXPECT_DOUBLE_EQ(systems.secondDimension, 20.0);
    // That extra data travels with the system request only.
    EXPECT_DOUBLE_EQ(LastRequest(*state, "_KS_getColors").firstDimension, 0.0);

    const Materialdaten glass = LastRequest(*state, "_KS_getGlas");
    ASSERT_EQ(glass.glasses.size(), 1u);
    EXPECT_EQ(glass.glasses[0].nameId.id, 52);
    EXPECT_EQ(glass.glasses[0].steel1.nameId.id, 7005);
    EXPECT_EQ(glass.frameId, 12);

    // Serie B offers no cladding: the flag is gone before the colours.
    EXPECT_FALSE(LastRequest(*state, "_KS_getColors").option1);
    EXPECT_TRUE(LastRequest(*state, "_KS_getArtikel").option3);

    // The first load keeps the record's coupling and bead.
    EXPECT_EQ(LastRequest(*state, "_KS_getKopplungen").couplingVerticalId, 82);
    EXPECT_EQ(LastRequest(*state, "_KS_getGlasleisten").beadFrameSideId, 62);
    EXPECT_EQ(form->LKopplungSenkName->text(), QStringLiteral("Kopplung S2"));
    EXPECT_EQ(form->LGlasleisteRName->text(), QStringLiteral("Leiste R2"));

    // Later reloads ask for the service's preselection.
    form->UpdateData(vm::ReloadLevel::Glass, false, 0);
    EXPECT_EQ(LastRequest(*state, "_KS_getKopplungen").couplingVerticalId, 0);
    EXPECT_EQ(LastRequest(*state, "_KS_getGlasleisten").beadFrameSideId, 0);
    EXPECT_EQ(form->LKopplungSenkName->text(), QStringLiteral("Kopplung S1"));
    EXPECT_EQ(form->LGlasleisteRName->text(), QStringLiteral("Leiste R1"));
    // The glass row keeps its choice.
    EXPECT_EQ(LastRequest(*state, "_KS_getGlas").glassId, 52);

    // After a system change the glass is asked for afresh.
    form->state.userChoice[TForm1::ucSystemChanged] = true;
    form->UpdateData(vm::ReloadLevel::Colours, false, 0);
    EXPECT_EQ(LastRequest(*state, "_KS_getGlas").glassId, 0);
}

TEST_F(FaultTest, UfFailureGivesNoValue) {
    Fail("_KS_getUfValue");
    auto form = MakeForm();
    velmar_data out;
    out.ufValue = 3.0;
    form->GetData(out);
    EXPECT_DOUBLE_EQ(out.ufValue, -1.0);
    EXPECT_EQ(out.rahmen.nameId.id, 11);
    // Destroying the form releases the service.
    EXPECT_TRUE(serviceClient.isLoaded());
    form.reset();
    EXPECT_FALSE(serviceClient.isLoaded());
}

TEST_F(FaultTest, MissingServiceIsReportedAndTheFormStillWorks) {
    UseServiceIn("/nonexistent-velmar-directory/");
    velmar_data host;
    host.rahmen.nameId.id = 11;
    auto form = MakeForm(host, &recorder);
    ASSERT_FALSE(messages.messages().empty());
    EXPECT_EQ(messages.messages().front().first, QStringLiteral("couldn't find kalksrv.dll"));
    EXPECT_EQ(form->LRahmenName->text(), QStringLiteral("-"));
    velmar_data out = DataOf(*form);
    EXPECT_EQ(out.rahmen.nameId.id, 11);
    EXPECT_DOUBLE_EQ(out.ufValue, -1.0);
    form->UpdateData(vm::ReloadLevel::Series, true, 0);
    EXPECT_TRUE(recorder.codes.empty());
}

TEST_F(FaultTest, ArticleDialogOnAFailingServiceLeavesTheFormWorking) {
    auto form = MakeForm(velmar_data(), &recorder);
    // First answers that carry nothing but their own list (the reinforcement
    // and section queries answer nothing useful), then no answers at all.
    for (bool bare : {true, false}) {
        state->bare = bare;
        if (!bare) Fail("_KS_getArtikelInc"), Fail("_KS_getCut");
        recorder.codes.clear();
        const char* frame = bare ? "Rahmen 2" : "Rahmen 1";
        ui_driver::WhenModal([&](QDialog* d) {
            EXPECT_EQ(ui_driver::Find<QListWidget>(d, "ListBox2")->count(), 0);
            ui_driver::ClickItem(ui_driver::Find<QListWidget>(d, "ListBox1"),
                                 QString::fromLatin1(frame));
            ui_driver::ClickByName(d, "Panel_2");
        });
        ui_driver::ClickByName(form.get(), "LRahmenName");
        EXPECT_EQ(form->LRahmenName->text(), QString::fromLatin1(frame));
        EXPECT_EQ(form->LSystemName->text(), QStringLiteral("Serie A"));
        EXPECT_EQ(form->LFarbeName->text(), QStringLiteral("Weiss"));
        ASSERT_FALSE(recorder.codes.empty());
        EXPECT_EQ(recorder.codes.front(), 2);
        EXPECT_EQ(recorder.codes.back(), 1);
        velmar_data out = DataOf(*form);
        EXPECT_EQ(out.rahmen.getName(), std::u16string(frame, frame + 8));
        EXPECT_EQ(out.rahmen.steel1, velmar_stahl()) << "no reinforcement was offered";
    }
}

} // namespace

// What each query without an instance sends: every argument below is 100
// plus the tag it travels in (so a swapped pair shows), beside the request
// header and the cut position.
TEST_F(FaultTest, HandleLessQueriesPutEachArgumentInItsTag) {
    const velmar_cutpos position = test_support::cutPosition({{23001, 11}});
    velmar_cutpos box = test_support::cutPosition({{163, 170}}); // with curtain 210
    box.opening1.artikel.items[0].steel1.nameId.id = 210;
    int length = 0;
    std::vector<std::string> texts;
    std::vector<velmar_zusatzartikel> equipment;
    struct Case {
        const char* entry;
        bool sendsPosition;
        std::vector<std::pair<int, int>> tags; // tag, value
        std::function<void()> call;
    };
    // clang-format off
    const Case cases[] = {
        {"_KS_checkFluegelgroessen", true,
         {{1, 1}, {9, 1}, {3, 103}, {10, 110}, {11, 110}, {4, 104}, {5, 105}, {110, 210}},
         [&] { vm_checkFluegelgroessen(position, true, 119, 210, 110, 104, 105, 103, 114, 112); }},
        {"_KS_checkBrand", false, {{1, 1}, {9, 1}, {3, 103}, {4, 104}},
         [&] { vm_checkBrand(103, 104); }},
        {"_KS_getArtikelDwgKatalog", false, {{1, 1}, {9, 1}, {3, 103}, {63, 163}, {4, 104}},
         [&] { vm_deleteData(vm_getArtikelDwg(length, 103, 163, 104)); }},
        {"_KS_getMinMaxSizeForRollerShutter", false,
         {{1, 1}, {9, 1}, {3, 103}, {63, 163}, {110, 210}},
         [&] { vm_getMinMaxSizeForRollerShutter(103, {position, box}, length, length); }},
        {"_KS_getArtikelTextForCut", true, {{1, 101}, {9, 1}, {3, 103}},
         [&] { vm_getArtikelTextForCut(position, 103, 101, texts, texts); }},
        {"_KS_getAusstattung", false, {{1, 101}, {9, 1}, {3, 103}, {5, 105}, {4, 104}},
         [&] { vm_getAusstattung(105, 103, 104, 101, equipment); }},
        {"_KS_getUfForCut", true, {{1, 1}, {9, 2}, {3, 103}, {5, 105}, {4, 104}},
         [&] { vm_getUfForCut(position, 103, 104, 105); }},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        c.call();
        Materialdaten sent = LastRequest(*state, c.entry);
        for (const auto& [tag, value] : c.tags) EXPECT_EQ(*sent.intField(tag), value) << tag;
        EXPECT_EQ(sent.cutPositions.size(), c.sendsPosition ? 1u : 0u);
    }
    Materialdaten sash = LastRequest(*state, "_KS_checkFluegelgroessen");
    for (const auto& [tag, value] : {std::pair{19, 119.0}, {14, 114.0}, {12, 112.0}})
        EXPECT_DOUBLE_EQ(*sash.doubleField(tag), value) << tag;
    EXPECT_TRUE(*sash.flagField(84));
    vm_getGlasdickeReal(115);
    EXPECT_EQ(state->glassNumber, 115);
    EXPECT_TRUE(messages.messages().empty());
}

// The queries without an instance, on a service that is missing and on one
// whose every entry point fails: each leaves its result as it was before the
// call, and the service is unloaded afterwards.
TEST_F(FaultTest, HandleLessQueriesKeepTheirResultsWhenTheServiceFails) {
    for (const bool missing : {true, false}) {
        SCOPED_TRACE(missing ? "missing service" : "failing service");
        if (missing)
            UseServiceIn("/nonexistent-velmar-directory/");
        else
            state->failing = ~std::uint64_t(0);
        velmar_cutpos position;
        EXPECT_EQ(vm_checkFluegelgroessen(position, false, 1000.0, 0, 1, 1, 1, 1, 0.0, 1500.0), 0);
        EXPECT_FALSE(vm_checkBrand(1, 1));
        int length = 7;
        EXPECT_EQ(vm_getArtikelDwg(length, 1, 11, 1), nullptr);
        EXPECT_EQ(length, 0);
        int minimum = 5, maximum = 6;
        vm_getMinMaxSizeForRollerShutter(1, {position}, minimum, maximum);
        EXPECT_EQ(minimum, 0);
        EXPECT_EQ(maximum, 0);
        std::vector<std::string> shortTexts{"before"}, tenderTexts;
        vm_getArtikelTextForCut(position, 1, 1, shortTexts, tenderTexts);
        EXPECT_EQ(shortTexts, std::vector<std::string>{"before"});
        EXPECT_TRUE(tenderTexts.empty());
        std::vector<velmar_zusatzartikel> equipment(2);
        vm_getAusstattung(1, 1, 1, 1, equipment);
        EXPECT_EQ(equipment.size(), 2u);
        EXPECT_DOUBLE_EQ(vm_getUfForCut(position, 1, 1, 1), -1.0);
        if (missing) {
            EXPECT_DOUBLE_EQ(vm_getGlasdickeReal(3), 0.0);
        }
        EXPECT_FALSE(serviceClient.isLoaded());
    }
    EXPECT_FALSE(messages.messages().empty());
}

// A service without the optional face widths works as before; the element
// then has no Uw, and nobody is told of the missing entry point.
TEST_F(FaultTest, AServiceWithoutFaceWidthsGivesNoUw) {
    velmar_data host;
    void* form = vm_create(nullptr, nullptr, 1, 1, 1, 0, emDefault, true, false, 0.0, cfDefault,
                           false, host, nullptr, nullptr);
    ASSERT_NE(form, nullptr);
    velmar_data out;
    vm_getdata(form, out);
    EXPECT_DOUBLE_EQ(out.ufValue, state->uf);
    velmar_uw uw;
    uw.uw = 1.2;
    uw.width = 1230;
    uw.referenceSize = true;
    EXPECT_FALSE(vm_getUw(form, uw));
    EXPECT_EQ(uw.uw, 0.0);
    EXPECT_EQ(uw.width, 0.0);
    EXPECT_FALSE(uw.referenceSize);
    EXPECT_TRUE(messages.messages().empty());
    vm_delete(form);
}
