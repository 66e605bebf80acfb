#include "mainform/vm_mainform.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>

#include "model/ks_lists.h"
#include "platform/os/locals.h"
#include "platform/os/message.h"
#include "service/service_client.h"
#include "ui/list_helpers.h"
#include "ui/request_lists.h"

int TForm1::maxRowTextWidth = 450;

namespace {

constexpr int kFormWidth = 769;
constexpr int kFormHeight = 565;
constexpr int kCaptionLeft = 15;
constexpr int kNameGap = 22; // name column: this far right of the widest caption
constexpr int kLabelHeight = 13;
constexpr int kIconSize = 13;
const QColor kRowGrey(0x66, 0x66, 0x66);

// Extra data of the profile-system request.
constexpr double kSystemRequestValue1 = 0.6;
constexpr double kSystemRequestValue2 = 20.0;

const QString kNoEntry = QStringLiteral("-");

using vm::EntryAt;
using vm::FindEntryIndex;

// Number of the candidate a name label shows; `held` when its index lies
// outside the list.
template <class Entry>
int ShownNumber(const vm::ClickLabel* label, const std::vector<Entry>& list, int held) {
    const Entry* entry = EntryAt(list, label->Tag);
    return entry != nullptr ? entry->getId() : held;
}

void AutoSizeLabel(QLabel* label) {
    const QFontMetrics fm(label->font());
    label->resize(std::max(1, fm.horizontalAdvance(label->text())), kLabelHeight);
}

vm::ClickLabel* MakeLabel(QWidget* parent, const QString& objectName, const QString& text) {
    auto* label = new vm::ClickLabel(parent);
    label->setObjectName(objectName);
    label->setText(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kRowGrey);
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

vm::ClickLabel* MakeImage(QWidget* parent, const QString& objectName, vm::RowIcon icon) {
    auto* image = new vm::ClickLabel(parent);
    image->setObjectName(objectName);
    image->setPixmap(vm::DrawRowIcon(icon));
    image->setAttribute(Qt::WA_TranslucentBackground);
    image->resize(kIconSize, kIconSize);
    return image;
}

QFrame* MakeLine(QWidget* parent, const QString& objectName) {
    auto* line = new QFrame(parent);
    line->setObjectName(objectName);
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, kRowGrey);
    line->setPalette(palette);
    line->hide();
    return line;
}

QToolButton* MakeButton(QWidget* parent, const QString& objectName) {
    auto* button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setAutoRaise(true); // flat
    button->resize(20, 20);
    button->hide();
    return button;
}

} // namespace

// ---- rows ----------------------------------------------------------------------

