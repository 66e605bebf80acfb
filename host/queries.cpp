#include "host/queries.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/host_window.h"
#include "interface/velmar.h"
#include "model/ks_lists.h"
#include "platform/drawing/planview.h"
#include "platform/drawing/qv_database.h"

namespace {

QString Text(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

QString BarKindName(VM_KONST_TYPE kind) {
    switch (kind) {
    case ktSprosseKlebe:
        return QStringLiteral("adhesive");
    case ktSprosseInnen:
        return QStringLiteral("internal");
    case ktSprosseWiener:
        return QStringLiteral("Viennese");
    default:
        return QStringLiteral("glass-dividing");
    }
}

// What the host remembers between two calls.
struct Choices {
    std::vector<velmar_cutpos> accessoryPositions;
    velmar_artikel bar;
    VM_KONST_TYPE barKind = ktSprosseGlasteilend;
};

void AccessoriesOfTheFrame(HostWindow& window, Choices& choices) {
    const velmar_data data = window.currentRecord();
    std::vector<velmar_cutpos> positions = choices.accessoryPositions;
    unsigned int chosen = 0;
    if (vm_getAccessoryForCut(window.instance(), data.rahmen.nameId.id, window.elementCode(), clAll,
                              positions, chosen) == 0) {
        window.log(QStringLiteral("vm_getAccessoryForCut: cancelled"));
        return;
    }
    choices.accessoryPositions = positions;
    // The same accessory stands in every opening it was chosen for.
    QStringList names;
    std::set<int> seen;
    for (const velmar_cutpos& position : positions)
        for (const auto* opening : {&position.opening1, &position.opening2, &position.opening3})
            for (const velmar_zusatzartikel& entry : opening->zusatz) {
                if (!seen.insert(entry.getId()).second) continue;
                QString name = Text(entry.getName());
                if (entry.artikel.steel1.nameId.id > 0)
                    name += QStringLiteral(" (%1)").arg(Text(entry.artikel.steel1.nameId.name));
                names << name;
            }
    window.log(QStringLiteral("vm_getAccessoryForCut: %1 chosen%2 %3")
                   .arg(chosen)
                   .arg(names.isEmpty() ? QString() : QStringLiteral(":"))
                   .arg(names.join(QStringLiteral(", "))));
}

void GlazingBar(HostWindow& window, Choices& choices) {
    const velmar_data data = window.currentRecord();
    VM_KONST_TYPE kind = choices.barKind;
    velmar_artikel bar = choices.bar;
    if (vm_getSprosse(window.instance(), choices.bar, data.glas.nameId.id, kind, bar) == 0) {
        window.log(QStringLiteral("vm_getSprosse: cancelled"));
        return;
    }
    choices.barKind = kind;
    choices.bar = bar;
    QString line = QStringLiteral("vm_getSprosse: %1 bar").arg(BarKindName(kind));
    if (bar.nameId.id > 0) line += QStringLiteral(" %1").arg(Text(bar.nameId.name));
    if (bar.steel1.nameId.id > 0)
        line += QStringLiteral(", reinforcement %1").arg(Text(bar.steel1.nameId.name));
    window.log(line);
}

// A cut of the element: its frame with the glass, as the host asks for one.
velmar_cutpos FrameCut(const velmar_data& data) {
    velmar_cutpos position;
    velmar_artikel frame = data.rahmen;
    frame.konstType = ks_konst::frame;
    velmar_artikel glass = data.glas;
    glass.konstType = ks_konst::glass;
    velmar_artikel bead = data.glasleisteR;
    bead.konstType = ks_konst::glazingBead;
    position.opening1.artikel.items = {frame, glass, bead};
    return position;
}

QString Names(const std::vector<std::string>& texts) {
    QStringList names;
    for (const std::string& text : texts) names << QString::fromStdString(text);
    return names.join(QStringLiteral("; "));
}

// Shows the section of the frame as vm_getCut draws it into the host's own
// drawing database, in the component's viewer.
void Section(HostWindow& window) {
    const velmar_data data = window.currentRecord();
    velmar_cut cut;
    cut.data = data;
    cut.intValue = window.elementCode();
    cut.positions = {FrameCut(data)};
    QV_C_DataBase database(nullptr, nullptr);
    velmar_CutInfo info;
    std::string text;
    const int drawn = vm_getCut(window.instance(), cut, database, info, text);
    window.log(QStringLiteral("vm_getCut: %1, %2 materials, %3 wall connections")
                   .arg(drawn != 0 ? QStringLiteral("drawn") : QStringLiteral("no drawing"))
                   .arg(info.materials.size())
                   .arg(info.wallConnections.size()));
    if (drawn == 0) return;
    QDialog viewer(&window);
    viewer.setWindowTitle(QStringLiteral("Section"));
    viewer.resize(600, 450);
    InitializePlanview(&window);
    PlanviewDlg* view = CreatePlanviewDlg();
    view->Attach(&viewer);
    view->Show(true);
    view->Display(&database);
    viewer.exec();
    view->Release();
}

void ChangeFrame(HostWindow& window, bool ofType) {
    velmar_artikel frame = window.currentRecord().rahmen;
    frame.konstType = ks_konst::frame;
    const int chosen =
        ofType ? vm_changeArtikelOfType(window.instance(), frame, ks_konst::frame, false)
               : vm_changeArtikel(window.instance(), frame);
    window.log(QStringLiteral("%1: %2")
                   .arg(ofType ? QStringLiteral("vm_changeArtikelOfType")
                               : QStringLiteral("vm_changeArtikel"))
                   .arg(chosen != 0 ? Text(frame.nameId.name) : QStringLiteral("cancelled")));
}

void ChangeGlass(HostWindow& window) {
    const velmar_data data = window.currentRecord();
    velmar_artikel glass = data.glas, bead = data.glasleisteF, sash = data.fluegel;
    sash.konstType = ks_konst::sash;
    const int chosen = vm_changeGlas(window.instance(), glass, bead, sash, 0, 0, true);
    window.log(QStringLiteral("vm_changeGlas: %1")
                   .arg(chosen != 0
                            ? Text(glass.getName()) + QStringLiteral(" / ") + Text(bead.nameId.name)
                            : QStringLiteral("cancelled")));
}

void CorrectGlasses(HostWindow& window) {
    const velmar_data data = window.currentRecord();
    velmar_artikel glass = data.glas, bead = data.glasleisteR;
    const int corrected = vm_correctGlas(window.instance(), glass, bead, data.rahmen.nameId.id,
                                         ks_konst::frame, true);
    std::vector<velmar_cutpos> positions = {FrameCut(data)};
    const int count = vm_correctGlasses(window.instance(), positions, 1);
    // The host's own glass list: the element's glass, corrected as above.
    velmar_vector<velmar_glas> glasses;
    glasses.items.resize(1);
    static_cast<velmar_artikel&>(glasses.items[0]) = glass;
    vm_setGlaeser(window.instance(), glasses);
    window.log(QStringLiteral("vm_correctGlas: %1 (%2), bead %3; vm_correctGlasses: %4 of 1")
                   .arg(Text(glass.nameId.name))
                   .arg(corrected != 0 ? QStringLiteral("corrected")
                                       : QStringLiteral("not in the catalogue, kept"))
                   .arg(Text(bead.nameId.name))
                   .arg(count));
}

std::size_t AccessoryCount(const std::vector<velmar_cutpos>& positions) {
    std::size_t count = 0;
    for (const velmar_cutpos& p : positions)
        count += p.opening1.zusatz.size() + p.opening2.zusatz.size() + p.opening3.zusatz.size();
    return count;
}

void AccessoryLists(HostWindow& window, Choices& choices) {
    void* instance = window.instance();
    const velmar_data data = window.currentRecord();
    std::vector<velmar_cutpos>& positions = choices.accessoryPositions;
    if (positions.empty()) positions = {FrameCut(data)};
    vm_checkAccessoryForCut(instance, positions);
    vm_addDefaultBasisProfile(instance, positions);
    velmar_cutpos first = positions.front();
    const int added =
        vm_addProfileToAccessoryForCut(instance, first, data.pfosten.nameId.id, clAll);
    vm_addWallProfileToAccessoryForCut(instance, positions, 1, data.system.id, clAll,
                                       data.rahmen.nameId.id);
    vm_getProfileTypesForCut(instance, positions, window.elementCode());
    const std::size_t entries = AccessoryCount(positions);
    vm_removeProfileTypeFromAccessories(instance, positions, ks_konst::additionalProfile);
    const std::size_t left = AccessoryCount(positions);
    window.log(QStringLiteral("accessory list: checked, base and wall profiles added (%1 "
                              "additional articles, profile %2), %3 left without type 30")
                   .arg(entries)
                   .arg(added != 0 ? QStringLiteral("added") : QStringLiteral("not added"))
                   .arg(left));
}

void BuildOn(HostWindow& window) {
    const velmar_data data = window.currentRecord();
    for (bool top : {true, false}) {
        velmar_artikel profile;
        const int found = vm_getAufbauprofil(window.instance(), FrameCut(data),
                                             data.fluegel.nameId.id, data.system.id, top, profile);
        window.log(QStringLiteral("vm_getAufbauprofil %1: %2")
                       .arg(top ? QStringLiteral("above") : QStringLiteral("below"))
                       .arg(found != 0 ? Text(profile.nameId.name) : QStringLiteral("none")));
    }
}

void BoxChecks(HostWindow& window) {
    const velmar_rollkasten box = window.currentRecord().rollkasten;
    window.log(QStringLiteral("box %1: curtain size %2, element height %3")
                   .arg(box.box.id)
                   .arg(vm_checkPanzerGroesseWithRollkasten(window.instance(), box)
                            ? QStringLiteral("fits")
                            : QStringLiteral("too large"))
                   .arg(vm_checkElementHoeheWithRollkasten(window.instance(), box)
                            ? QStringLiteral("fits")
                            : QStringLiteral("too large")));
}

// The queries without an instance, each with the element's own values.
void ServiceQueries(HostWindow& window) {
    const velmar_data data = window.currentRecord();
    const velmar_cutpos cut = FrameCut(data);
    const int series = data.system.id;
    int length = 0;
    char* drawing = vm_getArtikelDwg(length, 1, data.rahmen.nameId.id, series);
    vm_deleteData(drawing);
    int minimum = 0, maximum = 0;
    vm_getMinMaxSizeForRollerShutter(1, {cut}, minimum, maximum);
    std::vector<std::string> shortTexts, tenderTexts;
    vm_getArtikelTextForCut(cut, 1, 1, shortTexts, tenderTexts);
    std::vector<velmar_zusatzartikel> equipment;
    vm_getAusstattung(window.elementCode(), 1, series, 1, equipment);
    window.log(QStringLiteral("vm_checkBrand: %1").arg(vm_checkBrand(1, series) ? "yes" : "no"));
    window.log(QStringLiteral("vm_checkFluegelgroessen: %1")
                   .arg(vm_checkFluegelgroessen(cut, false, 1000.0, 0, data.farbe.id, series,
                                                window.elementCode(), 1, 0.0, 1500.0)));
    window.log(QStringLiteral("vm_getArtikelDwg: %1 bytes").arg(length));
    window.log(
        QStringLiteral("vm_getMinMaxSizeForRollerShutter: %1 to %2").arg(minimum).arg(maximum));
    window.log(QStringLiteral("vm_getArtikelTextForCut: %1 | %2")
                   .arg(Names(shortTexts), Names(tenderTexts)));
    window.log(QStringLiteral("vm_getAusstattung: %1 entries").arg(equipment.size()));
    window.log(QStringLiteral("vm_getUfForCut: %1")
                   .arg(vm_getUfForCut(cut, 1, series, window.elementCode())));
    window.log(
        QStringLiteral("vm_getGlasdickeReal: %1 mm").arg(vm_getGlasdickeReal(data.glas.nameId.id)));
}

} // namespace

void AddQueriesMenu(HostWindow& window) {
    auto choices = std::make_shared<Choices>();
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Queries"));
    // Object names let a test (or an automating host) find every entry.
    const auto add = [&](const char* text, const char* name, std::function<void()> run) {
        menu->addAction(QString::fromUtf8(text), &window, std::move(run))
            ->setObjectName(QString::fromLatin1(name));
    };
    add("Accessories of the frame…", "queryAccessories",
        [&window, choices] { AccessoriesOfTheFrame(window, *choices); });
    add("Glazing bar…", "queryGlazingBar", [&window, choices] { GlazingBar(window, *choices); });
    menu->addSeparator();
    add("Section…", "querySection", [&window] { Section(window); });
    add("Change frame…", "queryChangeFrame", [&window] { ChangeFrame(window, false); });
    add("Change frame without reinforcement…", "queryChangeFrameOfType",
        [&window] { ChangeFrame(window, true); });
    add("Change glass with glazing bead…", "queryChangeGlass", [&window] { ChangeGlass(window); });
    add("Correct glasses", "queryCorrectGlasses", [&window] { CorrectGlasses(window); });
    add("Accessory list operations", "queryAccessoryLists",
        [&window, choices] { AccessoryLists(window, *choices); });
    add("Build-on profiles", "queryBuildOn", [&window] { BuildOn(window); });
    add("Box size checks", "queryBoxChecks", [&window] { BoxChecks(window); });
    add("Queries without an instance", "queryWithoutInstance",
        [&window] { ServiceQueries(window); });
}
