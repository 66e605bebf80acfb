// What a user feels, through the host interface alone with the real service:
// for each row of the main form the click on the row until its dialog is on
// screen (its first paint), and OK until the reload is done and the host's
// callback has fired; the same for the dialogs of the query exports (OK until
// the call returns); vm_create with vm_show until the form is painted, and
// vm_getdata. Each figure is wall time, named <interaction>/<catalogue> for
// the sample, the large and the max catalogue (the default series, whose
// lists are as long as a list travels in "max").
//
//   bench_interaction [benchmark options]
//   bench_interaction --soak N    every row's command N times on "large";
//                                 prints rss_growth_kb=<n> last

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "interface/velmar.h"

namespace {

using Clock = std::chrono::steady_clock;

const char* const kCatalogues[] = {"sample", "large", "max"};
const char* const kFiles[] = {"catalogue.db", "catalogue-large.db", "catalogue-max.db"};

// The service reads one catalogue at a time; forms opened after the switch
// work on it.
bool UseCatalogue(int catalogue) {
    static int current = -1;
    if (current == catalogue) return true;
    const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                         QString::fromLatin1(kFiles[catalogue]);
    if (!QFile::exists(path)) return false;
    vm_loadDatabase(path.toLocal8Bit().constData(), "", "", "", 0);
    current = catalogue;
    return true;
}

// One instance in a window, the host's side of it: the callback notes when
// the last code of a change (1, or 11 alone for a series) arrives.
struct Host {
    QWidget window;
    QWidget* container = nullptr;
    void* form = nullptr;
    Clock::time_point reported{};
    bool heard = false;

    static void OnChange(const int code, void* user) {
        auto* host = static_cast<Host*>(user);
        if (code == 1 || code == 11) {
            host->reported = Clock::now();
            host->heard = true;
        }
    }
    Host() {
        window.resize(900, 700);
        container = new QWidget(&window);
        container->setGeometry(0, 0, 900, 700);
        window.show();
    }
    void Open() {
        velmar_data data; // the catalogue's default series with its preselection
        form = vm_create(&window, container, 1, 1, 1, 0, emDefault, true, false, 0.0, cfDefault,
                         false, data, &Host::OnChange, this);
        vm_show(form);
        vm_setBreiteHoeheElement(form, 1230, 1480);
    }
    ~Host() { vm_delete(form); }
};

// Notes the first paint of a modal dialog, then lets `act` run on it from
// the dialog's own event loop.
class DialogProbe : public QObject {
public:
    std::function<void(QDialog*)> act;
    Clock::time_point shown{};
    bool seen = false;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (painting || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        auto* dialog = qobject_cast<QDialog*>(static_cast<QWidget*>(watched)->window());
        if (!dialog || !dialog->isModal()) return false;
        // The paint pass runs as one event; what comes after it sees the
        // dialog on screen.
        painting = true;
        QTimer::singleShot(0, dialog, [this, dialog] {
            seen = true;
            shown = Clock::now();
            act(dialog);
        });
        return false;
    }

private:
    bool painting = false;
};

struct Timing {
    double open = 0, ok = 0;
    const char* error = nullptr;
};

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// In the dialog: another entry of its first list where there is one (the
// user's choice), then OK; `okAt` gets the time of the click.
void ChooseAndConfirm(QDialog* dialog, bool keepChoice, Clock::time_point& okAt) {
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("ListBox1"));
    if (!keepChoice && list && list->count() > 1) {
        const int row = list->currentRow() == 0 ? 1 : 0;
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    QWidget* ok = dialog->findChild<QWidget*>(QStringLiteral("Panel_2"));
    okAt = Clock::now();
    if (ok)
        QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
    else
        dialog->reject();
}

// Runs `start` (a click or a query), which opens a dialog; times its first
// paint and, after OK, until `done` says so (the host heard of it, or the
// query returned).
Timing Interact(Host& host, bool keepChoice, const std::function<void()>& start) {
    Timing t;
    DialogProbe probe;
    Clock::time_point okAt{};
    probe.act = [&](QDialog* dialog) { ChooseAndConfirm(dialog, keepChoice, okAt); };
    qApp->installEventFilter(&probe);
    // A dialog that never gets OK is closed, so no run can hang.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget())) open->reject();
    });
    guard.start(20000);
    host.heard = false;
    const Clock::time_point begin = Clock::now();
    start();
    const Clock::time_point returned = Clock::now();
    qApp->removeEventFilter(&probe);
    // What the host's event loop does before the next click: windows of
    // closed dialogs go (their deletion waits for the loop).
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!probe.seen) {
        t.error = "no dialog showed";
        return t;
    }
    t.open = Seconds(begin, probe.shown);
    t.ok = Seconds(okAt, host.heard ? host.reported : returned);
    return t;
}

// The rows of the main form by the control a user clicks (the bead rows by
// their icons).
struct Row {
    const char* name;
    const char* control;
};
const Row kRows[] = {
    {"Series", "LSystemName"},
    {"Colour", "LFarbeName"},
    {"Frame", "LRahmenName"},
    {"Sash", "LFluegelName"},
    {"Mullion", "LPfostenName"},
    {"Astragal", "LStulpName"},
    {"Glass", "LGlasName"},
    {"BeadFrame", "ImageGlasleisteR"},
    {"BeadSash", "ImageGlasleisteF"},
    {"CouplingVertical", "LKopplungSenkName"},
    {"CouplingHorizontal", "LKopplungWaagName"},
    {"Box", "LRollName"},
};