const std::array<TForm1::RowDef, 12>& TForm1::RowDefs() {
    using I = vm::RowIcon;
    using M = Materialdaten;
    using D = velmar_data;
    using F = TForm1;
    // In the order of the layout; the change report goes frame to box, then
    // colour.
    static const std::array<RowDef, 12> defs = {{
        {"System",
         "Profilserie:",
         I::System,
         2,
         &F::LSystem,
         &F::LSystemName,
         &F::ImageSystem,
         &F::LineSystem,
         &F::BtnSystem,
         false,
         ks_list::systems,
         &M::systemId,
         &D::system,
         nullptr,
         ccSystemChanged,
         -1,
         -1,
         true,
         &F::BtnSystemClick,
         &F::BtnSystemClick},
        {"Farbe",      "Farben:",      I::Farbe,          18,
         &F::LFarbe,   &F::LFarbeName, &F::ImageFarbe,    &F::LineFarbe,
         &F::BtnFarbe, false,          ks_list::colours,  &M::colourId,
         &D::farbe,    nullptr,        ccFarbe,           ucFarbe,
         10,           false,          &F::BtnFarbeClick, &F::BtnFarbeClick},
        {"Rahmen",
         "Rahmen:",
         I::Rahmen,
         35,
         &F::LRahmen,
         &F::LRahmenName,
         &F::ImageRahmen,
         &F::LineRahmen,
         &F::BtnRahmen,
         false,
         ks_list::frames,
         &M::frameId,
         nullptr,
         &D::rahmen,
         ccRahmen,
         ucRahmen,
         0,
         true,
         &F::BtnRahmenClick,
         &F::BtnRahmenClick},
        {"Fluegel",
         "Flügel:",
         I::Fluegel,
         52,
         &F::LFluegel,
         &F::LFluegelName,
         &F::ImageFluegel,
         &F::LineFluegel,
         &F::BtnFluegel,
         false,
         ks_list::sashes,
         &M::sashId,
         nullptr,
         &D::fluegel,
         ccFluegel,
         ucFluegel,
         1,
         true,
         &F::BtnFluegelClick,
         &F::BtnFluegelClick},
        {"Pfosten",
         "Pfosten:",
         I::Pfosten,
         69,
         &F::LPfosten,
         &F::LPfostenName,
         &F::ImagePfosten,
         &F::LinePfosten,
         &F::BtnPfosten,
         false,
         ks_list::mullions,
         &M::mullionId,
         nullptr,
         &D::pfosten,
         ccPfosten,
         ucPfosten,
         2,
         true,
         &F::BtnPfostenClick,
         &F::BtnPfostenClick},
        {"Stulp",
         "Stulpprofile:",
         I::Stulp,
         86,
         &F::LStulp,
         &F::LStulpName,
         &F::ImageStulp,
         &F::LineStulp,
         &F::BtnStulp,
         false,
         ks_list::astragals,
         &M::astragalId,
         nullptr,
         &D::stulp,
         ccStulp,
         ucStulp,
         3,
         true,
         &F::BtnStulpClick,
         &F::BtnStulpClick},
        {"Glas",
         "Verglasung + Randverbund:",
         I::Glas,
         103,
         &F::LGlas,
         &F::LGlasName,
         &F::ImageGlas,
         &F::LineGlas,
         &F::BtnGlas,
         false,
         ks_list::glasses,
         &M::glassId,
         nullptr,
         &D::glas,
         ccGlas,
         ucGlas,
         4,
         true,
         &F::BtnGlasClick,
         &F::BtnGlasClick},
        {"GlasleisteR",
         "Glasleiste Rahmen/Pfosten:",
         I::GlasleisteR,
         286,
         &F::LGlasleisteR,
         &F::LGlasleisteRName,
         &F::ImageGlasleisteR,
         &F::LineGlasleisteR,
         &F::BtnGlasleisteR,
         true,
         ks_list::beadsFrameSide,
         &M::beadFrameSideId,
         nullptr,
         &D::glasleisteR,
         ccGlas,
         ucGlasleisteR,
         5,
         true,
         &F::BtnGlasleisteRClick,
         &F::BtnGlasleisteRClick},
        {"GlasleisteF",
         "Glasleiste Flügel/Sprossen:",
         I::GlasleisteF,
         303,
         &F::LGlasleisteF,
         &F::LGlasleisteFName,
         &F::ImageGlasleisteF,
         &F::LineGlasleisteF,
         &F::BtnGlasleisteF,
         true,
         ks_list::beadsSashSide,
         &M::beadSashSideId,
         nullptr,
         &D::glasleisteF,
         ccGlas,
         ucGlasleisteF,
         6,
         true,
         &F::BtnGlasleisteFClick,
         &F::BtnGlasleisteFClick},
        {"KopplungSenk",
         "Kopplungsprofil senkrecht:",
         I::KopplungSenk,
         120,
         &F::LKopplungSenk,
         &F::LKopplungSenkName,
         &F::ImageKopplungSenk,
         &F::LineKopplungSenk,
         &F::BtnKopplungSenk,
         false,
         ks_list::couplingsVertical,
         &M::couplingVerticalId,
         nullptr,
         &D::kopplungSenk,
         ccKopplungSenk,
         ucKopplungSenk,
         7,
         true,
         &F::BtnKopplungSenkClick,
         &F::BtnKopplungSenkClick},
        // The horizontal row's button and the box row's button open the
        // vertical coupling's choice.
        {"KopplungWaag",
         "Kopplungsprofil waagerecht:",
         I::KopplungWaag,
         137,
         &F::LKopplungWaag,
         &F::LKopplungWaagName,
         &F::ImageKopplungWaag,
         &F::LineKopplungWaag,
         &F::BtnKopplungWaag,
         false,
         ks_list::couplingsHorizontal,
         &M::couplingHorizontalId,
         nullptr,
         &D::kopplungWaag,
         ccKopplungWaag,
         ucKopplungWaag,
         8,
         true,
         &F::LKopplungWaagNameClick,
         &F::BtnKopplungSenkClick},
        {"Roll",
         "Rollladenkasten:",
         I::Roll,
         154,
         &F::LRoll,
         &F::LRollName,
         &F::ImageRoll,
         &F::LineRoll,
         &F::BtnRoll,
         false,
         -1,
         nullptr,
         nullptr,
         nullptr,
         ccRollkasten,
         -1,
         9,
         false,
         &F::LRollClick,
         &F::BtnKopplungSenkClick},
    }};
    return defs;
}

