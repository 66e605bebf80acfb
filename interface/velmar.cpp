// The exported functions of the component. Each one guards the host: null or
// unknown handles do nothing, and no exception leaves the library.

#include "interface/velmar.h"

#include <QApplication>
#include <QPointer>

#include <cstdio>
#include <exception>
#include <set>

#include "interface/guard.h"
#include "mainform/application_window.h"
#include "mainform/form_uw.h"
#include "mainform/vm_mainform.h"
#include "model/json_codec.h"
#include "platform/os/message.h"
#include "service/service_client.h"

namespace {

// The live instances. A handle that is not among them is ignored.
std::set<TForm1*>& Instances() {
    static std::set<TForm1*> instances;
    return instances;
}

} // namespace

TForm1* vm::FormOf(void* handle) {
    if (handle == nullptr) return nullptr;
    auto* form = static_cast<TForm1*>(handle);
    return Instances().count(form) != 0 ? form : nullptr;
}

using vm::FormOf;
using vm::Guarded;

extern "C" {

VELMAR_EXPORT void* vm_create(QWidget* hostWindow, QWidget* parent, const int hostKey1,
                              const int hostKey2, const int elementCode, const int elementSubcode,
                              const eEmMode /*mode*/, const bool rollerShutterAllowed,
                              const bool /*reservedFlag*/, const double referenceValue,
                              const eCompForm compForm, const bool serviceFlag, velmar_data& data,
                              vm_changeCallback changeCallback, void* callbackUser) {
    TForm1* created = nullptr;
    Guarded("vm_create", [&] {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
            std::fprintf(stderr, "velmar: vm_create needs a QApplication\n");
            return;
        }
        vm::SetApplicationWindow(hostWindow);
        serviceClient.ensureLoaded();
        auto* form = new TForm1(serviceClient, hostWindow, hostKey1, hostKey2, elementCode,
                                elementSubcode, rollerShutterAllowed, referenceValue, compForm,
                                serviceFlag, data, changeCallback, callbackUser);
        // Embedded, but shown only by vm_show.
        if (parent != nullptr) form->setParent(parent, Qt::Widget);
        form->hide();
        Instances().insert(form);
        created = form;
    });
    return created;
}

VELMAR_EXPORT void vm_show(void* handle) {
    Guarded("vm_show", [&] {
        if (TForm1* form = FormOf(handle)) form->show();
    });
}

VELMAR_EXPORT void vm_delete(void* handle) {
    Guarded("vm_delete", [&] {
        TForm1* form = FormOf(handle);
        if (form == nullptr) return;
        Instances().erase(form);
        form->close();
        // Inside the host's callback the form still has its reload to finish.
        if (form->IsNotifying()) {
            form->setParent(nullptr);
            form->deleteLater();
        } else {
            delete form;
        }
    });
}

VELMAR_EXPORT void vm_getdata(void* handle, velmar_data& data) {
    Guarded("vm_getdata", [&] {
        if (TForm1* form = FormOf(handle)) form->GetData(data);
    });
}

VELMAR_EXPORT void vm_setNewData(void* handle, const int elementCode, const int elementSubcode,
                                 const bool rollerShutterAllowed, const bool /*reservedFlag*/,
                                 const double referenceValue, const eCompForm compForm,
                                 const bool serviceFlag, const velmar_data* data) {
    Guarded("vm_setNewData", [&] {
        if (TForm1* form = FormOf(handle))
            form->SetNewData(elementCode, elementSubcode, rollerShutterAllowed, referenceValue,
                             compForm, serviceFlag, data);
    });
}

VELMAR_EXPORT void vm_setBreiteHoeheElement(void* handle, double width, double height) {
    Guarded("vm_setBreiteHoeheElement", [&] {
        if (TForm1* form = FormOf(handle)) form->SetBreiteHoeheElement(width, height);
    });
}

VELMAR_EXPORT bool vm_getUw(void* handle, velmar_uw& result) {
    bool ok = false;
    Guarded("vm_getUw", [&] {
        result = velmar_uw{};
        if (TForm1* form = FormOf(handle)) ok = vm::FormUw(form->state, result);
    });
    if (!ok) result = velmar_uw{};
    return ok;
}

VELMAR_EXPORT void vm_setMode(void* /*handle*/, eEmMode /*mode*/) {}

VELMAR_EXPORT void vm_setNewRC2(void* handle, bool value) {
    Guarded("vm_setNewRC2", [&] {
        if (TForm1* form = FormOf(handle)) form->SetNewRC2(value);
    });
}

VELMAR_EXPORT void vm_deleteData(char* buffer) {
    delete[] buffer;
}

VELMAR_EXPORT void vm_setHeadless(bool headless) {
    os::setMessageOutput(headless ? os::MessageOutput::Stderr : os::MessageOutput::Automatic);
}

VELMAR_EXPORT int vm_getAccessoryForCut(void* handle, const int articleId, const int elementCode,
                                        const VM_CUT_LAGE side,
                                        std::vector<velmar_cutpos>& positions,
                                        unsigned int& chosen) {
    int result = 0;
    Guarded("vm_getAccessoryForCut", [&] {
        if (TForm1* form = FormOf(handle))
            result = form->GetAccessoryForCut(articleId, elementCode, side, positions, chosen);
    });
    return result;
}

VELMAR_EXPORT int vm_getSprosse(void* handle, const velmar_artikel& bar, const int glassId,
                                VM_KONST_TYPE& kind, velmar_artikel& result) {
    int chosen = 0;
    Guarded("vm_getSprosse", [&] {
        TForm1* form = FormOf(handle);
        if (form == nullptr) return;
        int konstType = kind;
        chosen = form->GetSprosse(bar, glassId, konstType, result);
        if (chosen != 0) kind = static_cast<VM_KONST_TYPE>(konstType);
    });
    return chosen;
}

} // extern "C"

VELMAR_EXPORT std::string velmar_dataToJson(const velmar_data& data) {
    std::string text;
    Guarded("velmar_dataToJson", [&] {
        // Through the record's packet, exactly as "vmpacket json --as
        // velmar_data" shows a stored configuration.
        TMemoryStream stream;
        data.write(stream);
        const auto decoded = vmjson::decodePacket("velmar_data", stream.bytes());
        if (!decoded) return;
        vmjson::json out = vmjson::json::object();
        out["read"] = decoded->read;
        out["record"] = decoded->record;
        text = out.dump(2, ' ', false, vmjson::json::error_handler_t::replace) + "\n";
    });
    return text;
}
