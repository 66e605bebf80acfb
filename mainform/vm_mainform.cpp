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

#include "mainform/list_helpers.h"
#include "platform/os/locals.h"
#include "platform/os/message.h"
#include "service/service_client.h"

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

template <class Entry> const Entry* EntryAt(const std::vector<Entry>& list, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return nullptr;
    return &list[static_cast<std::size_t>(index)];
}

// Number of the candidate a name label shows; `held` when its index lies
// outside the list.
template <class Entry>
int ShownNumber(const vm::ClickLabel* label, const std::vector<Entry>& list, int held) {
    const Entry* entry = EntryAt(list, label->Tag);
    return entry != nullptr ? entry->getId() : held;
}

// The entry for `number`, else the list's default, else its first entry.
template <class Entry> int FindEntryIndex(const std::vector<Entry>& list, int number) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].getId() == number) return static_cast<int>(i);
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].isDefault()) return static_cast<int>(i);
    return list.empty() ? -1 : 0;
}

// The glass article as the row describes it: its name and, when one is
// chosen, its ornament or function glass.
QString GlassDescription(const velmar_artikel& glass) {
    QString text = vm::ToQString(glass.nameId.name);
    if (glass.steel1.nameId.id > 0 && !glass.steel1.nameId.name.empty())
        text += QStringLiteral(", ") + vm::ToQString(glass.steel1.nameId.name);
    return text;
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

// ---- construction ----------------------------------------------------------------

TForm1::TForm1(QWidget* hostWindow_, int hostKey1_, int hostKey2_, int elementCode_,
               int elementSubcode_, bool rollerShutterAllowed_, double referenceValue_,
               eCompForm compForm_, bool serviceFlag_, const velmar_data& data,
               vm_changeCallback changeCallback_, void* callbackUser_)
    : QWidget(nullptr, Qt::FramelessWindowHint), record(data) {
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
    serviceClient.unload();
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

    struct RowDef {
        vm::ClickLabel** caption;
        vm::ClickLabel** name;
        vm::ClickLabel** image;
        QFrame** line;
        QToolButton** button;
        const char* key;
        const char* text;
        vm::RowIcon icon;
        int top;
    };
    const RowDef rows[] = {
        {&LSystem, &LSystemName, &ImageSystem, &LineSystem, &BtnSystem, "System",
         "Profilserie:", vm::RowIcon::System, 2},
        {&LFarbe, &LFarbeName, &ImageFarbe, &LineFarbe, &BtnFarbe, "Farbe",
         "Farben:", vm::RowIcon::Farbe, 18},
        {&LRahmen, &LRahmenName, &ImageRahmen, &LineRahmen, &BtnRahmen, "Rahmen",
         "Rahmen:", vm::RowIcon::Rahmen, 35},
        {&LFluegel, &LFluegelName, &ImageFluegel, &LineFluegel, &BtnFluegel, "Fluegel",
         "Flügel:", vm::RowIcon::Fluegel, 52},
        {&LPfosten, &LPfostenName, &ImagePfosten, &LinePfosten, &BtnPfosten, "Pfosten",
         "Pfosten:", vm::RowIcon::Pfosten, 69},
        {&LStulp, &LStulpName, &ImageStulp, &LineStulp, &BtnStulp, "Stulp",
         "Stulpprofile:", vm::RowIcon::Stulp, 86},
        {&LGlas, &LGlasName, &ImageGlas, &LineGlas, &BtnGlas, "Glas",
         "Verglasung + Randverbund:", vm::RowIcon::Glas, 103},
        {&LGlasleisteR, &LGlasleisteRName, &ImageGlasleisteR, &LineGlasleisteR, &BtnGlasleisteR,
         "GlasleisteR", "Glasleiste Rahmen/Pfosten:", vm::RowIcon::GlasleisteR, 286},
        {&LGlasleisteF, &LGlasleisteFName, &ImageGlasleisteF, &LineGlasleisteF, &BtnGlasleisteF,
         "GlasleisteF", "Glasleiste Flügel/Sprossen:", vm::RowIcon::GlasleisteF, 303},
        {&LKopplungSenk, &LKopplungSenkName, &ImageKopplungSenk, &LineKopplungSenk,
         &BtnKopplungSenk, "KopplungSenk", "Kopplungsprofil senkrecht:", vm::RowIcon::KopplungSenk,
         120},
        {&LKopplungWaag, &LKopplungWaagName, &ImageKopplungWaag, &LineKopplungWaag,
         &BtnKopplungWaag, "KopplungWaag", "Kopplungsprofil waagerecht:", vm::RowIcon::KopplungWaag,
         137},
        {&LRoll, &LRollName, &ImageRoll, &LineRoll, &BtnRoll, "Roll",
         "Rollladenkasten:", vm::RowIcon::Roll, 154},
    };
    for (const RowDef& row : rows) {
        const QString key = QString::fromLatin1(row.key);
        *row.image = MakeImage(this, QStringLiteral("Image") + key, row.icon);
        *row.line = MakeLine(this, QStringLiteral("Line") + key);
        *row.button = MakeButton(this, QStringLiteral("Btn") + key);
        *row.caption = MakeLabel(this, QStringLiteral("L") + key, QString::fromUtf8(row.text));
        *row.name = MakeLabel(this, QStringLiteral("L") + key + QStringLiteral("Name"), kNoEntry);
        (*row.caption)->move(kCaptionLeft, row.top);
        (*row.name)->move(kCaptionLeft, row.top);
        (*row.image)->move(0, row.top - 2);
        (*row.line)->setGeometry(kCaptionLeft, row.top + 15, kFormWidth - 2 * kCaptionLeft, 1);
        (*row.button)->move(kFormWidth - 24, row.top - 4);
    }
    // The glazing-bead rows exist but show only their icons.
    for (QLabel* label : {LGlasleisteR, LGlasleisteRName, LGlasleisteF, LGlasleisteFName})
        label->hide();

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

    for (const Row& row : Rows()) {
        connect(row.caption, &vm::ClickLabel::mouseMoved, this,
                [this, label = row.caption] { OnNameIdMouseMove(label); });
        connect(row.name, &vm::ClickLabel::mouseMoved, this,
                [this, label = row.name] { OnNameIdMouseMove(label); });
    }
    BindCommands();
}

std::array<TForm1::Row, 12> TForm1::Rows() const {
    return {{
        {LSystem, LSystemName, ImageSystem, LineSystem, BtnSystem, 2},
        {LFarbe, LFarbeName, ImageFarbe, LineFarbe, BtnFarbe, 18},
        {LRahmen, LRahmenName, ImageRahmen, LineRahmen, BtnRahmen, 35},
        {LFluegel, LFluegelName, ImageFluegel, LineFluegel, BtnFluegel, 52},
        {LPfosten, LPfostenName, ImagePfosten, LinePfosten, BtnPfosten, 69},
        {LStulp, LStulpName, ImageStulp, LineStulp, BtnStulp, 86},
        {LGlas, LGlasName, ImageGlas, LineGlas, BtnGlas, 103},
        {LGlasleisteR, LGlasleisteRName, ImageGlasleisteR, LineGlasleisteR, BtnGlasleisteR, 286},
        {LGlasleisteF, LGlasleisteFName, ImageGlasleisteF, LineGlasleisteF, BtnGlasleisteF, 303},
        {LKopplungSenk, LKopplungSenkName, ImageKopplungSenk, LineKopplungSenk, BtnKopplungSenk,
         120},
        {LKopplungWaag, LKopplungWaagName, ImageKopplungWaag, LineKopplungWaag, BtnKopplungWaag,
         137},
        {LRoll, LRollName, ImageRoll, LineRoll, BtnRoll, 154},
    }};
}

void TForm1::BindCommands() {
    using Handler = void (TForm1::*)(QObject*);
    auto bind = [this](Handler handler, std::initializer_list<QObject*> controls) {
        for (QObject* control : controls) {
            if (auto* label = qobject_cast<vm::ClickLabel*>(control))
                connect(label, &vm::ClickLabel::clicked, this,
                        [this, handler, control] { (this->*handler)(control); });
            else if (auto* button = qobject_cast<QToolButton*>(control))
                connect(button, &QToolButton::clicked, this,
                        [this, handler, control] { (this->*handler)(control); });
        }
    };
    bind(&TForm1::BtnSystemClick, {LSystem, LSystemName, BtnSystem, ImageSystem});
    bind(&TForm1::BtnFarbeClick, {LFarbe, LFarbeName, BtnFarbe, ImageFarbe});
    bind(&TForm1::BtnRahmenClick, {LRahmen, LRahmenName, BtnRahmen, ImageRahmen});
    bind(&TForm1::BtnFluegelClick, {LFluegel, LFluegelName, BtnFluegel, ImageFluegel});
    bind(&TForm1::BtnPfostenClick, {LPfosten, LPfostenName, BtnPfosten, ImagePfosten});
    bind(&TForm1::BtnStulpClick, {LStulp, LStulpName, BtnStulp, ImageStulp});
    bind(&TForm1::BtnGlasClick, {LGlas, LGlasName, BtnGlas, ImageGlas});
    bind(&TForm1::BtnGlasleisteRClick,
         {LGlasleisteR, LGlasleisteRName, BtnGlasleisteR, ImageGlasleisteR});
    bind(&TForm1::BtnGlasleisteFClick,
         {LGlasleisteF, LGlasleisteFName, BtnGlasleisteF, ImageGlasleisteF});
    bind(&TForm1::BtnKopplungSenkClick, {LKopplungSenk, LKopplungSenkName, BtnKopplungSenk,
                                         ImageKopplungSenk, BtnKopplungWaag, BtnRoll});
    bind(&TForm1::LKopplungWaagNameClick, {LKopplungWaag, LKopplungWaagName, ImageKopplungWaag});
    bind(&TForm1::LRollClick, {LRoll, LRollName, ImageRoll});
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
    for (const Row& row : Rows()) row.name->Tag = -1;
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
    data.system = pick(request.systems, LSystemName, record.system);
    if (const velmar_nameid* system = EntryAt(request.systems, LSystemName->Tag))
        data.systemValue = system->value1;
    data.farbe = pick(request.colours, LFarbeName, record.farbe);
    data.rahmen = pick(request.frames, LRahmenName, record.rahmen);
    data.fluegel = pick(request.sashes, LFluegelName, record.fluegel);
    data.pfosten = pick(request.mullions, LPfostenName, record.pfosten);
    data.stulp = pick(request.astragals, LStulpName, record.stulp);
    data.glasleisteR = pick(request.beadsFrameSide, LGlasleisteRName, record.glasleisteR);
    data.glasleisteF = pick(request.beadsSashSide, LGlasleisteFName, record.glasleisteF);
    data.kopplungSenk = pick(request.couplingsVertical, LKopplungSenkName, record.kopplungSenk);
    data.kopplungWaag = pick(request.couplingsHorizontal, LKopplungWaagName, record.kopplungWaag);
    data.glas = pick(request.glasses, LGlasName, record.glas);
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

    // A copy, so that the answer cannot touch the lists the rows show.
    Materialdaten ufRequest = request;
    data.ufValue =
        serviceClient.getUfValue(ufRequest) ? std::max(0.0, ufRequest.thermalValue) : 0.0;
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

void TForm1::ReadNumbersBack() {
    request.systemId = ShownNumber(LSystemName, request.systems, request.systemId);
    request.colourId = ShownNumber(LFarbeName, request.colours, request.colourId);
    request.frameId = ShownNumber(LRahmenName, request.frames, request.frameId);
    request.sashId = ShownNumber(LFluegelName, request.sashes, request.sashId);
    request.mullionId = ShownNumber(LPfostenName, request.mullions, request.mullionId);
    request.astragalId = ShownNumber(LStulpName, request.astragals, request.astragalId);
    request.glassId = ShownNumber(LGlasName, request.glasses, request.glassId);
    request.beadFrameSideId =
        ShownNumber(LGlasleisteRName, request.beadsFrameSide, request.beadFrameSideId);
    request.beadSashSideId =
        ShownNumber(LGlasleisteFName, request.beadsSashSide, request.beadSashSideId);
    request.couplingVerticalId =
        ShownNumber(LKopplungSenkName, request.couplingsVertical, request.couplingVerticalId);
    request.couplingHorizontalId =
        ShownNumber(LKopplungWaagName, request.couplingsHorizontal, request.couplingHorizontalId);
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

template <class Call>
bool TForm1::CallKeepingLists(Call call, std::initializer_list<int> reloaded) {
    // The lists the rows index into. An answer carries every list of the
    // request back, but one that leaves a list out must not pull the shown
    // candidates from under the rows.
    static constexpr int kRowLists[] = {ks_list::systems,
                                        ks_list::colours,
                                        ks_list::frames,
                                        ks_list::sashes,
                                        ks_list::mullions,
                                        ks_list::astragals,
                                        ks_list::glasses,
                                        ks_list::beadsFrameSide,
                                        ks_list::beadsSashSide,
                                        ks_list::couplingsVertical,
                                        ks_list::couplingsHorizontal};
    std::vector<std::pair<int, std::vector<velmar_nameid>>> keptNameIds;
    std::vector<std::pair<int, std::vector<velmar_artikel>>> keptArticles;
    for (int base : kRowLists) {
        if (std::find(reloaded.begin(), reloaded.end(), base) != reloaded.end()) continue;
        if (const auto* list = request.nameidList(base)) keptNameIds.emplace_back(base, *list);
        if (const auto* list = request.artikelList(base)) keptArticles.emplace_back(base, *list);
    }
    const bool ok = call(request);
    if (ok) {
        for (auto& [base, list] : keptNameIds) *request.nameidList(base) = std::move(list);
        for (auto& [base, list] : keptArticles) *request.artikelList(base) = std::move(list);
    }
    return ok;
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
    request.int7 = static_cast<int>(compForm);
    request.dimension12 = kSystemRequestValue1;
    request.dimension13 = kSystemRequestValue2;
    request.double2 = psiG;
    CallKeepingLists([](Materialdaten& r) { return serviceClient.getSystems(r); },
                     {ks_list::systems});
    // The extra data belongs to this request alone; later requests of the
    // form (and the cut query) must not carry it.
    request.int7 = 0;
    request.dimension12 = -1.0;
    request.dimension13 = -1.0;
    request.double2 = -1.0;
    SetNameIdLabel(LSystemName, request.systems, number);

    // Aluminium cladding only where the shown system offers it.
    const velmar_nameid* shown = EntryAt(request.systems, LSystemName->Tag);
    if (shown == nullptr || (shown->intValue & 1) == 0) option1 = false;
    request.option1 = option1;

    if (LSystemName->text() != textBefore && textBefore != kNoEntry)
        os::messageBox(localText("IDS_SYSTEM_CHANGED"), localText("IDS_WARNING"), MessageOwner());
}

void TForm1::LoadColors() {
    PrepareRequest();
    const int number = request.colourId;
    request.colours.clear();
    CallKeepingLists([](Materialdaten& r) { return serviceClient.getColors(r); },
                     {ks_list::colours});
    SetNameIdLabel(LFarbeName, request.colours, number);
    if (colourCode.empty()) colourCode = u"0@0";
}

void TForm1::ApplyStoredReinforcements(std::vector<velmar_artikel>& list, int number,
                                       const velmar_artikel& stored) {
    // The stored reinforcements belong to the record's own article only.
    if (stored.nameId.id != number) return;
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
    CallKeepingLists([](Materialdaten& r) { return serviceClient.getArtikel(r); },
                     {ks_list::frames, ks_list::sashes, ks_list::mullions});
    // A door element that was another element before starts with the
    // service's frame.
    if ((elementCode == 337 || elementCode == 338) && previousElementCode_ != 0 &&
        previousElementCode_ != elementCode)
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
    CallKeepingLists([](Materialdaten& r) { return serviceClient.getRollkaesten(r); },
                     {ks_list::rollerShutterBoxes});
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
    const bool ok = CallKeepingLists([](Materialdaten& r) { return serviceClient.getGlas(r); },
                                     {ks_list::glasses});
    if (!ok) request.glasses.clear();
    SetArtikelLabel(LGlasName, request.glasses, number);
    ShowGlasRow();
}

void TForm1::ShowGlasRow() {
    const velmar_artikel* glass = EntryAt(request.glasses, LGlasName->Tag);
    if (glass == nullptr) return;
    ugValue = glass->nameId.value1;
    // A glass without edge seal is named as such, in full.
    if ((glass->nameId.intValue & 2) != 0) {
        LGlasName->setText(localText("IDS_GLAS") + QLatin1Char(' ') + GlassDescription(*glass));
        AutoSizeLabel(LGlasName);
    }
}

void TForm1::LoadStulp() {
    PrepareRequest();
    const int number = request.astragalId;
    request.astragals.clear();
    CallKeepingLists([](Materialdaten& r) { return serviceClient.getStulp(r); },
                     {ks_list::astragals});
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
    CallKeepingLists([](Materialdaten& r) { return serviceClient.getKopplungen(r); },
                     {ks_list::couplingsVertical, ks_list::couplingsHorizontal});
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
    request.flag84 = frame != nullptr && (frame->nameId.intValue & 4) != 0;
    request.flag120 = sash != nullptr && (sash->nameId.intValue & 4) != 0;
    request.beadsFrameSide.clear();
    request.beadsSashSide.clear();
    CallKeepingLists([](Materialdaten& r) { return serviceClient.getGlasleisten(r); },
                     {ks_list::beadsFrameSide, ks_list::beadsSashSide});
    request.flag84 = false;
    request.flag120 = false;
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

std::array<TForm1::ReportRow, 11> TForm1::TakeSnapshot() const {
    return {{
        {ccRahmen, ShownNumber(LRahmenName, request.frames, request.frameId), ucRahmen},
        {ccFluegel, ShownNumber(LFluegelName, request.sashes, request.sashId), ucFluegel},
        {ccPfosten, ShownNumber(LPfostenName, request.mullions, request.mullionId), ucPfosten},
        {ccStulp, ShownNumber(LStulpName, request.astragals, request.astragalId), ucStulp},
        {ccGlas, ShownNumber(LGlasName, request.glasses, request.glassId), ucGlas},
        {ccGlas, ShownNumber(LGlasleisteRName, request.beadsFrameSide, request.beadFrameSideId),
         ucGlasleisteR},
        {ccGlas, ShownNumber(LGlasleisteFName, request.beadsSashSide, request.beadSashSideId),
         ucGlasleisteF},
        {ccKopplungSenk,
         ShownNumber(LKopplungSenkName, request.couplingsVertical, request.couplingVerticalId),
         ucKopplungSenk},
        {ccKopplungWaag,
         ShownNumber(LKopplungWaagName, request.couplingsHorizontal, request.couplingHorizontalId),
         ucKopplungWaag},
        {ccRollkasten, rollkasten.box.id, -1},
        {ccFarbe, ShownNumber(LFarbeName, request.colours, request.colourId), ucFarbe},
    }};
}

void TForm1::ReportChanges(const std::array<ReportRow, 11>& before, int level) {
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
    for (const Row& row : Rows()) {
        AutoSizeLabel(row.caption);
        widest = std::max(widest, row.caption->width());
    }
    for (const Row& row : Rows()) {
        row.caption->move(kCaptionLeft, row.top);
        row.name->move(widest + kNameGap, row.top);
        row.image->move(0, row.top - 2);
        row.image->show();
        row.line->hide();
    }
    layoutPending = false;
}

void TForm1::FormDestroy() {
    serviceClient.unload();
}

void TForm1::OnNameIdMouseMove(QObject* sender) {
    auto* label = qobject_cast<vm::ClickLabel*>(sender);
    if (label == nullptr) return;
    QString hint;
    auto entryName = [&](const auto& list) {
        if (const auto* entry = EntryAt(list, label->Tag)) hint = vm::ToQString(entry->getName());
    };
    if (label == LSystemName)
        entryName(request.systems);
    else if (label == LRahmenName)
        entryName(request.frames);
    else if (label == LFluegelName)
        entryName(request.sashes);
    else if (label == LPfostenName)
        entryName(request.mullions);
    else if (label == LStulpName)
        entryName(request.astragals);
    else if (label == LGlasName)
        entryName(request.glasses);
    else if (label == LGlasleisteRName)
        entryName(request.beadsFrameSide);
    else if (label == LGlasleisteFName)
        entryName(request.beadsSashSide);
    else if (label == LKopplungSenkName)
        entryName(request.couplingsVertical);
    else if (label == LKopplungWaagName)
        entryName(request.couplingsHorizontal);

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

// ---- row commands --------------------------------------------------------------------
// The choices behind the rows open their dialogs; until then a click does
// nothing.

void TForm1::BtnSystemClick(QObject*) {}
void TForm1::BtnFarbeClick(QObject*) {}
void TForm1::BtnRahmenClick(QObject*) {}
void TForm1::BtnFluegelClick(QObject*) {}
void TForm1::BtnPfostenClick(QObject*) {}
void TForm1::BtnStulpClick(QObject*) {}
void TForm1::BtnGlasClick(QObject*) {}
void TForm1::BtnGlasleisteRClick(QObject*) {}
void TForm1::BtnGlasleisteFClick(QObject*) {}
void TForm1::BtnKopplungSenkClick(QObject*) {}
void TForm1::LKopplungWaagNameClick(QObject*) {}
void TForm1::LRollClick(QObject*) {}