// ---- construction ----------------------------------------------------------------

TForm1::TForm1(ServiceClient& service_, QWidget* hostWindow_, int hostKey1_, int hostKey2_,
               int elementCode_, int elementSubcode_, bool rollerShutterAllowed_,
               double referenceValue_, eCompForm compForm_, bool serviceFlag_,
               const velmar_data& data, vm_changeCallback changeCallback_, void* callbackUser_)
    : QWidget(nullptr, Qt::FramelessWindowHint), service(service_), record(data) {
    BuildLayout();

    changeCallback = changeCallback_;
    callbackUser = callbackUser_;
    hostWindow = hostWindow_;
    hostKey1 = hostKey1_;
    hostKey2 = hostKey2_;
    elementCodeGiven = elementCode = elementCode_;
    elementSubcodeGiven = elementSubcode = elementSubcode_;
    rollerShutterAllowed = rollerShutterAllowedWork = rollerShutterAllowed_;
    referenceValueGiven = referenceValue = referenceValue_;
    compFormGiven = compForm = compForm_;
    serviceFlag = serviceFlag_;
    option1 = data.option1;
    option2 = data.option2;
    option3 = data.option3;
    request.hostKey1 = hostKey1;
    request.hostKey2 = hostKey2;
    request.requestKind = 2;

    maxRowTextWidth = 450;
    layoutPending = true;

    TakeRecordOver(data);
    userChoice.fill(false);

    ApplyArialFont();
    FormResize();

    UpdateData(40, false, 0);
    initialLoad = false;
}

TForm1::~TForm1() {
    FormDestroy();
    // Again, for a form destroyed without its destroy event; no effect when
    // the service is already unloaded.
    service.unload();
}

void TForm1::BuildLayout() {
    setObjectName(QStringLiteral("Form1"));
    resize(kFormWidth, kFormHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);

    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const RowDef& def = RowDefs()[i];
        const QString key = QString::fromLatin1(def.key);
        Row& row = rows_[i];
        row.def = &def;
        row.image = this->*def.image = MakeImage(this, QStringLiteral("Image") + key, def.icon);
        row.line = this->*def.line = MakeLine(this, QStringLiteral("Line") + key);
        row.button = this->*def.button = MakeButton(this, QStringLiteral("Btn") + key);
        row.caption = this->*def.caption =
                          MakeLabel(this, QStringLiteral("L") + key, QString::fromUtf8(def.text));
        row.name =
            this->*def.name =
                MakeLabel(this, QStringLiteral("L") + key + QStringLiteral("Name"), kNoEntry);
        row.caption->move(kCaptionLeft, def.top);
        row.name->move(kCaptionLeft, def.top);
        row.image->move(0, def.top - 2);
        row.line->setGeometry(kCaptionLeft, def.top + 15, kFormWidth - 2 * kCaptionLeft, 1);
        row.button->move(kFormWidth - 24, def.top - 4);
        if (def.labelsHidden) {
            row.caption->hide();
            row.name->hide();
        }
    }
    Line1 = MakeLine(this, QStringLiteral("Line1"));
    Line2 = MakeLine(this, QStringLiteral("Line2"));
    Line3 = MakeLine(this, QStringLiteral("Line3"));
    Line4 = MakeLine(this, QStringLiteral("Line4"));
    LineBottom = MakeLine(this, QStringLiteral("LineBottom"));
    Line1->setGeometry(0, 0, kFormWidth, 1);
    Line2->setGeometry(0, 118, kFormWidth, 1);
    Line3->setGeometry(0, 170, kFormWidth, 1);
    Line4->setGeometry(0, 282, kFormWidth, 1);
    LineBottom->setGeometry(0, kFormHeight - 1, kFormWidth, 1);

    auto makeAus = [this](const char* name, int top) {
        QLabel* label = MakeLabel(this, QString::fromLatin1(name), QStringLiteral("----"));
        label->move(kFormWidth - 60, top);
        label->hide();
        return label;
    };
    LAusRahmen = makeAus("LAusRahmen", 35);
    LAusFluegel = makeAus("LAusFluegel", 52);
    LAusPfosten = makeAus("LAusPfosten", 69);
    LAusStulp = makeAus("LAusStulp", 86);
    LAusKopplung = makeAus("LAusKopplung", 120);

    for (const Row& row : rows_) {
        connect(row.caption, &vm::ClickLabel::mouseMoved, this,
                [this, label = row.caption] { OnNameIdMouseMove(label); });
        connect(row.name, &vm::ClickLabel::mouseMoved, this,
                [this, label = row.name] { OnNameIdMouseMove(label); });
    }
    BindCommands();
}