Timing ClickRow(Host& host, const Row& row) {
    QWidget* control = host.container->findChild<QWidget*>(QString::fromLatin1(row.control));
    if (!control) return {0, 0, "no such row"};
    // The series keeps its choice: another series would change the catalogue
    // part every later figure runs on.
    const bool keep = std::strcmp(row.name, "Series") == 0;
    Timing t = Interact(host, keep, [&] {
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    });
    if (!t.error && !host.heard) t.error = "the host heard nothing";
    return t;
}

// The query exports with a dialog of their own.
velmar_artikel Frame(void* form) {
    velmar_data data;
    vm_getdata(form, data);
    return data.rahmen;
}

const struct Query {
    const char* name;
    std::function<void(void*)> call;
} kQueries[] = {
    {"AccessoryForCut",
     [](void* form) {
         const velmar_artikel frame = Frame(form);
         std::vector<velmar_cutpos> positions(1);
         positions[0].opening1.artikel.items.push_back(frame);
         unsigned int chosen = 0;
         vm_getAccessoryForCut(form, frame.nameId.id, 1, clAll, positions, chosen);
     }},
    {"GlazingBar",
     [](void* form) {
         velmar_data data;
         vm_getdata(form, data);
         VM_KONST_TYPE kind = ktSprosseGlasteilend;
         velmar_artikel bar, result;
         vm_getSprosse(form, bar, data.glas.nameId.id, kind, result);
     }},
    {"ChangeGlass",
     [](void* form) {
         velmar_data data;
         vm_getdata(form, data);
         velmar_artikel glass = data.glas, bead = data.glasleisteR;
         vm_changeGlas(form, glass, bead, data.rahmen, data.system.id, 0, true);
     }},
};

enum class Phase { Open, Ok };

// A benchmark `name` on one catalogue, timed by `body` on wall time; skipped
// where the catalogue was not built.
void OnCatalogue(const std::string& name, int catalogue,
                 std::function<void(benchmark::State&)> body) {
    benchmark::RegisterBenchmark((name + "/" + kCatalogues[catalogue]).c_str(),
                                 [catalogue, body](benchmark::State& state) {
                                     if (!UseCatalogue(catalogue)) {
                                         state.SkipWithError("catalogue missing");
                                         return;
                                     }
                                     body(state);
                                 })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

void Register(const std::string& name, int catalogue, std::function<Timing(Host&)> run,
              Phase phase) {
    OnCatalogue(name, catalogue, [run, phase](benchmark::State& state) {
        Host host;
        host.Open();
        for (auto _ : state) {
            const Timing t = run(host);
            if (t.error) {
                state.SkipWithError(t.error);
                break;
            }
            state.SetIterationTime(phase == Phase::Open ? t.open : t.ok);
        }
    });
}

void RegisterAll() {
    for (int c = 0; c < 3; ++c)
        OnCatalogue("CreateShow", c, [](benchmark::State& state) {
            for (auto _ : state) {
                Host host;
                const Clock::time_point begin = Clock::now();
                host.Open();
                QCoreApplication::processEvents(); // its first paint
                state.SetIterationTime(Seconds(begin, Clock::now()));
            }
        });
    for (int c = 0; c < 3; ++c)
        OnCatalogue("GetData", c, [](benchmark::State& state) {
            Host host;
            host.Open();
            velmar_data data;
            for (auto _ : state) {
                const Clock::time_point begin = Clock::now();
                vm_getdata(host.form, data);
                state.SetIterationTime(Seconds(begin, Clock::now()));
            }
        });
    for (const Row& row : kRows)
        for (Phase phase : {Phase::Open, Phase::Ok})
            for (int c = 0; c < 3; ++c)
                Register(
                    std::string(row.name) + (phase == Phase::Open ? ".open" : ".ok"), c,
                    [&row](Host& host) { return ClickRow(host, row); }, phase);
    for (const Query& query : kQueries)
        for (Phase phase : {Phase::Open, Phase::Ok})
            for (int c = 0; c < 3; ++c)
                Register(
                    std::string(query.name) + (phase == Phase::Open ? ".open" : ".ok"), c,
                    [&query](Host& host) {
                        return Interact(host, false, [&] { query.call(host.form); });
                    },
                    phase);
}

long ResidentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

// Every row's command `rounds` times on "large"; resident memory after the
// first round to after the last.
int Soak(long rounds) {
    if (!UseCatalogue(1)) {
        std::fprintf(stderr, "bench_interaction: %s missing\n", kFiles[1]);
        return 1;
    }
    Host host;
    host.Open();
    long first = 0;
    for (long round = 1; round <= rounds; ++round) {
        for (const Row& row : kRows) {
            const Timing t = ClickRow(host, row);
            if (t.error) {
                std::fprintf(stderr, "bench_interaction: %s: %s\n", row.name, t.error);
                return 1;
            }
        }
        if (round == 1) first = ResidentKb();
        if (round % 100 == 0)
            std::fprintf(stderr, "round %ld: %ld kB, %lld windows\n", round, ResidentKb(),
                         static_cast<long long>(QGuiApplication::allWindows().size()));
    }
    std::printf("rss_growth_kb=%ld\n", ResidentKb() - first);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vm_setHeadless(true);
    QApplication app(argc, argv);
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--soak") == 0) return Soak(std::atol(argv[i + 1]));
    benchmark::Initialize(&argc, argv);
    RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
