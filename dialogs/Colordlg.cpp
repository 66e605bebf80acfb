#include "dialogs/Colordlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalBlocker>

#include <utility>

#include "platform/os/locals.h"
#include "service/service_client.h"
#include "ui/list_helpers.h"
#include "ui/request_lists.h"

namespace {

constexpr int kRalPriceClasses =
    TColorDlg::RalStandard | TColorDlg::RalSonder | TColorDlg::RalPremium;
constexpr int kRalNumbers = TColorDlg::RalAlu1 | TColorDlg::RalAlu2;

// The group a colour belongs to is the first of its group bits in this order.
constexpr int kGroupOrder[] = {
    TColorDlg::Outside,    TColorDlg::Both,    TColorDlg::KoOutside,   TColorDlg::KoBoth,
    TColorDlg::TxOutside,  TColorDlg::TxBoth,  TColorDlg::RalStandard, TColorDlg::RalSonder,
    TColorDlg::RalPremium, TColorDlg::RalAlu1, TColorDlg::RalAlu2,     TColorDlg::VarneoOutside,
    TColorDlg::VarneoBoth,
};

// Base-body and gasket colours; where a colour carries several bits of one
// kind the last of these wins.
struct ColourBit {
    int bit;
    const char* key;
};
constexpr ColourBit kBaseBody[] = {
    {0x10, "IDS_WEISS"}, {0x20, "IDS_BRAUN"}, {0x40, "IDS_OCKER"}, {0x80000, "IDS_DUNKELGRAU"}};
constexpr ColourBit kGasket[] = {{0x100, "IDS_WEISS"},
                                 {0x200, "IDS_GRAU"},
                                 {0x80, "IDS_SCHWARZ"},
                                 {0x100000, "IDS_PAPYRUSWEISS"}};

QString LastMatching(const ColourBit (&bits)[4], int flags) {
    QString text;
    for (const ColourBit& b : bits)
        if ((flags & b.bit) != 0) text = localText(b.key);
    return text;
}

// The group radios in the order the chosen group is read from them; none
// checked means the first group.
struct GroupRadio {
    QRadioButton* TColorDlg::*member;
    const char* name;
    const char* text;
    int group;
    bool priceClass; // in the RAL box, else among the foil groups
    int left, top;
};
constexpr GroupRadio kGroupRadios[] = {
    {&TColorDlg::RadioOutside, "RadioOutside", "norel LUMERA, außen foliert", TColorDlg::Outside,
     false, 12, 51},
    {&TColorDlg::RadioBoth, "RadioBoth", "norel LUMERA, beidseitig foliert", TColorDlg::Both, false,
     12, 77},
    {&TColorDlg::RadioKoOutside, "RadioKoOutside", "norel KOLORIN, außen foliert",
     TColorDlg::KoOutside, false, 12, 103},
    {&TColorDlg::RadioKoBoth, "RadioKoBoth", "norel KOLORIN, beidseitig foliert", TColorDlg::KoBoth,
     false, 12, 129},
    {&TColorDlg::RadioTxOutside, "RadioTxOutside", "norel TEXELA, außen foliert",
     TColorDlg::TxOutside, false, 14, 156},
    {&TColorDlg::RadioTxBoth, "RadioTxBoth", "norel TEXELA, beidseitig foliert", TColorDlg::TxBoth,
     false, 12, 182},
    {&TColorDlg::RadioRalStandard, "RadioRalStandard", "RAL-Standard", TColorDlg::RalStandard, true,
     8, 8},
    {&TColorDlg::RadioRalSonder, "RadioRalSonder", "RAL-Sonder", TColorDlg::RalSonder, true, 8, 36},
    {&TColorDlg::RadioRalPremium, "RadioRalPremium", "RAL-Premium", TColorDlg::RalPremium, true, 8,
     64},
    {&TColorDlg::RadioRalAlu1, "RadioRalAlu1", "RAL 1-farbig, außen + innen:", TColorDlg::RalAlu1,
     false, 11, 167},
    {&TColorDlg::RadioRalAlu2, "RadioRalAlu2", "RAL 2-farbig ", TColorDlg::RalAlu2, false, 11, 201},
    {&TColorDlg::RadioVarneoOutside, "RadioVarneoOutside", "Dekor, außen foliert",
     TColorDlg::VarneoOutside, false, 110, 133},
    {&TColorDlg::RadioVarneoBoth, "RadioVarneoBoth", "Dekor, beidseitig foliert",
     TColorDlg::VarneoBoth, false, 110, 149},
    {&TColorDlg::RadioNone, "RadioNone", "ohne Folierung", TColorDlg::None, false, 12, 25},
};

// A radio button of an auto-exclusive set refuses to be unchecked directly.
void Uncheck(QRadioButton* radio) {
    if (!radio->isChecked()) return;
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    radio->setAutoExclusive(true);
}

// Covers what lies beneath it, as the radios and the RAL box that are moved
// onto other controls must.
void Opaque(QWidget* widget) {
    widget->setAutoFillBackground(true);
}

} // namespace

