// The component as a host uses it: through "interface/velmar.h" and
// libvelmar.so alone, beside the reference service, its sample catalogue and
// the German texts.

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include <dlfcn.h>
#include <malloc.h>

#include "interface/velmar.h"
#include "platform/drawing/qv_database.h"
#include "tests/support/change_recorder.h"

namespace {

constexpr int kPlainSeries = 8404;

class InterfaceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { vm_loadDatabase("", "", "", "", 0); }

    void* Create(velmar_data& data, QWidget* parent = nullptr) {
        return vm_create(&window, parent, 1, 1, 1, 0, emDefault, true, false, 0.0, cfDefault, false,
                         data, &ChangeRecorder::Callback, &recorder);
    }

    QWidget window;
    ChangeRecorder recorder;
};

TEST_F(InterfaceTest, NullAndForeignHandlesDoNothing) {
    int notAForm = 0;
    for (void* handle : {static_cast<void*>(nullptr), static_cast<void*>(&notAForm)}) {
        velmar_data data;
        data.rahmen.nameId.id = 17;
        vm_show(handle);
        vm_getdata(handle, data);
        EXPECT_EQ(data.rahmen.nameId.id, 17);
        EXPECT_DOUBLE_EQ(data.ufValue, 0.0);
        vm_setNewData(handle, 1, 2, true, false, 0.0, cfDefault, false, &data);
        vm_setBreiteHoeheElement(handle, 1.0, 2.0);
        vm_setMode(handle, emDefault);
        vm_setNewRC2(handle, true);
        velmar_uw uw;
        uw.uw = 1.0;
        EXPECT_FALSE(vm_getUw(handle, uw));
        EXPECT_EQ(uw.uw, 0.0);
        // The queries of an instance leave what they are given as it was.
        velmar_cut cut;
        QV_C_DataBase database(nullptr, nullptr);
        velmar_CutInfo info;
        std::string text;
        velmar_artikel article = data.rahmen, bead;
        std::vector<velmar_cutpos> positions(1);
        positions[0].opening1.artikel.items = {article};
        const auto before = positions;
        EXPECT_EQ(vm_getCut(handle, cut, database, info, text), 0);
        EXPECT_EQ(vm_changeArtikel(handle, article), 0);
        EXPECT_EQ(vm_changeGlas(handle, article, bead, article, 0, 0, true), 0);
        EXPECT_EQ(vm_correctGlasses(handle, positions, 1), 0);
        EXPECT_FALSE(vm_addWallProfileToAccessoryForCut(handle, positions, 1, 2, 3, 4));
        vm_removeProfileTypeFromAccessories(handle, positions, 11);
        vm_getProfileTypesForCut(handle, positions, 1);
        unsigned int chosen = 5;
        EXPECT_EQ(vm_getAccessoryForCut(handle, 1, 1, clAll, positions, chosen), 0);
        VM_KONST_TYPE kind = ktSprosseKlebe;
        EXPECT_EQ(vm_getSprosse(handle, bead, 1, kind, article), 0);
        EXPECT_FALSE(vm_checkPanzerGroesseWithRollkasten(handle, velmar_rollkasten()));
        EXPECT_FALSE(vm_checkElementHoeheWithRollkasten(handle, velmar_rollkasten()));
        EXPECT_EQ(positions, before);
        EXPECT_EQ(article, data.rahmen);
        EXPECT_EQ(chosen, 5u);
        EXPECT_EQ(kind, ktSprosseKlebe);
        vm_delete(handle);
    }
    vm_deleteData(nullptr);
    vm_deleteData(new char[16]);
    EXPECT_EQ(notAForm, 0);
}

TEST_F(InterfaceTest, EmbeddedInstanceHandsBackTheConfiguration) {
    QWidget container(&window);
    container.resize(900, 600);
    velmar_data data;
    void* form = Create(data, &container);
    ASSERT_NE(form, nullptr);
    auto* widget = static_cast<QWidget*>(form);
    EXPECT_EQ(widget->parentWidget(), &container);
    EXPECT_FALSE(widget->isVisibleTo(&container)) << "not shown before vm_show";

    vm_show(form);
    window.show();
    EXPECT_EQ(widget->geometry(), container.rect());

    velmar_data out = data;
    vm_getdata(form, out);
    EXPECT_GT(out.rahmen.nameId.id, 0);

    // Mode and size change nothing of the configuration.
    vm_setMode(form, static_cast<eEmMode>(5));
    vm_setBreiteHoeheElement(form, 980.0, 1250.0);
    velmar_data again = data;
    vm_getdata(form, again);
    EXPECT_EQ(again, out);

    EXPECT_TRUE(recorder.codes.empty());
    EXPECT_NE(velmar_dataToJson(again).find("\"ufValue\""), std::string::npos);
    vm_delete(form);
}