void TForm1::BindCommands() {
    auto bind = [this](Handler handler, QObject* control) {
        if (auto* label = qobject_cast<vm::ClickLabel*>(control))
            connect(label, &vm::ClickLabel::clicked, this,
                    [this, handler, control] { (this->*handler)(control); });
        else if (auto* button = qobject_cast<QToolButton*>(control))
            connect(button, &QToolButton::clicked, this,
                    [this, handler, control] { (this->*handler)(control); });
    };
    for (const Row& row : rows_) {
        for (QObject* control : {static_cast<QObject*>(row.caption),
                                 static_cast<QObject*>(row.name), static_cast<QObject*>(row.image)})
            bind(row.def->command, control);
        bind(row.def->buttonCommand, row.button);
    }
}

// Every control gets Arial with no style; the rows keep their grey.
void TForm1::ApplyArialFont() {
    auto apply = [](QWidget* widget) {
        QFont font = widget->font();
        font.setFamily(QStringLiteral("Arial"));
        font.setBold(false);
        font.setItalic(false);
        font.setUnderline(false);
        font.setStrikeOut(false);
        widget->setFont(font);
    };
    apply(this);
    for (QWidget* child : findChildren<QWidget*>()) apply(child);
}

void TForm1::TakeRecordOver(const velmar_data& data) {
    record = data;
    secondRecord = data;
    initialLoad = true;

    // The record's numbers stand until the rows show candidates again.
    request.fillFrom(data);
    for (const Row& row : rows_) row.name->Tag = -1;
    rollkasten = data.rollkasten;

    psiG = std::abs(data.glas.nameId.value2) < 1e-6 ? 0.041 : data.glas.nameId.value2;
    spacerCode = data.glas.intValue == 0 ? 11 : data.glas.intValue;
    ornamentId = data.glas.steel1.nameId.id;
    ornamentName = data.glas.steel1.nameId.name;
    ugValue = data.glas.nameId.value1;
}

// ---- host calls --------------------------------------------------------------------

void TForm1::GetData(velmar_data& data) {
    ReadNumbersBack();
    PrepareRequest();

    auto pick = [](const auto& list, const vm::ClickLabel* label, const auto& held) {
        const auto* entry = EntryAt(list, label->Tag);
        return entry != nullptr ? *entry : held;
    };
    for (const Row& row : rows_) {
        const RowDef& def = *row.def;
        if (def.nameIdField != nullptr)
            data.*def.nameIdField =
                pick(*request.nameidList(def.listBase), row.name, record.*def.nameIdField);
        if (def.artikelField != nullptr)
            data.*def.artikelField =
                pick(*request.artikelList(def.listBase), row.name, record.*def.artikelField);
    }
    if (const velmar_nameid* system = EntryAt(request.systems, LSystemName->Tag))
        data.systemValue = system->value1;
    data.glas.nameId.value1 = ugValue;
    data.glas.nameId.value2 = psiG;
    data.glas.intValue = spacerCode;
    data.glas.steel1.nameId.id = ornamentId;
    data.glas.steel1.nameId.name = ornamentName;
    data.text = record.text;
    data.option1 = option1;
    data.option2 = option2;
    data.option3 = option3;
    data.rollkasten = rollkasten;

    // A copy, so that the answer cannot touch the lists the rows show. What
    // the answer holds is handed on as it is: a failed call leaves the
    // request's own "no value" (-1), which a host must tell from a real 0.
    Materialdaten ufRequest = vm::CopyWithoutRowLists(request);
    ufRequest.thermalValue = Materialdaten().thermalValue;
    data.ufValue =
        service.getUfValue(ufRequest) ? ufRequest.thermalValue : Materialdaten().thermalValue;
}

