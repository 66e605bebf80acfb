#pragma once
// The velmar component as a host sees it: the functions of the shared library
// "libvelmar.so" and the records they exchange.
//
// A configurator instance is one main form embedded in a control of the host.
// Typical use, all on the host's user-interface thread:
//
//     QApplication app(argc, argv);       // before anything else, see vm_create
//     vm_loadDatabase("", "", "", "", 0); // once: the service reads its catalogue
//     velmar_data data;                   // or a configuration read from a packet
//     void* form = vm_create(mainWindow, container, key1, key2, code, subcode, emDefault,
//                            true, false, 0.0, cfDefault, false, data, onChange, context);
//     vm_show(form);
//     ...                                 // onChange(code, context) after each user change
//     vm_getdata(form, data);             // the configuration, with its Uf value
//     vm_delete(form);
//
// The handle that vm_create returns is the instance; the host never looks
// inside it. Every function that takes a handle does nothing for a null
// handle or for one that is not (or no longer) a live instance. No function
// throws; failures of the calculation service are reported to the user by
// message boxes, and no function returns an error code.
//
// Where no user can answer a message box, a message is one line
// "caption: text" on stderr instead, and the call goes on as if the user had
// pressed OK: on the offscreen and minimal Qt platforms, when the environment
// variable VELMAR_HEADLESS is set (to anything but "" or "0"), or after
// vm_setHeadless(true). Batch hosts and servers use one of these.
//
// Texts: wide texts (WideText) are UTF-16; narrow texts (const char*,
// std::string, NarrowText) are UTF-8 in both directions, from the host to the
// component and from the calculation service to both.
//
// The records (velmar_data and its members) come from "model/records.h";
// their constructors, velmar_data::write and velmar_data::read, and the byte
// streams of "model/tstream.h" are exported by the library as well.

#include <string>

#include "interface/velmar_types.h"
#include "interface/velmar_version.h"
#include "model/records.h"
#include "model/tstream.h"

class QWidget;

#ifndef VELMAR_EXPORT
#if defined(_WIN32)
#define VELMAR_EXPORT __declspec(dllexport)
#else
#define VELMAR_EXPORT __attribute__((visibility("default")))
#endif
#endif

extern "C" {

// Makes the calculation service ("kalksrv.dll" beside the library) read its
// article database; the service then stays loaded for the rest of the
// process. The four texts and the number are the service's business and
// are passed unchanged. Call once, before the first vm_create.
VELMAR_EXPORT void vm_loadDatabase(const char* text1, const char* text2, const char* text3,
                                   const char* text4, const int number);

// Opens a configurator instance over a copy of `data` (the host keeps its
// record) and returns its handle; the instance is not shown yet.
//
// - A QApplication must exist: the component has no application object of its
//   own. A host without one creates it first (QApplication app(argc, argv));
//   without it vm_create returns null.
// - `hostWindow` takes the place of the application's window handle: pass the
//   host's top-level window (for example its QMainWindow). Messages and
//   dialogs of the component belong to it. May be null.
// - `parent` is the control the form is embedded in; the form fills it from
//   vm_show on and follows its size. Null gives a frameless top-level form.
// - `hostKey1`, `hostKey2`, `elementCode`, `elementSubcode`, `compForm` and
//   `serviceFlag` travel with every request to the calculation service.
// - `mode` and `reservedFlag` have no effect.
// - `changeCallback` (may be null) is called with a change code (eChangeCode)
//   and `callbackUser` whenever the user changed the configuration in the
//   form; the host typically calls vm_getdata then.
VELMAR_EXPORT void* vm_create(QWidget* hostWindow, QWidget* parent, const int hostKey1,
                              const int hostKey2, const int elementCode, const int elementSubcode,
                              const eEmMode mode, const bool rollerShutterAllowed,
                              const bool reservedFlag, const double referenceValue,
                              const eCompForm compForm, const bool serviceFlag, velmar_data& data,
                              vm_changeCallback changeCallback, void* callbackUser);

// Shows the form.
VELMAR_EXPORT void vm_show(void* handle);

// Closes and destroys the form; the handle is invalid afterwards. Called from
// inside the change callback, the form goes once the callback's event is
// handled.
VELMAR_EXPORT void vm_delete(void* handle);

// Writes the instance's configuration into `data`: system, colour, profiles,
// glazing beads, couplings, glass (with Ug, PsiG, spacer and ornament), free
// text, the three option flags, the roller-shutter box, and the frame's Uf
// value from the calculation service. The members carried for host and
// service keep the values `data` had. Nothing is reported to the host.
VELMAR_EXPORT void vm_getdata(void* handle, velmar_data& data);

// New element parameters and, when `data` is not null, a new configuration;
// then every list is reloaded without notifying the host. The instance's
// three option flags are kept, whatever `data` holds. `reservedFlag` has no
// effect.
VELMAR_EXPORT void vm_setNewData(void* handle, const int elementCode, const int elementSubcode,
                                 const bool rollerShutterAllowed, const bool reservedFlag,
                                 const double referenceValue, const eCompForm compForm,
                                 const bool serviceFlag, const velmar_data* data);

// The element's width and height in millimetres (for the roller-shutter
// checks). Nothing is recomputed.
VELMAR_EXPORT void vm_setBreiteHoeheElement(void* handle, double width, double height);

// Has no effect.
VELMAR_EXPORT void vm_setMode(void* handle, eEmMode mode);

// Sets the third option flag; it reaches the record at the next vm_getdata.
VELMAR_EXPORT void vm_setNewRC2(void* handle, bool value);

// Frees a buffer that the component handed to the host. Null does nothing.
VELMAR_EXPORT void vm_deleteData(char* buffer);

// true: no user is there to answer; every message of the component goes to
// stderr and the call goes on as after OK. false (the default): message boxes
// wherever a user can see them (see above). May be called at any time, also
// before a QApplication exists.
VELMAR_EXPORT void vm_setHeadless(bool headless);

} // extern "C"

// The record as JSON text (indented, UTF-8): what "vmpacket json --as
// velmar_data" prints for the packet that velmar_data::write makes of it,
// {"read": ..., "record": {...}}. The packet does not hold option3. For hosts
// that show or log a configuration; empty if the record cannot be encoded.
VELMAR_EXPORT std::string velmar_dataToJson(const velmar_data& data);
