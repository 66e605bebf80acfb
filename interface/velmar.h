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
#include <vector>

#include "interface/velmar_types.h"
#include "interface/velmar_version.h"
#include "model/records.h"
#include "model/tstream.h"

class QWidget;
class QV_C_DataBase; // "platform/drawing/qv_database.h"

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
// checks and vm_getUw). Nothing is recomputed.
VELMAR_EXPORT void vm_setBreiteHoeheElement(void* handle, double width, double height);

// The element's Uw after EN ISO 10077-1 (the value a window is declared
// with under EN 14351-1) and its parts, into `result`: the frame, sash,
// mullion and astragal as the element has them (its cut positions), their
// visible face widths and Uf from the calculation service, the glass's Ug
// and PsiG, at the size of vm_setBreiteHoeheElement or, without one, the
// standard's reference size 1230 × 1480 mm (result.referenceSize). Asks the
// service; nothing is reported to the host. False, with `result` zeroed,
// where a value is missing: no glass, no Ug, a profile without face width or
// Uf, an element too small for glass, or a service that does not answer
// face widths (_KS_getAnsichtsbreiten, service/ks_api.h).
VELMAR_EXPORT bool vm_getUw(void* handle, velmar_uw& result);

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

// ---- queries on an instance ------------------------------------------------
// Each works on the configuration of the instance behind `handle`, with a
// request of the instance's own (its keys, series, numbers and element
// codes); a null or unknown handle does nothing and returns 0 or false. The
// instance's rows, numbers and lists stay as they are, and the host is not
// notified, unless said otherwise.

// The section of `cut` (its configuration, positions, element code in
// intValue, flag and second number): the drawing is read into `database`
// (left empty when the service has none; the construction layers stay
// visible), `info` receives the cut's materials followed by the glass's and
// the wall connections (flag1: a drawing was read; flag2: the glass has a
// material), `text` the cut's text (UTF-8). 1 when a drawing was read.
VELMAR_EXPORT int vm_getCut(void* handle, const velmar_cut& cut, QV_C_DataBase& database,
                            velmar_CutInfo& info, std::string& text);

// Lets the service check the accessory list `positions` for the instance's
// element and replaces it with the checked list.
VELMAR_EXPORT void vm_checkAccessoryForCut(void* handle, std::vector<velmar_cutpos>& positions);

// Adds the additional profile `article` to the openings of `position` that
// `side` selects (151, 152, 153: one opening; 0: all three), with its data
// from the catalogue. 1 when the service answered with the position.
VELMAR_EXPORT int vm_addProfileToAccessoryForCut(void* handle, velmar_cutpos& position,
                                                 const int article, const int side);

// Puts the profiles of wall connection `wallConnection` of `series` into the
// openings (`side` as above) of the accessory list `positions`, for the frame
// `frame`; the list becomes the service's. Always true for a live instance.
VELMAR_EXPORT bool vm_addWallProfileToAccessoryForCut(void* handle,
                                                      std::vector<velmar_cutpos>& positions,
                                                      const int wallConnection, const int series,
                                                      const int side, const int frame);

// Removes every additional article of construction type `konstType` from the
// openings of `positions`; nothing else changes and the service is not asked.
VELMAR_EXPORT void vm_removeProfileTypeFromAccessories(void* handle,
                                                       std::vector<velmar_cutpos>& positions,
                                                       const int konstType);

// Fills in the construction type of every article of `positions` from the
// catalogue; `positions` becomes the service's list.
VELMAR_EXPORT void vm_getProfileTypesForCut(void* handle, std::vector<velmar_cutpos>& positions,
                                            const int elementCode);

// Lets the user choose another article of the construction type of `article`
// (11 frame, 23 sash, 24 mullion, 25 astragal, 18 coupling with bit 0x20
// vertical or 0x40 horizontal in its flags) in the article or coupling
// dialog; on OK `article` becomes the chosen candidate with its
// reinforcements, and 1 is returned. 0 for other types or Cancel.
VELMAR_EXPORT int vm_changeArtikel(void* handle, velmar_artikel& article);