void TForm1::SetNewData(int newElementCode, int newElementSubcode, bool newRollerShutterAllowed,
                        double newReferenceValue, eCompForm newCompForm, bool newServiceFlag,
                        const velmar_data* data) {
    const int previousElementCode = elementCode;
    elementCode = newElementCode;
    elementSubcode = newElementSubcode;
    rollerShutterAllowed = newRollerShutterAllowed;
    serviceFlag = newServiceFlag;
    referenceValue = newReferenceValue;
    compForm = newCompForm;
    request.option1 = option1;
    request.option2 = option2;
    request.option3 = option3;
    request.serviceFlag = serviceFlag;
    request.elementCode = elementCode;
    request.elementSubcode = elementSubcode;

    if (data != nullptr) {
        // The option flags stay the instance's; GetData writes them over the
        // record's.
        TakeRecordOver(*data);
    }
    initialLoad = true;
    UpdateData(40, false, previousElementCode);
    initialLoad = false;
}

void TForm1::SetNewRC2(bool value) {
    option3 = value;
    request.option3 = value;
}

void TForm1::SetBreiteHoeheElement(double width, double height) {
    elementWidth = width;
    elementHeight = height;
}

// ---- reloads ------------------------------------------------------------------------

int TForm1::ShownRowNumber(const Row& row) {
    const RowDef& def = *row.def;
    if (def.number == nullptr) return rollkasten.box.id;
    if (const auto* list = request.nameidList(def.listBase))
        return ShownNumber(row.name, *list, request.*def.number);
    if (const auto* list = request.artikelList(def.listBase))
        return ShownNumber(row.name, *list, request.*def.number);
    return request.*def.number;
}

void TForm1::ReadNumbersBack() {
    for (const Row& row : rows_)
        if (row.def->number != nullptr) request.*row.def->number = ShownRowNumber(row);
}

// Common to every reload: the header, the element, the host flags and the
// current numbers.
void TForm1::PrepareRequest() {
    request.hostKey1 = hostKey1;
    request.hostKey2 = hostKey2;
    request.requestKind = 2;
    request.elementCode = elementCode;
    request.elementSubcode = elementSubcode;
    request.serviceFlag = serviceFlag;
    request.option1 = option1;
    request.option2 = option2;
    request.option3 = option3;
    ReadNumbersBack();
}

void TForm1::UpdateData(int level, bool notify, int previousElementCode) {
    previousElementCode_ = previousElementCode;
    const auto before = TakeSnapshot();

    if (level < 41) LoadSystems();
    rollerShutterAllowedWork = rollerShutterAllowed;
    if (!rollerShutterAllowedWork) rollkasten.box.id = 0;
    if (level < 46) LoadColors();
    if (level < 51) {
        LoadArtikel();
        LoadRollkaesten();
        // Only the chosen box, held by the form, remains.
        request.rollerShutterBoxes.clear();
    }
    if (level < 61) {
        LoadGlas();
        LoadStulp();
        LoadKopplungen();
    }
    if (level < 81) LoadGlasleisten();

    if (notify) ReportChanges(before, level);
    userChoice.fill(false);
}

