#pragma once
// The main configurator form: one row per component of the element, each
// showing the article chosen now. The form keeps the current choice as
// numbers in its exchange record and, per row, the index of the shown
// candidate in its name label's Tag; every reload asks the calculation
// service for the candidate lists again and tells the host what changed.

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <initializer_list>
#include <vector>

#include "interface/velmar_types.h"
#include "mainform/nrt_data.h"
#include "mainform/row_widgets.h"
#include "model/materialdaten.h"
#include "model/records.h"

class QFrame;
class QLabel;
class QToolButton;
class ServiceClient;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // The widest text a row shows before it is cut with "...", in pixels;
    // set by every form's construction.
    static int maxRowTextWidth;

    // Builds the form over a copy of `data`, applies the record to the rows
    // and loads every candidate list without notifying. Every request goes to
    // `service`. `hostWindow` is the host's top-level window (may be null).
    TForm1(ServiceClient& service, QWidget* hostWindow, int hostKey1, int hostKey2, int elementCode,
           int elementSubcode, bool rollerShutterAllowed, double referenceValue, eCompForm compForm,
           bool serviceFlag, const velmar_data& data, vm_changeCallback changeCallback,
           void* callbackUser);
    ~TForm1() override;

    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

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
    void SetBreiteHoeheElement(double width, double height);

    // ---- host queries with a dialog (one file per kind: queries_*.cpp) ----------
    // The accessories of one cut: asks the service what it offers for the
    // profile `articleId` (element code `elementCodeOfCut`) beside the
    // accessories chosen in `positions` and lets the user tick them for the
    // openings of `cutSide` (151, 152, 153 one opening, 0 all three). On OK
    // `positions` becomes the choice, `chosen` the number of accessories
    // ticked, and the result is 1; else nothing changes and the result is 0.
    int GetAccessoryForCut(int articleId, int elementCodeOfCut, int cutSide,
                           std::vector<velmar_cutpos>& positions, unsigned int& chosen);
    // A glazing bar for the glass `glassId`, starting from `bar` of kind
    // `konstType`. On OK `konstType` becomes the kind chosen and, when a bar
    // was chosen, `result` that bar (a glass-dividing bar with the
    // reinforcement chosen for it); the result is 1. Else 0.
    int GetSprosse(const velmar_artikel& bar, int glassId, int& konstType, velmar_artikel& result);

    // ---- reloads -------------------------------------------------------------
    // Reloads the candidate lists from `level` on (40 everything, 45 colours
    // and below, 50 articles and below, 60 glass, astragal, couplings and
    // beads, 70/80 beads, 90/100 nothing), shows them, and when `notify` is
    // set reports the changed rows to the host.
    void UpdateData(int level, bool notify, int previousElementCode);
    void LoadSystems();
    void LoadColors();
    void LoadArtikel();
    void LoadRollkaesten();
    void LoadGlas();
    void LoadStulp();
    void LoadKopplungen();
    void LoadGlasleisten();

    // Shows the entry with `number` (else the list's default, else its first
    // entry) in `label` and keeps its index in the label's Tag; "-" and -1
    // when the list is empty or `number` is -2. True when an entry is shown.
    bool SetArtikelLabel(vm::ClickLabel* label, const std::vector<velmar_artikel>& list,
                         int number);
    bool SetNameIdLabel(vm::ClickLabel* label, const std::vector<velmar_nameid>& list, int number);
    template <class Entry>
    bool SetEntryLabel(vm::ClickLabel* label, const std::vector<Entry>& list, int number);
    // `text` when it fits `maxWidth` pixels in the label's font; else its
    // shortest prefix wider than that, ending in "...".
    QString FitCaption(const QString& text, const QLabel* label, int maxWidth) const;

    // Reads the numbers of the shown candidates back into the request; a row
    // whose index lies outside its list keeps the number held.
    void ReadNumbersBack();

    // ---- events ----------------------------------------------------------------
    void FormShow();
    void FormResize();
    void FormDestroy();
    void OnNameIdMouseMove(QObject* sender);
    void FormMouseDown();

    // Row commands: the choice for each row, each opening its dialog.
    void BtnSystemClick(QObject* sender);
    void BtnFarbeClick(QObject* sender);
    void BtnRahmenClick(QObject* sender);
    void BtnFluegelClick(QObject* sender);
    void BtnPfostenClick(QObject* sender);
    void BtnStulpClick(QObject* sender);
    void BtnGlasClick(QObject* sender);
    void BtnGlasleisteRClick(QObject* sender);
    void BtnGlasleisteFClick(QObject* sender);
    void BtnKopplungSenkClick(QObject* sender);
    void LKopplungWaagNameClick(QObject* sender);
    void LRollClick(QObject* sender);

    // The shared article choice: opens the article dialog for `list` with
    // article type `typeCode`; on OK stores the choice in `number`, applies the
    // chosen reinforcements and, with `showResult`, shows it and reloads.
    // True when OK was chosen.
    bool SelectArtikel(std::vector<velmar_artikel>& list, int typeCode, int& number,
                       vm::ClickLabel* nameLabel, QLabel* secondLabel, bool withReinforcement,
                       bool showResult);
    // The shared coupling choice (`horizontal` selects the row shown).
    bool SelectKopplung(std::vector<velmar_artikel>& list, int& number, bool showResult,
                        bool horizontal);
    // True when a roller-shutter box sits on a 100 mm frame that the
    // element's cut positions do not allow.
    bool CheckRollkastenRahmen();
    // Tells the user and removes the box when the combination is not allowed.
    void RemoveRollkastenIfInvalid();
    // Aluminium cladding stays chosen only where the shown profile series
    // offers it (bit 1 of its flags).
    void ApplyFirstFlagRule();

    // ---- controls ----------------------------------------------------------------
    vm::ClickLabel *LSystem, *LSystemName, *ImageSystem;
    vm::ClickLabel *LFarbe, *LFarbeName, *ImageFarbe;
    vm::ClickLabel *LRahmen, *LRahmenName, *ImageRahmen;
    vm::ClickLabel *LFluegel, *LFluegelName, *ImageFluegel;
    vm::ClickLabel *LPfosten, *LPfostenName, *ImagePfosten;
    vm::ClickLabel *LStulp, *LStulpName, *ImageStulp;
    vm::ClickLabel *LGlas, *LGlasName, *ImageGlas;
    vm::ClickLabel *LGlasleisteR, *LGlasleisteRName, *ImageGlasleisteR;
    vm::ClickLabel *LGlasleisteF, *LGlasleisteFName, *ImageGlasleisteF;
    vm::ClickLabel *LKopplungSenk, *LKopplungSenkName, *ImageKopplungSenk;
    vm::ClickLabel *LKopplungWaag, *LKopplungWaagName, *ImageKopplungWaag;
    vm::ClickLabel *LRoll, *LRollName, *ImageRoll;
    QFrame *LineSystem, *LineFarbe, *LineRahmen, *LineFluegel, *LinePfosten, *LineStulp, *LineGlas,
        *LineGlasleisteR, *LineGlasleisteF, *LineKopplungSenk, *LineKopplungWaag, *LineRoll;
    QFrame *Line1, *Line2, *Line3, *Line4, *LineBottom;
    QToolButton *BtnSystem, *BtnFarbe, *BtnRahmen, *BtnFluegel, *BtnPfosten, *BtnStulp, *BtnGlas,
        *BtnGlasleisteR, *BtnGlasleisteF, *BtnKopplungSenk, *BtnKopplungWaag, *BtnRoll;
    // Second labels of the article choice; hidden.
    QLabel *LAusRahmen, *LAusFluegel, *LAusPfosten, *LAusStulp, *LAusKopplung;

    // ---- state -----------------------------------------------------------------
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

    ServiceClient& service;     // the calculation service every request goes to
    Materialdaten request;      // exchange record: current numbers and candidate lists
    NRT_DATA certificationData; // constructed empty
    velmar_data record;         // the configuration the form edits
    velmar_data secondRecord;   // the record as last taken over
    vm_changeCallback changeCallback = nullptr;
    void* callbackUser = nullptr;
    QPointer<QWidget> hostWindow;
    int hostKey1 = 0;
    int hostKey2 = 0;
    int elementCodeGiven = 0;
    int elementCode = 0;
    int elementSubcodeGiven = 0;
    int elementSubcode = 0;
    bool option1 = false; // aluminium cladding shells
    bool option2 = false;
    bool option3 = false;
    double referenceValueGiven = 0.0;
    double referenceValue = 0.0; // kept for the host; nothing reads it
    eCompForm compFormGiven = cfDefault;
    eCompForm compForm = cfDefault;
    double elementWidth = 0.0;  // millimetres
    double elementHeight = 0.0; // millimetres
    double psiG = 0.041;        // edge-seal value of the glass
    int spacerCode = 11;        // spacer kind of the glass
    int ornamentId = 0;         // ornament glass chosen with the glass
    WideText ornamentName;
    double ugValue = 0.0;         // thermal value of the shown glass
    velmar_rollkasten rollkasten; // the box; its number is 0 without a box
    bool rollerShutterAllowed = true;
    bool rollerShutterAllowedWork = true;
    bool serviceFlag = false;
    bool initialLoad = true; // until the first full reload after taking a record over
    WideText colourCode;
    QString lastHint;
    std::array<bool, ucCount> userChoice{};
    bool layoutPending = true;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Handler = void (TForm1::*)(QObject* sender);
    // Everything the form knows of one row, in one place.
    struct RowDef {
        const char* key;  // names the controls: L<key>, L<key>Name, Image<key>, ...
        const char* text; // the caption
        vm::RowIcon icon;
        int top;
        vm::ClickLabel* TForm1::*caption;
        vm::ClickLabel* TForm1::*name;
        vm::ClickLabel* TForm1::*image;
        QFrame* TForm1::*line;
        QToolButton* TForm1::*button;
        bool labelsHidden;                       // the glazing-bead rows show only their icons
        int listBase;                            // candidate list in the request; -1 for the box
        int Materialdaten::*number;              // current number; null for the box
        velmar_nameid velmar_data::*nameIdField; // what GetData fills (or null)
        velmar_artikel velmar_data::*artikelField;
        int changeCode;
        int choice;            // UserChoice, or -1 (never forced)
        int reportPosition;    // place in the change report; -1 not reported
        bool hint;             // the name label shows its entry as hint
        Handler command;       // caption, name label and icon
        Handler buttonCommand; // the row's speed button
    };
    static const std::array<RowDef, 12>& RowDefs();
    // One row's controls and its definition.
    struct Row {
        vm::ClickLabel* caption;
        vm::ClickLabel* name;
        vm::ClickLabel* image;
        QFrame* line;
        QToolButton* button;
        const RowDef* def;
    };
    // One row's values in the change report.
    struct ReportRow {
        int code;
        int number;
        int choice; // UserChoice, or -1 for the box
    };
    static constexpr std::size_t kReportRows = 11;

    void BuildLayout();
    void ApplyArialFont();
    void BindCommands();
    void TakeRecordOver(const velmar_data& data);
    void PrepareRequest();
    // Number of the candidate the row shows; the number held when its index
    // lies outside its list (and the box's number for the box row).
    int ShownRowNumber(const Row& row);
    std::array<ReportRow, kReportRows> TakeSnapshot();
    void ReportChanges(const std::array<ReportRow, kReportRows>& before, int level);
    void Notify(int code);
    void ShowRollkasten();
    void ShowGlasRow();
    void ApplyStoredReinforcements(std::vector<velmar_artikel>& list, int number,
                                   const velmar_artikel& stored);
    QWidget* MessageOwner();

    std::array<Row, 12> rows_{};
    int previousElementCode_ = 0;
    int notifying_ = 0;

public:
    // True while the host's callback runs: the form goes on after it returns.
    bool IsNotifying() const { return notifying_ > 0; }
};
