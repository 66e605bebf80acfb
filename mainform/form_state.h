#pragma once
// What the main form holds apart from its widgets: the exchange record with
// the current numbers and the candidate lists, the configuration taken over,
// the host's flags, the element's size, the glass values, the box and, per
// row, the index of the entry shown. It runs the reload chain and the change
// report. The form (TForm1) shows it and forwards the user's choices; the
// state tells the form through two hooks which row to show again and which
// message to give.

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

#include "dialogs/size_checks.h"
#include "interface/velmar_types.h"
#include "mainform/nrt_data.h"
#include "model/materialdaten.h"
#include "model/records.h"

class ServiceClient;

namespace vm {

// Where a reload starts: every list from its stage on is asked again.
enum class ReloadLevel : int {
    Series = 40,       // everything
    Colours = 45,      // colours and below
    Articles = 50,     // frame, sash, mullion, the boxes, and below
    Glass = 60,        // glass, astragal, couplings, glazing beads
    AfterProfile = 70, // glazing beads, after an astragal or coupling choice
    AfterGlass = 80,   // glazing beads, after a glass choice
    Box = 90,          // nothing; the box is reported
    None = 100,        // nothing
};

// The rows of the form, in the order of the layout.
enum class FormRow : int {
    System,
    Farbe,
    Rahmen,
    Fluegel,
    Pfosten,
    Stulp,
    Glas,
    GlasleisteR,
    GlasleisteF,
    KopplungSenk,
    KopplungWaag,
    Roll,
};
inline constexpr std::size_t kFormRows = 12;

// What the state asks the form to tell the user.
enum class FormMessage {
    SeriesChanged, // a reload shows another profile series than before
    BoxNotOnFrame, // the box cannot sit on the element's 100 mm frame
};

// What vm_create hands the form besides the record.
struct FormSetup {
    int hostKey1 = 0;
    int hostKey2 = 0;
    int elementCode = 0;
    int elementSubcode = 0;
    bool rollerShutterAllowed = true;
    double referenceValue = 0.0;
    eCompForm compForm = cfDefault;
    bool serviceFlag = false;
    vm_changeCallback changeCallback = nullptr;
    void* callbackUser = nullptr;
};

class FormState {
public:
    // The user's choices, in the order of the change report.
    enum UserChoice {
        ucRahmen,
        ucFluegel,
        ucPfosten,
        ucStulp,
        ucGlas,
        ucGlasleisteR,
        ucGlasleisteF,
        ucKopplungSenk,
        ucKopplungWaag,
        ucFarbe,
        ucSystemChanged,
        ucCount
    };

    // Takes the record over; nothing is loaded before Load().
    FormState(ServiceClient& service, const FormSetup& setup, const velmar_data& data);
    FormState(const FormState&) = delete;
    FormState& operator=(const FormState&) = delete;

    // Called with a row whenever the entry it shows (or the box) may have
    // changed, and with each message for the user. Either may be empty.
    std::function<void(FormRow)> rowShown;
    std::function<void(FormMessage)> message;

    // The first full load after taking a record over, without notifying.
    void Load();

    // ---- host calls ---------------------------------------------------------
    // Fills `data` from the rows (the members carried for host and service
    // keep the values `data` has) and asks the service for the frame's Uf.
    void GetData(velmar_data& data);
    // New element parameters and, when `data` is not null, a new record; then
    // a full reload without notifying.
    void SetNewData(int newElementCode, int newElementSubcode, bool newRollerShutterAllowed,
                    double newReferenceValue, eCompForm newCompForm, bool newServiceFlag,
                    const velmar_data* data);
    void SetNewRC2(bool value);
    void SetElementSize(double width, double height);

    // ---- reloads --------------------------------------------------------------
    // Reloads the candidate lists from `level` on, shows them and, when
    // `notify` is set, reports the changed rows to the host.
    void UpdateData(ReloadLevel level, bool notify, int previousElementCode);
    void LoadSystems();
    void LoadColors();
    void LoadArtikel();
    void LoadRollkaesten();
    void LoadGlas();
    void LoadStulp();
    void LoadKopplungen();
    void LoadGlasleisten();
    // Reads the numbers of the shown candidates back into the request; a row
    // whose index lies outside its list keeps the number held.
    void ReadNumbersBack();
    // Common to every request of the form: the header, the element, the host
    // flags and the current numbers.
    void PrepareRequest();