void TForm1::LoadSystems() {
    PrepareRequest();
    const QString textBefore = LSystemName->text();
    const int number = request.systemId;
    request.systems.clear();
    // The element form in tag 7, the two constants in tags 12 and 13, the
    // edge-seal value in tag 2.
    request.elementForm = static_cast<int>(compForm);
    request.firstDimension = kSystemRequestValue1;
    request.secondDimension = kSystemRequestValue2;
    request.psiG = psiG;
    vm::CallKeepingLists(request, {ks_list::systems},
                         [this](Materialdaten& r) { return service.getSystems(r); });
    // The extra data belongs to this request alone; later requests of the
    // form (and the cut query) must not carry it.
    request.elementForm = 0;
    request.firstDimension = -1.0;
    request.secondDimension = -1.0;
    request.psiG = -1.0;
    SetNameIdLabel(LSystemName, request.systems, number);

    ApplyFirstFlagRule();

    if (LSystemName->text() != textBefore && textBefore != kNoEntry)
        os::messageBox(localText("IDS_SYSTEM_CHANGED"), localText("IDS_WARNING"), MessageOwner());
}

void TForm1::ApplyFirstFlagRule() {
    const velmar_nameid* shown = EntryAt(request.systems, LSystemName->Tag);
    if (shown == nullptr || (shown->intValue & ks_system::claddingOffered) == 0) option1 = false;
    request.option1 = option1;
}

void TForm1::LoadColors() {
    PrepareRequest();
    const int number = request.colourId;
    request.colours.clear();
    vm::CallKeepingLists(request, {ks_list::colours},
                         [this](Materialdaten& r) { return service.getColors(r); });
    SetNameIdLabel(LFarbeName, request.colours, number);
    if (colourCode.empty()) colourCode = u"0@0";
}

void TForm1::ApplyStoredReinforcements(std::vector<velmar_artikel>& list, int number,
                                       const velmar_artikel& stored) {
    // The stored reinforcements follow the current number, not the stored
    // article: a record whose article the service no longer offers (or that
    // a door element replaces) keeps the reinforcements the user chose for
    // the candidate that takes its place. A record without an article stored
    // none, and the service's defaults stand.
    if (stored.nameId.id <= 0) return;
    for (velmar_artikel& candidate : list) {
        if (candidate.nameId.id != number) continue;
        candidate.steel1 = stored.steel1;
        candidate.steel2 = stored.steel2;
        return;
    }
}

void TForm1::LoadArtikel() {
    PrepareRequest();
    int frame = request.frameId;
    const int sash = request.sashId;
    const int mullion = request.mullionId;
    request.frames.clear();
    request.sashes.clear();
    request.mullions.clear();
    vm::CallKeepingLists(request, {ks_list::frames, ks_list::sashes, ks_list::mullions},
                         [this](Materialdaten& r) { return service.getArtikel(r); });
    // A door element that was another element before starts with the
    // service's frame.
    if ((elementCode == ks_element::door || elementCode == ks_element::doorLeafAsFrame) &&
        previousElementCode_ != 0 && previousElementCode_ != elementCode)
        frame = 1;
    if (initialLoad) {
        ApplyStoredReinforcements(request.frames, frame, secondRecord.rahmen);
        ApplyStoredReinforcements(request.sashes, sash, secondRecord.fluegel);
        ApplyStoredReinforcements(request.mullions, mullion, secondRecord.pfosten);
    }
    SetArtikelLabel(LRahmenName, request.frames, frame);
    SetArtikelLabel(LFluegelName, request.sashes, sash);
    SetArtikelLabel(LPfostenName, request.mullions, mullion);
}

void TForm1::LoadRollkaesten() {
    PrepareRequest();
    request.rollerShutterBoxes.clear();
    vm::CallKeepingLists(request, {ks_list::rollerShutterBoxes},
                         [this](Materialdaten& r) { return service.getRollkaesten(r); });
    ShowRollkasten();
}

void TForm1::ShowRollkasten() {
    const QString text =
        rollkasten.box.id > 0 ? vm::ToQString(rollkasten.getName()) + QLatin1Char(' ') : kNoEntry;
    LRollName->setText(FitCaption(text, LRollName, maxRowTextWidth));
    AutoSizeLabel(LRollName);
}