TColorDlg::TColorDlg(const Inputs& in, QWidget* parent)
    : SelectionDialog(parent, QStringLiteral("ColorDlg"), QStringLiteral("Farbauswahl"), 498, 454),
      colours_(in.colours), request_(in.request), service_(in.service), currentId_(in.currentId),
      text_(in.text) {
    gbDekor = AddGroupBox("gbDekor", QStringLiteral(" Dekore "), 14, 13, 247, 334);
    edtRalai = AddEdit("edtRalai", 109, 180, 121, 21, gbDekor);
    lblRalaussen = AddLabel("lblRalaussen", QStringLiteral("außen:"), 60, 221, -1, gbDekor);
    edtRalaussen = AddEdit("edtRalaussen", 109, 217, 121, 21, gbDekor);
    lblRalinnen = AddLabel("lblRalinnen", QStringLiteral("innen:"), 64, 251, -1, gbDekor);
    edtRalinnen = AddEdit("edtRalinnen", 109, 245, 121, 21, gbDekor);
    Image1 = AddLabel("Image1", QString(), 20, 234, -1, gbDekor);
    Image1->setGeometry(20, 234, 145, 92);
    Image1->setScaledContents(true);
    Image1->hide();

    Panel2 = AddPanel("Panel2", 13, 353, 248, 65);
    Panel2->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    lblGK = AddLabel("lblGK", QStringLiteral("Grundkörper:"), 10, 14, -1, Panel2);
    GrundK = AddLabel("GrundK", QString(), 90, 14, -1, Panel2);
    GrundK->resize(150, GrundK->height());
    LabelDicht = AddLabel("LabelDicht", QStringLiteral("Dichtung:"), 10, 38, -1, Panel2);
    Dichtung = AddLabel("Dichtung", QString(), 90, 38, -1, Panel2);
    Dichtung->resize(150, Dichtung->height());

    gbRAL = AddGroupBox("gbRAL", QStringLiteral("RAL"), 267, 13, 201, 218);
    Label2 = AddLabel("Label2", QStringLiteral("innen GK"), 12, 26, -1, gbRAL);
    rbweiss = AddRadioButton("rbweiss", QStringLiteral("weiss"), 80, 24, -1, gbRAL);
    rbweiss->setChecked(true);
    rbDekor = AddRadioButton("rbDekor", QStringLiteral("Dekor"), 80, 46, -1, gbRAL);
    Label1 = AddLabel("Label1", QStringLiteral("außen VS"), 12, 78, -1, gbRAL);
    cbVoranodisiert =
        AddCheckBox("cbVoranodisiert", QStringLiteral("voranodisiert"), 80, 76, -1, gbRAL);
    Panel3 = AddPanel("Panel3", 8, 108, 185, 98, gbRAL);

    for (const GroupRadio& g : kGroupRadios) {
        QRadioButton* radio =
            AddRadioButton(g.name, QString::fromUtf8(g.text), g.left, g.top, -1,
                           g.priceClass ? static_cast<QWidget*>(Panel3) : gbDekor);
        this->*g.member = radio;
        groupRadios_.emplace_back(radio, g.group);
        // The price classes show with their box.
        if (!g.priceClass) radio->setVisible(Offered(g.group));
        connect(radio, &QRadioButton::clicked, this, [this, radio] { RadioBtnClick(radio); });
    }
    RadioRalStandard->setChecked(true);

    LC = AddLabel("LC", QStringLiteral("LabelColor"), 267, 0);
    ListBox1 = AddListBox("ListBox1", 267, 13, 225, 406);
    Panel_2->setGeometry(327, 425, 75, 22);
    Panel_1->setGeometry(415, 425, 75, 22);

    // The RAL price classes take the place of the foil groups; the decor
    // radios take the places of the first product line's.
    gbRAL->move(gbDekor->pos());
    gbRAL->setVisible(Offered(kRalPriceClasses));
    Opaque(gbRAL);
    gbRAL->raise();
    for (auto [decor, place] :
         {std::pair{RadioVarneoOutside, RadioOutside}, std::pair{RadioVarneoBoth, RadioBoth}}) {
        decor->move(place->pos());
        Opaque(decor);
        decor->raise();
    }

    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] { ListBox1Click(); });
}

TColorDlg::~TColorDlg() = default;

bool TColorDlg::Offered(int group) const {
    for (const velmar_nameid& colour : colours_)
        if ((colour.intValue & group) != 0) return true;
    return false;
}

int TColorDlg::InitialGroup() const {
    for (const velmar_nameid& colour : colours_) {
        if (colour.id != currentId_) continue;
        for (int group : kGroupOrder)
            if ((colour.intValue & group) != 0) return group;
        break;
    }
    return None;
}

int TColorDlg::ChosenGroup() const {
    for (const auto& [radio, group] : groupRadios_)
        if (radio->isChecked()) return group;
    return None;
}

