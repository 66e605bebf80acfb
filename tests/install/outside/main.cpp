// One configurator instance in a main window, its record read back, and a
// service request built with the installed exchange record.

#include <QApplication>
#include <QMainWindow>

#include <cstdio>

#include "interface/velmar.h"
#include "model/materialdaten.h"
#include "service/ks_api.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    auto* container = new QWidget(&window);
    window.setCentralWidget(container);

    vm_loadDatabase("", "", "", "", 0);
    velmar_data data;
    void* form = vm_create(&window, container, 1, 2, 1, 0, emDefault, true, false, 0.0, cfDefault,
                           false, data, nullptr, nullptr);
    if (form == nullptr) return 1;
    vm_show(form);
    velmar_data out;
    vm_getdata(form, out);
    vm_delete(form);

    Materialdaten request;
    request.systemId = out.system.id;
    request.write();
    std::printf("velmar %s: series %d, Uf %.2f; a request of %d items to one of %d entry points\n",
                VELMAR_VERSION, out.system.id, out.ufValue, request.itemCount(),
                KS_DISPATCHED_COUNT);
    return out.system.id > 0 ? 0 : 1;
}