void TForm1::LoadGlas() {
    PrepareRequest();
    if (userChoice[ucSystemChanged] && !initialLoad) request.glassId = 0;
    const int number = request.glassId;
    request.glasses.clear();
    velmar_artikel sent;
    sent.nameId.id = number;
    sent.intValue = spacerCode;
    sent.steel1.nameId.id = ornamentId;
    sent.steel1.nameId.name = ornamentName;
    request.glasses.push_back(sent);
    const bool ok = vm::CallKeepingLists(request, {ks_list::glasses},
                                         [this](Materialdaten& r) { return service.getGlas(r); });
    if (!ok) request.glasses.clear();
    SetArtikelLabel(LGlasName, request.glasses, number);
    ShowGlasRow();
}

void TForm1::ShowGlasRow() {
    const velmar_artikel* glass = EntryAt(request.glasses, LGlasName->Tag);
    if (glass == nullptr) return;
    ugValue = glass->nameId.value1;
    // A glass without edge seal is named as such, in full.
    if ((glass->nameId.intValue & ks_glass::noEdgeSeal) != 0) {
        LGlasName->setText(localText("IDS_GLAS") + QLatin1Char(' ') +
                           vm::ToQString(glass->getName()));
        AutoSizeLabel(LGlasName);
    }
}

void TForm1::LoadStulp() {
    PrepareRequest();
    const int number = request.astragalId;
    request.astragals.clear();
    vm::CallKeepingLists(request, {ks_list::astragals},
                         [this](Materialdaten& r) { return service.getStulp(r); });
    if (initialLoad) ApplyStoredReinforcements(request.astragals, number, secondRecord.stulp);
    SetArtikelLabel(LStulpName, request.astragals, number);
}

void TForm1::LoadKopplungen() {
    PrepareRequest();
    if (!initialLoad) {
        request.couplingVerticalId = 0;
        request.couplingHorizontalId = 0;
    }
    const int vertical = request.couplingVerticalId;
    const int horizontal = request.couplingHorizontalId;
    request.couplingsVertical.clear();
    request.couplingsHorizontal.clear();
    vm::CallKeepingLists(request, {ks_list::couplingsVertical, ks_list::couplingsHorizontal},
                         [this](Materialdaten& r) { return service.getKopplungen(r); });
    SetArtikelLabel(LKopplungSenkName, request.couplingsVertical, vertical);
    SetArtikelLabel(LKopplungWaagName, request.couplingsHorizontal, horizontal);
}

void TForm1::LoadGlasleisten() {
    PrepareRequest();
    if (!initialLoad) {
        request.beadFrameSideId = 0;
        request.beadSashSideId = 0;
    }
    const int frameSide = request.beadFrameSideId;
    const int sashSide = request.beadSashSideId;
    // Whether frame and sash take their beads from the sash-side range.
    const velmar_artikel* frame = EntryAt(request.frames, LRahmenName->Tag);
    const velmar_artikel* sash = EntryAt(request.sashes, LFluegelName->Tag);
    request.frameSpecialRebate =
        frame != nullptr && (frame->nameId.intValue & ks_profile::specialRebate) != 0;
    request.sashSpecialRebate =
        sash != nullptr && (sash->nameId.intValue & ks_profile::specialRebate) != 0;
    request.beadsFrameSide.clear();
    request.beadsSashSide.clear();
    vm::CallKeepingLists(request, {ks_list::beadsFrameSide, ks_list::beadsSashSide},
                         [this](Materialdaten& r) { return service.getGlasleisten(r); });
    request.frameSpecialRebate = false;
    request.sashSpecialRebate = false;
    SetArtikelLabel(LGlasleisteRName, request.beadsFrameSide, frameSide);
    SetArtikelLabel(LGlasleisteFName, request.beadsSashSide, sashSide);
}

// ---- rows ----------------------------------------------------------------------------

template <class Entry>
bool TForm1::SetEntryLabel(vm::ClickLabel* label, const std::vector<Entry>& list, int number) {
    const int index = number == -2 ? -1 : FindEntryIndex(list, number);
    if (index < 0) {
        label->setText(kNoEntry);
        label->Tag = -1;
        AutoSizeLabel(label);
        return false;
    }
    label->setText(FitCaption(vm::ToQString(list[static_cast<std::size_t>(index)].getName()), label,
                              maxRowTextWidth));
    label->Tag = index;
    AutoSizeLabel(label);
    return true;
}