void TColorDlg::CheckGroupRadio(int group) {
    // The two radio sets lie in different containers: neither unchecks the
    // other by itself.
    for (const auto& [radio, radioGroup] : groupRadios_) Uncheck(radio);
    for (const auto& [radio, radioGroup] : groupRadios_)
        if (radioGroup == group) radio->setChecked(true);
}

void TColorDlg::FillList(int group) {
    shown_.clear();
    for (const velmar_nameid& colour : colours_)
        if ((colour.intValue & group) != 0) shown_.push_back(colour);
    const QSignalBlocker blocker(ListBox1);
    vm::FillEntryList(ListBox1, shown_);
    vm::SelectEntryById(ListBox1, shown_, currentId_);
}

void TColorDlg::ShowRalNumberControls(bool visible) {
    for (QWidget* w : {static_cast<QWidget*>(edtRalai), static_cast<QWidget*>(edtRalaussen),
                       static_cast<QWidget*>(edtRalinnen), static_cast<QWidget*>(lblRalaussen),
                       static_cast<QWidget*>(lblRalinnen)})
        w->setVisible(visible);
}

void TColorDlg::FormShow() {
    const int group = InitialGroup();
    CheckGroupRadio(group);
    for (const auto& [radio, radioGroup] : groupRadios_)
        if (radioGroup == group) RadioBtnClick(radio);

    const QStringList parts = vm::ToQString(text_).split(QLatin1Char('@'));
    if ((group & kRalPriceClasses) != 0) {
        cbVoranodisiert->setChecked(parts.value(0) == QLatin1String("1"));
        (parts.value(1) == QLatin1String("1") ? rbDekor : rbweiss)->setChecked(true);
        LC->setText(vm::ToQString(text_));
        LC->adjustSize();
        LC->show();
    } else {
        LC->hide();
    }
    ShowRalNumberControls((group & kRalNumbers) != 0);
    if (group == RalAlu1) {
        edtRalai->setText(parts.value(0));
    } else if (group == RalAlu2 && parts.size() == 2) {
        edtRalaussen->setText(parts[0]);
        edtRalinnen->setText(parts[1]);
    }
}

void TColorDlg::RadioBtnClick(QRadioButton* radio) {
    int group = None;
    for (const auto& [r, radioGroup] : groupRadios_)
        if (r == radio) group = radioGroup;
    const bool ralNumbers = (group & kRalNumbers) != 0;
    ShowRalNumberControls(ralNumbers);
    Image1->setVisible(!ralNumbers);
    CheckGroupRadio(group);
    FillList(ChosenGroup());
    ListBox1Click();
}

void TColorDlg::ListBox1Click() {
    ShowPicture();
    ShowBaseBodyAndGasket();
}

void TColorDlg::ShowPicture() {
    const velmar_nameid* colour = vm::SelectedEntry(ListBox1, shown_);
    const int articleId = request_.articleId;
    request_.articleId = colour != nullptr ? colour->id : -1;
    QImage picture;
    if (request_.articleId > 0) {
        request_.drawing.clear();
        vm::CallKeepingLists(request_, {},
                             [this](Materialdaten& r) { return service_.getColorBlob(r); });
        if (!request_.drawing.empty()) {
            const QByteArray jpeg(reinterpret_cast<const char*>(request_.drawing.data()),
                                  static_cast<qsizetype>(request_.drawing.size()));
            std::vector<std::uint8_t>().swap(request_.drawing);
            picture.loadFromData(jpeg, "JPEG");
        }
    }
    request_.articleId = articleId;
    if (!picture.isNull()) Image1->setPixmap(QPixmap::fromImage(picture));
    // Where the RAL numbers are typed the picture would cover their fields.
    Image1->setVisible(!picture.isNull() && (ChosenGroup() & kRalNumbers) == 0);
}

void TColorDlg::ShowBaseBodyAndGasket() {
    GrundK->clear();
    Dichtung->clear();
    const velmar_nameid* colour = vm::SelectedEntry(ListBox1, shown_);
    if (colour == nullptr) return;
    GrundK->setText(LastMatching(kBaseBody, colour->intValue));
    Dichtung->setText(LastMatching(kGasket, colour->intValue));
}

void TColorDlg::Panel_2Click() {
    const velmar_nameid* colour = vm::SelectedEntry(ListBox1, shown_);
    result.chosenId = colour != nullptr ? colour->id : -1;
    const int group = ChosenGroup();
    QString text;
    if ((group & kRalPriceClasses) != 0) {
        text = QLatin1String(cbVoranodisiert->isChecked() ? "1" : "0") + QLatin1Char('@') +
               QLatin1String(rbweiss->isChecked() ? "0" : "1");
    } else if (group == RalAlu1) {
        text = edtRalai->text().trimmed();
    } else if (group == RalAlu2) {
        text = edtRalaussen->text().trimmed() + QLatin1Char('@') + edtRalinnen->text().trimmed();
    }
    result.text = text.toStdU16String();
    SelectionDialog::Panel_2Click();
}