// The sample's single-sash window (series 10222: frame 24001, 70 mm, and
// sash 24011, 50 mm beyond the frame's stop, Uf 0.95; glass 6008, Ug 0.6,
// PsiG 0.041).
TEST_F(InterfaceTest, UwOfTheSampleWindowAtTheReferenceSizeAndAtItsOwn) {
    velmar_data data;
    void* form = Create(data);
    ASSERT_NE(form, nullptr);
    velmar_uw uw;
    ASSERT_TRUE(vm_getUw(form, uw));
    EXPECT_TRUE(uw.referenceSize) << "no size from the host";
    EXPECT_EQ(uw.width, 1230.0);
    EXPECT_EQ(uw.height, 1480.0);
    // Glass 990 x 1240 mm.
    EXPECT_NEAR(uw.ag, 0.990 * 1.240, 1e-9);
    EXPECT_NEAR(uw.lg, 2 * (0.990 + 1.240), 1e-9);
    EXPECT_NEAR(uw.af + uw.ag, 1.23 * 1.48, 1e-9);
    EXPECT_NEAR(uw.uf, 0.95, 1e-9);
    EXPECT_NEAR(uw.ug, 0.6, 1e-9);
    EXPECT_NEAR(uw.psi, 0.041, 1e-9);
    EXPECT_NEAR(uw.uw, 0.81, 0.005);

    vm_setBreiteHoeheElement(form, 2000.0, 1400.0);
    ASSERT_TRUE(vm_getUw(form, uw));
    EXPECT_FALSE(uw.referenceSize);
    EXPECT_NEAR(uw.af + uw.ag, 2.8, 1e-9);
    EXPECT_NEAR(uw.ag, 1.760 * 1.160, 1e-9);

    // Frame and sash leave no glass.
    vm_setBreiteHoeheElement(form, 200.0, 1400.0);
    EXPECT_FALSE(vm_getUw(form, uw));
    EXPECT_EQ(uw.af, 0.0);
    EXPECT_TRUE(recorder.codes.empty());
    vm_delete(form);
}

TEST_F(InterfaceTest, SeriesChangeIsAnnouncedInGerman) {
    velmar_data data;
    void* form = Create(data);
    ASSERT_NE(form, nullptr);

    // Offscreen no user can answer: the warning goes to stderr and the call
    // goes on as after OK.
    velmar_data other;
    other.system.id = kPlainSeries;
    testing::internal::CaptureStderr();
    vm_setNewData(form, 1, 0, true, false, 0.0, cfDefault, false, &other);
    const std::string err = testing::internal::GetCapturedStderr();
    // (The new record's rows and the silent host: in the form's data tests.)
    EXPECT_NE(err.find("Warnung: Die Profilserie wurde geändert"), std::string::npos) << err;
    vm_delete(form);
}

TEST_F(InterfaceTest, OnlyTheInterfaceIsVisible) {
    // By the path the library was loaded from: under the sanitizers dlopen
    // runs from their runtime, which knows nothing of this test's rpath.
    Dl_info loaded{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&vm_create), &loaded), 0);
    void* library = dlopen(loaded.dli_fname, RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(library, nullptr);
    for (const char* exported :
         {"vm_loadDatabase", "vm_create", "vm_show", "vm_delete", "vm_getdata", "vm_setNewData",
          "vm_setBreiteHoeheElement", "vm_setMode", "vm_setNewRC2", "vm_deleteData",
          "vm_setHeadless", "_ZN11velmar_dataC1Ev", "_ZNK11velmar_data5writeER7TStream",
          "_ZN11velmar_data4readER7TStream"})
        EXPECT_NE(dlsym(library, exported), nullptr) << exported;
    // The form, the service client and the platform layer stay inside.
    for (const char* internal :
         {"serviceClient", "_ZN6TForm116staticMetaObjectE",
          "_ZN2vm9FormState10UpdateDataENS_11ReloadLevelEbi",
          "_Z15ModuleDirectoryRKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE"})
        EXPECT_EQ(dlsym(library, internal), nullptr) << internal;
    dlclose(library);
}

// Bytes the allocator has handed out and not taken back.
std::size_t BytesInUse() {
    return mallinfo2().uordblks;
}

TEST_F(InterfaceTest, CreateDeleteCyclesDoNotGrow) {
    QWidget container(&window);
    velmar_data data;
    auto cycle = [&] {
        void* form = Create(data, &container);
        vm_show(form);
        velmar_data out;
        vm_getdata(form, out);
        vm_delete(form);
    };
    // The toolkit's caches fill during the first few hundred instances.
    for (int i = 0; i < 300; ++i) cycle();
    QApplication::processEvents();
    const std::size_t warm = BytesInUse();
    for (int i = 0; i < 200; ++i) cycle();
    QApplication::processEvents();
    const std::size_t after = BytesInUse();
    // A leak of even one small record per cycle would be some 100 kB.
    EXPECT_LT(after, warm + 16 * 1024) << "warm " << warm << ", after 200 cycles " << after;
}

} // namespace