    // ---- rows -------------------------------------------------------------------
    // Shows in `row` the entry with `number` (else the list's default, else
    // its first entry); none when the list is empty or `number` is -2. True
    // when an entry is shown.
    bool ShowNumber(FormRow row, int number);
    // The entry the row shows; null for none and for the box row.
    const adg_nameid_props* ShownEntry(FormRow row) const;
    // Number of the candidate the row shows; the number held when its index
    // lies outside its list (and the box's number for the box row).
    int ShownNumber(FormRow row) const;
    // The candidate list of an article row; null for series, colour and box.
    std::vector<velmar_artikel>* ArticleList(FormRow row);
    // The request field that holds the row's current number; null for the box.
    int* NumberField(FormRow row);

    // ---- choices ------------------------------------------------------------------
    // What a row's dialog chose, stored and reloaded from the level the row
    // asks for; the host hears the row even when the choice is the same.
    // An article (-1 for none) with the reinforcements of its chambers.
    void ChooseArticle(FormRow row, int index, const velmar_stahl* steel1,
                       const velmar_stahl* steel2);
    // A coupling with the reinforcement chosen for it.
    void ChooseCoupling(FormRow row, int index, const velmar_stahl& reinforcement);
    void ChooseColour(int colourId, const WideText& text);
    // The glass as the glass dialog hands it back, with the values shown.
    void ChooseGlass(const velmar_artikel& glass, double ug, double psiG);
    // A new profile series (index in the series list) with the cladding
    // shells and the second option as the dialog left them; the host hears
    // code 11 alone, also for the same series.
    void ChooseSeries(int index, bool cladding, bool secondOption);
    // The box dialog's box.
    void ChooseBox(const velmar_rollkasten& box);

    // ---- rules ----------------------------------------------------------------------
    // Aluminium cladding stays chosen only where the shown profile series
    // offers it (bit 1 of its flags).
    void ApplyFirstFlagRule();
    // The element's cut positions follow the current frame only after an
    // article reload; asks for them again without touching the rows' lists.
    void RefreshElementPositions();
    // True when a roller-shutter box sits on a 100 mm frame that the
    // element's cut positions do not allow.
    bool CheckRollkastenRahmen() const;
    // Tells the user and removes the box when the combination is not allowed.
    void RemoveRollkastenIfInvalid();

    // True while the host's callback runs: the form goes on after it returns.
    bool IsNotifying() const { return notifying_ > 0; }

    // ---- what the form holds -------------------------------------------------------
    ServiceClient& service;     // the calculation service every request goes to
    Materialdaten request;      // exchange record: current numbers and candidate lists
    NRT_DATA certificationData; // constructed empty; reserved for the element's
                                // certificates, which no service answer fills yet
    velmar_data record;         // the configuration as last taken over
    vm_changeCallback changeCallback = nullptr;
    void* callbackUser = nullptr;
    int hostKey1 = 0;
    int hostKey2 = 0;
    int elementCode = 0;
    int elementSubcode = 0;
    bool option1 = false; // aluminium cladding shells
    bool option2 = false;
    bool option3 = false;
    double referenceValue = 0.0; // reserved: the host's reference value, stored as given;
                                 // no request or rule of the component uses it
    eCompForm compForm = cfDefault;
    ElementSize elementSize;
    double psiG = 0.041; // edge-seal value of the glass
    int spacerCode = 11; // spacer kind of the glass
    int ornamentId = 0;  // ornament glass chosen with the glass
    WideText ornamentName;
    double ugValue = 0.0;         // thermal value of the shown glass
    velmar_rollkasten rollkasten; // the box; its number is 0 without a box
    bool rollerShutterAllowed = true;
    bool serviceFlag = false;
    bool initialLoad = true; // until the first full reload after taking a record over
    WideText colourCode;
    std::array<bool, ucCount> userChoice{};
    // Per row the index of the entry shown in the row's candidate list; -1
    // for none (the box row shows the box itself).
    std::array<int, kFormRows> shown{};

private:
    struct ReportRow {
        int code;
        int number;
        int choice; // UserChoice, or -1 for the box
    };
    static constexpr std::size_t kReportRows = 11;

    void TakeRecordOver(const velmar_data& data);
    template <class Call> int ReloadRowList(FormRow row, Call call);
    template <class Call> void LoadRowPair(FormRow first, FormRow second, Call call);
    void Shown(FormRow row);
    void ApplyStoredReinforcements(std::vector<velmar_artikel>& list, int number,
                                   const velmar_artikel& stored);
    std::array<ReportRow, kReportRows> TakeSnapshot() const;
    void ReportChanges(const std::array<ReportRow, kReportRows>& before, ReloadLevel level);
    void Notify(int code);

    int previousElementCode_ = 0;
    int notifying_ = 0;
    // The series row's entry before the last series reload, for the warning
    // that the shown series changed; empty before anything was shown.
    WideText seriesShownBefore_;
};

} // namespace vm
