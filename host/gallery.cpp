#include "host/gallery.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <cstdio>
#include <functional>
#include <vector>

#include "host/host_window.h"

namespace {

// One way to a dialog: a click on a control of the instance, or a call.
struct Opener {
    const char* what;           // for the log
    const char* control;        // object name of the control clicked, or null
    std::function<void()> call; // when there is no control
    // What a user does in the dialog before it is pictured, if anything.
    std::function<void(QDialog*)> prepare = {};
    // The picture's name; the dialog's object name when null.
    const char* picture = nullptr;
};

// The sample's series whose aluminium shell comes in the RAL price classes
// alone: its colour dialog shows the RAL box in the decor box's place.
constexpr int kShellSeries = 8850;

void Click(QWidget* widget) {
    const QPointF at = QRectF(widget->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

// A menu command of the host window.
void Trigger(HostWindow& window, const char* action) {
    if (auto* found = window.findChild<QAction*>(QString::fromLatin1(action))) found->trigger();
}

// The accessory tree opened, with the first accessory and its section in
// hand.
void ShowFirstAccessory(QDialog* dialog) {
    auto* tree = dialog->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    if (tree == nullptr) return;
    tree->expandAll();
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it)
        if ((*it)->data(0, Qt::CheckStateRole).isValid()) {
            tree->setCurrentItem(*it);
            return;
        }
}

} // namespace

int RunGallery(HostWindow& window, const QString& directory) {
    QDir().mkpath(directory);
    window.show();
    QApplication::processEvents();

    const std::vector<Opener> openers = {
        {"profile series", "LSystemName", {}},
        {"colour", "LFarbeName", {}},
        {"frame", "LRahmenName", {}},
        {"glass", "LGlasName", {}},
        {"vertical coupling", "LKopplungSenkName", {}},
        // The sample element has no box: the first construction type's first
        // box, with its drawing.
        {"roller-shutter box",
         "LRollName",
         {},
         [](QDialog* dialog) {
             if (auto* types = dialog->findChild<QListWidget*>(QStringLiteral("ListBox1")))
                 if (types->count() > 1) types->setCurrentRow(1);
         }},
        {"accessories of the frame", nullptr, [&window] { Trigger(window, "queryAccessories"); },
         ShowFirstAccessory},
        {"glazing bar", nullptr, [&window] { Trigger(window, "queryGlazingBar"); }},
        // Last, as it leaves the instance on another series.
        {"colour of the shell series",
         nullptr,
         [&window] {
             velmar_data data = window.currentRecord();
             data.system.id = kShellSeries;
             vm_setNewData(window.instance(), window.elementCode(), 0, true, false, 0.0, cfDefault,
                           false, &data);
             if (QWidget* row = window.findChild<QWidget*>(QStringLiteral("LFarbeName")))
                 Click(row);
         },
         {},
         "ColorDlg_RAL"},
    };

    int written = 0;
    for (const Opener& opener : openers) {
        QString name;
        // Waits for the dialog the opener shows, pictures it and cancels it.
        auto* timer = new QTimer;
        QElapsedTimer clock;
        clock.start();
        QObject::connect(timer, &QTimer::timeout, [&, timer] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr && clock.elapsed() < 3000) return;
            timer->stop();
            if (dialog == nullptr) return;
            if (opener.prepare) opener.prepare(dialog);
            QApplication::processEvents();
            name = opener.picture != nullptr ? QString::fromLatin1(opener.picture)
                                             : dialog->objectName();
            const QString file = QDir(directory).filePath(name + QStringLiteral(".png"));
            if (dialog->grab().save(file, "PNG")) {
                ++written;
                std::fprintf(stdout, "%s: %s\n", opener.what, qPrintable(file));
            } else {
                std::fprintf(stderr, "velmar-host: could not write %s\n", qPrintable(file));
            }
            dialog->reject();
        });
        timer->start(20);
        if (opener.control != nullptr) {
            if (QWidget* control = window.findChild<QWidget*>(QString::fromLatin1(opener.control)))
                Click(control);
        } else if (opener.call) {
            opener.call();
        }
        // A row that opens nothing: wait out the timer without a user.
        while (timer->isActive()) QApplication::processEvents(QEventLoop::AllEvents, 50);
        delete timer;
        if (name.isEmpty()) std::fprintf(stderr, "%s: no dialog opened\n", opener.what);
    }
    return written;
}
