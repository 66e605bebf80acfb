#pragma once
// The main configurator form: one row per component of the element, each
// showing the article chosen now. The form is the view of its state
// (mainform/form_state.h): it shows the entry each row's state names, opens
// a row's dialog when the user clicks the row and hands the dialog's choice
// to the state, which reloads and tells the host what changed. The row
// commands lie in commands_*.cpp, the host's queries in form_queries.cpp.

#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <vector>

#include "interface/velmar_types.h"
#include "mainform/form_state.h"
#include "mainform/row_widgets.h"
#include "model/records.h"

class QFrame;
class QLabel;
class QToolButton;
class ServiceClient;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    using UserChoice = vm::FormState::UserChoice;
    using enum vm::FormState::UserChoice;

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

    // ---- host calls (the state's) ----------------------------------------------
    void GetData(velmar_data& data) { state.GetData(data); }
    void SetNewData(int newElementCode, int newElementSubcode, bool newRollerShutterAllowed,
                    double newReferenceValue, eCompForm newCompForm, bool newServiceFlag,
                    const velmar_data* data) {
        state.SetNewData(newElementCode, newElementSubcode, newRollerShutterAllowed,
                         newReferenceValue, newCompForm, newServiceFlag, data);
    }
    void SetNewRC2(bool value) { state.SetNewRC2(value); }
    void SetBreiteHoeheElement(double width, double height) { state.SetElementSize(width, height); }

    // ---- host queries with a dialog (form_queries.cpp) ---------------------------
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

    // ---- reloads (the state's) ----------------------------------------------------
    void UpdateData(vm::ReloadLevel level, bool notify, int previousElementCode) {
        state.UpdateData(level, notify, previousElementCode);
    }
    void ReadNumbersBack() { state.ReadNumbersBack(); }
    bool CheckRollkastenRahmen() const { return state.CheckRollkastenRahmen(); }
    void RemoveRollkastenIfInvalid() { state.RemoveRollkastenIfInvalid(); }

    // ---- display -------------------------------------------------------------------
    // Shows the entry with `number` of `list` (else the list's default, else
    // its first entry) in `label` and makes it the row's shown entry; "-"
    // and none when the list is empty or `number` is -2. True when an entry
    // is shown.
    bool SetArtikelLabel(vm::ClickLabel* label, const std::vector<velmar_artikel>& list,
                         int number);
    bool SetNameIdLabel(vm::ClickLabel* label, const std::vector<velmar_nameid>& list, int number);
    // `text` when it fits `maxWidth` pixels in the label's font; else its
    // shortest prefix wider than that, ending in "...".
    QString FitCaption(const QString& text, const QLabel* label, int maxWidth) const;

    // ---- events ----------------------------------------------------------------------
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

    // ---- controls ----------------------------------------------------------------------
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
    // Reserved: hidden labels of the layout, "----"; nothing shows in them.
    QLabel *LAusRahmen, *LAusFluegel, *LAusPfosten, *LAusStulp, *LAusKopplung;

    // ---- state -----------------------------------------------------------------------
    vm::FormState state;
    QPointer<QWidget> hostWindow;
    QString lastHint; // the hint shown last

    // True while the host's callback runs: the form goes on after it returns.
    bool IsNotifying() const { return state.IsNotifying(); }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Handler = void (TForm1::*)(QObject* sender);
    // What the view knows of one row.
    struct RowDef {
        const char* key;  // names the controls: L<key>, L<key>Name, Image<key>, ...
        const char* text; // the caption
        int top;
        vm::ClickLabel* TForm1::*caption;
        vm::ClickLabel* TForm1::*name;
        vm::ClickLabel* TForm1::*image;
        QFrame* TForm1::*line;
        QToolButton* TForm1::*button;
        bool labelsHidden;     // the glazing-bead rows show only their icons
        bool hint;             // the name label shows its entry as hint
        Handler command;       // caption, name label and icon
        Handler buttonCommand; // the row's speed button
    };
    static const std::array<RowDef, vm::kFormRows>& RowDefs();
    // One row's controls and its definition.
    struct Row {
        vm::ClickLabel* caption;
        vm::ClickLabel* name;
        vm::ClickLabel* image;
        QFrame* line;
        QToolButton* button;
        const RowDef* def;
    };

    void BuildLayout();
    void ApplyArialFont();
    void BindCommands();
    // The row whose name label is `label`; the frame row for an unknown one.
    vm::FormRow RowOf(const QLabel* label) const;
    vm::ClickLabel* NameLabel(vm::FormRow row) const {
        return rows_[static_cast<std::size_t>(row)].name;
    }
    // Shows in the row's name label what the state says it shows.
    void ShowRow(vm::FormRow row);
    void ShowEntryText(vm::ClickLabel* label, int index, const QString& text);
    template <class Entry>
    bool SetEntryLabel(vm::ClickLabel* label, const std::vector<Entry>& list, int number);
    void ShowMessage(vm::FormMessage message);
    QWidget* MessageOwner();
    // The article row's choice in the article dialog; the state stores it.
    void ChooseRowArticle(vm::FormRow row, int konstType, bool withReinforcement);
    void ChooseRowCoupling(vm::FormRow row);

    std::array<Row, vm::kFormRows> rows_{};
};
