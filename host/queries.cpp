#include "host/queries.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

#include <memory>
#include <set>
#include <vector>

#include "host/host_window.h"
#include "interface/velmar.h"

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

} // namespace

void AddQueriesMenu(HostWindow& window) {
    auto choices = std::make_shared<Choices>();
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Queries"));
    QAction* accessories =
        menu->addAction(QStringLiteral("Accessories of the frame…"), &window,
                        [&window, choices] { AccessoriesOfTheFrame(window, *choices); });
    accessories->setObjectName(QStringLiteral("queryAccessories"));
    QAction* bar = menu->addAction(QStringLiteral("Glazing bar…"), &window,
                                   [&window, choices] { GlazingBar(window, *choices); });
    bar->setObjectName(QStringLiteral("queryGlazingBar"));
}