// The same with the construction type given (`konstType`; 0 takes the
// article's own) and the reinforcement lists shown only when
// `withReinforcement` is set. C has no overloads: this is the second form of
// vm_changeArtikel, which C++ hosts also call by that name (below).
VELMAR_EXPORT int vm_changeArtikelOfType(void* handle, velmar_artikel& article, const int konstType,
                                         const bool withReinforcement);

// Lets the user choose another glass for `profile` (and, with
// `showGlazingBeads`, its glazing bead on the profile's side: frame side for
// construction type 11) in the glass dialog, from the glass list of `series`
// for element `elementCode` (0: the instance's). On OK `glass` (and
// `glazingBead`) become the choice and 1 is returned.
VELMAR_EXPORT int vm_changeGlas(void* handle, velmar_artikel& glass, velmar_artikel& glazingBead,
                                const velmar_artikel& profile, const int series,
                                const int elementCode, const bool showGlazingBeads);

// Hands the host's glass list to the service, then reloads the instance's
// glass, astragal, coupling and bead rows without notifying.
VELMAR_EXPORT void vm_setGlaeser(void* handle, const velmar_vector<velmar_glas>& glasses);

// Brings `glass` up to the catalogue's glass of its number (keeping the
// ornament) and, with `withGlazingBead`, `glazingBead` to a bead the
// catalogue offers for it on profile `profile` (frame side for
// `profileKonstType` 11); 1 then. A glass the catalogue no longer has is
// left as it was, with its bead, and 0 is returned.
VELMAR_EXPORT int vm_correctGlas(void* handle, velmar_artikel& glass, velmar_artikel& glazingBead,
                                 const int profile, const int profileKonstType,
                                 const bool withGlazingBead);

// vm_correctGlas for every glass (construction type 43) of `positions`, with
// the profile and bead of its position (beads only when `withGlazingBeads`
// is not 0). Returns how many glasses were corrected.
VELMAR_EXPORT int vm_correctGlasses(void* handle, std::vector<velmar_cutpos>& positions,
                                    const int withGlazingBeads);

// The add-on profile above (`top`) or below the frame of sash `sash` in
// `series` (below: for `position`); 1 and `profile` filled when the catalogue
// offers exactly one.
VELMAR_EXPORT int vm_getAufbauprofil(void* handle, const velmar_cutpos& position, const int sash,
                                     const int series, const bool top, velmar_artikel& profile);

// Adds the series' base profile to the first opening of every position of
// the accessory list `positions`.
VELMAR_EXPORT void vm_addDefaultBasisProfile(void* handle, std::vector<velmar_cutpos>& positions);

// Whether the element (its size as last set by vm_setBreiteHoeheElement) can
// take the roller-shutter box `box`: the box's curtain covers its width and
// area, resp. the element is neither higher nor wider than the box's limits
// (size3, size4). A box with id 0 always fits.
VELMAR_EXPORT bool vm_checkPanzerGroesseWithRollkasten(void* handle, const velmar_rollkasten& box);
VELMAR_EXPORT bool vm_checkElementHoeheWithRollkasten(void* handle, const velmar_rollkasten& box);

// ---- queries without an instance -------------------------------------------
// Each builds one request from its arguments, loads the calculation service,
// makes one call and unloads the service again (an open instance reloads it
// with its next request). Narrow texts are UTF-8. When the service is missing
// or fails, its message is shown and the result is the "nothing" value named.

// Checks a sash size. `argument` goes to the service as the check's kind,
// `colour` as colour, `series`, `elementCode` and `key` (the request's
// second key); `dimension`, `thermal` and `length` are the sizes the check
// compares. Returns the service's answer (an article number), 0 for none.
VELMAR_EXPORT int vm_checkFluegelgroessen(const velmar_cutpos& position, const bool flag,
                                          const double dimension, const int argument,
                                          const int colour, const int series, const int elementCode,
                                          const int key, const double thermal, const double length);