bool TForm1::SetArtikelLabel(vm::ClickLabel* label, const std::vector<velmar_artikel>& list,
                             int number) {
    return SetEntryLabel(label, list, number);
}

bool TForm1::SetNameIdLabel(vm::ClickLabel* label, const std::vector<velmar_nameid>& list,
                            int number) {
    return SetEntryLabel(label, list, number);
}

QString TForm1::FitCaption(const QString& text, const QLabel* label, int maxWidth) const {
    const QFontMetrics fm(label != nullptr ? label->font() : font());
    QString result;
    qsizetype i = 0;
    while (i < text.size()) {
        // Whole characters: a surrogate pair is appended at once.
        const qsizetype step =
            (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2
                                                                                               : 1;
        result += text.mid(i, step);
        i += step;
        if (fm.horizontalAdvance(result) > maxWidth) break;
    }
    if (result.size() < text.size())
        result = result.left(std::max<qsizetype>(0, result.size() - 3)) + QStringLiteral("...");
    return result;
}

// ---- change report ---------------------------------------------------------------------

std::array<TForm1::ReportRow, TForm1::kReportRows> TForm1::TakeSnapshot() {
    std::array<ReportRow, kReportRows> snapshot{};
    for (const Row& row : rows_)
        if (row.def->reportPosition >= 0)
            snapshot[static_cast<std::size_t>(row.def->reportPosition)] = {
                row.def->changeCode, ShownRowNumber(row), row.def->choice};
    return snapshot;
}

void TForm1::ReportChanges(const std::array<ReportRow, kReportRows>& before, int level) {
    if (userChoice[ucSystemChanged]) {
        userChoice[ucSystemChanged] = false;
        Notify(ccSystemChanged);
        return;
    }
    const auto after = TakeSnapshot();
    bool sent = false;
    for (std::size_t i = 0; i < after.size(); ++i) {
        const bool chosen =
            after[i].choice >= 0 && userChoice[static_cast<std::size_t>(after[i].choice)];
        if (after[i].number != before[i].number || chosen) {
            Notify(after[i].code);
            sent = true;
        }
    }
    if (level == 90) {
        Notify(ccRollkasten);
        sent = true;
    }
    if (sent) Notify(ccSummary);
}

void TForm1::Notify(int code) {
    if (changeCallback == nullptr) return;
    ++notifying_;
    changeCallback(code, callbackUser);
    --notifying_;
}

// ---- events ------------------------------------------------------------------------

QWidget* TForm1::MessageOwner() {
    return this;
}

void TForm1::FormShow() {
    // Fill the host's control, and keep filling it when it is resized.
    if (QWidget* parent = parentWidget()) {
        parent->removeEventFilter(this);
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
    FormResize();
}

void TForm1::FormResize() {
    int widest = 0;
    for (const Row& row : rows_) {
        AutoSizeLabel(row.caption);
        widest = std::max(widest, row.caption->width());
    }
    for (const Row& row : rows_) {
        row.caption->move(kCaptionLeft, row.def->top);
        row.name->move(widest + kNameGap, row.def->top);
        row.image->move(0, row.def->top - 2);
        row.image->show();
        row.line->hide();
    }
    layoutPending = false;
}

void TForm1::FormDestroy() {
    service.unload();
}

void TForm1::OnNameIdMouseMove(QObject* sender) {
    auto* label = qobject_cast<vm::ClickLabel*>(sender);
    if (label == nullptr) return;
    QString hint;
    for (const Row& row : rows_) {
        if (row.name != label || !row.def->hint) continue;
        if (const auto* list = request.nameidList(row.def->listBase))
            if (const auto* entry = EntryAt(*list, label->Tag))
                hint = vm::ToQString(entry->getName());
        if (const auto* list = request.artikelList(row.def->listBase))
            if (const auto* entry = EntryAt(*list, label->Tag))
                hint = vm::ToQString(entry->getName());
    }
    if (hint == lastHint) {
        label->setToolTipDuration(-1);
        return;
    }
    lastHint = hint;
    QToolTip::hideText();
    label->setToolTip(hint);
    label->setToolTipDuration(-1);
}

void TForm1::FormMouseDown() {}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    FormMouseDown();
    event->accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}