// Whether series `series` may be built as a fire-protection element; false
// when the service cannot answer.
VELMAR_EXPORT bool vm_checkBrand(const int key, const int series);

// The catalogue drawing (DXF) of `article` of `series`: a block of `length`
// bytes that the host owns and frees with vm_deleteData; null and length 0
// when there is none.
VELMAR_EXPORT char* vm_getArtikelDwg(int& length, const int key, const int article,
                                     const int series);

// The smallest and largest roller-shutter size for the first box (construction
// type 170) among the first openings of `positions`; 0 and 0 when unknown.
VELMAR_EXPORT void vm_getMinMaxSizeForRollerShutter(const int key,
                                                    const std::vector<velmar_cutpos>& positions,
                                                    int& minimum, int& maximum);

// The articles of one cut position as texts: one short text (article number
// and name) per article appended to `shortTexts`, the tender text lines to
// `tenderTexts`. Nothing is appended when the service cannot answer.
VELMAR_EXPORT void vm_getArtikelTextForCut(const velmar_cutpos& position, const int key,
                                           const int key1, std::vector<std::string>& shortTexts,
                                           std::vector<std::string>& tenderTexts);

// The equipment of an element of `series`: `equipment` becomes the service's
// list (unchanged when the service cannot answer).
VELMAR_EXPORT void vm_getAusstattung(const int elementCode, const int key, const int series,
                                     const int key1, std::vector<velmar_zusatzartikel>& equipment);

// The Uf value of one cut position; -1.0 when the service cannot answer.
VELMAR_EXPORT double vm_getUfForCut(const velmar_cutpos& position, const int key, const int series,
                                    const int elementCode);

// The real thickness of glass `glass` in millimetres; 0.0 when unknown.
VELMAR_EXPORT double vm_getGlasdickeReal(const int glass);

// ---- queries of an instance that let the user choose -------------------------
// Each shows a modal dialog over the instance's configuration and returns 1
// when the user confirmed it with OK; the out-parameters are written only
// then. Cancel, Escape and a null handle return 0 and change nothing.

// The accessories and additional profiles of one cut: the calculation
// service offers those of the profile `articleId` (for the element code
// `elementCode` of the cut), and the user ticks them in a tree, with a steel
// reinforcement per chamber. `positions` are the cut positions with the
// accessories chosen so far in the `zusatz` lists of their openings; `side`
// limits the choice to one opening of each position (clAll: all three). On
// OK `positions` holds the positions with the ticked accessories and
// `chosen` how many accessories were ticked.
VELMAR_EXPORT int vm_getAccessoryForCut(void* handle, const int articleId, const int elementCode,
                                        const VM_CUT_LAGE side,
                                        std::vector<velmar_cutpos>& positions,
                                        unsigned int& chosen);

// A glazing bar for the glass `glassId`: the user picks the kind and a bar
// of that kind, and for a glass-dividing bar its reinforcement. `bar` is the
// current bar (its id and the id of its steel1 are preselected), `kind` the
// kind shown first. On OK `kind` is the kind chosen and, when a bar was
// chosen, `result` that bar as the service lists it (a glass-dividing bar
// with its default reinforcement in steel1, whichever the user picked).
VELMAR_EXPORT int vm_getSprosse(void* handle, const velmar_artikel& bar, const int glassId,
                                VM_KONST_TYPE& kind, velmar_artikel& result);

} // extern "C"

// The second form of vm_changeArtikel under its own name, for C++ hosts.
inline int vm_changeArtikel(void* handle, velmar_artikel& article, const int konstType,
                            const bool withReinforcement) {
    return vm_changeArtikelOfType(handle, article, konstType, withReinforcement);
}

// The record as JSON text (indented, UTF-8): what "vmpacket json --as
// velmar_data" prints for the packet that velmar_data::write makes of it,
// {"read": ..., "record": {...}}. The packet does not hold option3. For hosts
// that show or log a configuration; empty if the record cannot be encoded.
VELMAR_EXPORT std::string velmar_dataToJson(const velmar_data& data);
