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

const QString kNoEntry = QStringLiteral("-");

using vm::FormRow;

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

vm::ClickLabel* MakeImage(QWidget* parent, const QString& objectName, FormRow icon) {
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

const std::array<TForm1::RowDef, vm::kFormRows>& TForm1::RowDefs() {
    using F = TForm1;
    // In the order of FormRow. The horizontal row's button and the box row's
    // button open the vertical coupling's choice.
    static const std::array<RowDef, vm::kFormRows> defs = {{
        {"System", "Profilserie:", 2, &F::LSystem, &F::LSystemName, &F::ImageSystem, &F::LineSystem,
         &F::BtnSystem, false, true, &F::BtnSystemClick, &F::BtnSystemClick},
        {"Farbe", "Farben:", 18, &F::LFarbe, &F::LFarbeName, &F::ImageFarbe, &F::LineFarbe,
         &F::BtnFarbe, false, false, &F::BtnFarbeClick, &F::BtnFarbeClick},
        {"Rahmen", "Rahmen:", 35, &F::LRahmen, &F::LRahmenName, &F::ImageRahmen, &F::LineRahmen,
         &F::BtnRahmen, false, true, &F::BtnRahmenClick, &F::BtnRahmenClick},
        {"Fluegel", "Flügel:", 52, &F::LFluegel, &F::LFluegelName, &F::ImageFluegel,
         &F::LineFluegel, &F::BtnFluegel, false, true, &F::BtnFluegelClick, &F::BtnFluegelClick},
        {"Pfosten", "Pfosten:", 69, &F::LPfosten, &F::LPfostenName, &F::ImagePfosten,
         &F::LinePfosten, &F::BtnPfosten, false, true, &F::BtnPfostenClick, &F::BtnPfostenClick},
        {"Stulp", "Stulpprofile:", 86, &F::LStulp, &F::LStulpName, &F::ImageStulp, &F::LineStulp,
         &F::BtnStulp, false, true, &F::BtnStulpClick, &F::BtnStulpClick},
        {"Glas", "Verglasung + Randverbund:", 103, &F::LGlas, &F::LGlasName, &F::ImageGlas,
         &F::LineGlas, &F::BtnGlas, false, true, &F::BtnGlasClick, &F::BtnGlasClick},
        {"GlasleisteR", "Glasleiste Rahmen/Pfosten:", 286, &F::LGlasleisteR, &F::LGlasleisteRName,
         &F::ImageGlasleisteR, &F::LineGlasleisteR, &F::BtnGlasleisteR, true, true,
         &F::BtnGlasleisteRClick, &F::BtnGlasleisteRClick},
        {"GlasleisteF", "Glasleiste Flügel/Sprossen:", 303, &F::LGlasleisteF, &F::LGlasleisteFName,
         &F::ImageGlasleisteF, &F::LineGlasleisteF, &F::BtnGlasleisteF, true, true,
         &F::BtnGlasleisteFClick, &F::BtnGlasleisteFClick},
        {"KopplungSenk", "Kopplungsprofil senkrecht:", 120, &F::LKopplungSenk,
         &F::LKopplungSenkName, &F::ImageKopplungSenk, &F::LineKopplungSenk, &F::BtnKopplungSenk,
         false, true, &F::BtnKopplungSenkClick, &F::BtnKopplungSenkClick},
        {"KopplungWaag", "Kopplungsprofil waagerecht:", 137, &F::LKopplungWaag,
         &F::LKopplungWaagName, &F::ImageKopplungWaag, &F::LineKopplungWaag, &F::BtnKopplungWaag,
         false, true, &F::LKopplungWaagNameClick, &F::BtnKopplungSenkClick},
        {"Roll", "Rollladenkasten:", 154, &F::LRoll, &F::LRollName, &F::ImageRoll, &F::LineRoll,
         &F::BtnRoll, false, false, &F::LRollClick, &F::BtnKopplungSenkClick},
    }};
    return defs;
}

// ---- construction ----------------------------------------------------------------

TForm1::TForm1(ServiceClient& service, QWidget* hostWindow_, int hostKey1, int hostKey2,
               int elementCode, int elementSubcode, bool rollerShutterAllowed,
               double referenceValue, eCompForm compForm, bool serviceFlag, const velmar_data& data,
               vm_changeCallback changeCallback, void* callbackUser)
    : QWidget(nullptr, Qt::FramelessWindowHint),
      state(service,
            vm::FormSetup{hostKey1, hostKey2, elementCode, elementSubcode, rollerShutterAllowed,
                          referenceValue, compForm, serviceFlag, changeCallback, callbackUser},
            data),
      hostWindow(hostWindow_) {
    BuildLayout();
    maxRowTextWidth = 450;
    state.rowShown = [this](FormRow row) { ShowRow(row); };
    state.message = [this](vm::FormMessage message) { ShowMessage(message); };

    ApplyArialFont();
    FormResize();
    state.Load();
}

TForm1::~TForm1() {
    // The state's hooks must not reach a view that is going.
    state.rowShown = nullptr;
    state.message = nullptr;
    FormDestroy();
    // Again, for a form destroyed without its destroy event; no effect when
    // the service is already unloaded.
    state.service.unload();
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
        row.image = this->*def.image =
                        MakeImage(this, QStringLiteral("Image") + key, static_cast<FormRow>(i));
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

// ---- display -------------------------------------------------------------------------

FormRow TForm1::RowOf(const QLabel* label) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].name == label) return static_cast<FormRow>(i);
    return FormRow::Rahmen;
}

void TForm1::ShowEntryText(vm::ClickLabel* label, int index, const QString& text) {
    label->Tag = index;
    label->setText(index >= 0 ? FitCaption(text, label, maxRowTextWidth) : kNoEntry);
    AutoSizeLabel(label);
}

void TForm1::ShowRow(FormRow row) {
    vm::ClickLabel* label = NameLabel(row);
    if (row == FormRow::Roll) {
        const velmar_rollkasten& box = state.rollkasten;
        const QString text =
            box.box.id > 0 ? vm::ToQString(box.getName()) + QLatin1Char(' ') : kNoEntry;
        label->setText(FitCaption(text, label, maxRowTextWidth));
        AutoSizeLabel(label);
        return;
    }
    const adg_nameid_props* entry = state.ShownEntry(row);
    ShowEntryText(label, state.shown[static_cast<std::size_t>(row)],
                  entry != nullptr ? vm::ToQString(entry->getName()) : QString());
    // A glass without edge seal is named as such, in full.
    if (row == FormRow::Glas && entry != nullptr &&
        (static_cast<const velmar_artikel*>(entry)->nameId.intValue & ks_glass::noEdgeSeal) != 0) {
        label->setText(localText("IDS_GLAS") + QLatin1Char(' ') + vm::ToQString(entry->getName()));
        AutoSizeLabel(label);
    }
}

template <class Entry>
bool TForm1::SetEntryLabel(vm::ClickLabel* label, const std::vector<Entry>& list, int number) {
    const int index = number == -2 ? -1 : vm::FindEntryIndex(list, number);
    state.shown[static_cast<std::size_t>(RowOf(label))] = index;
    const Entry* entry = vm::EntryAt(list, index);
    ShowEntryText(label, index, entry != nullptr ? vm::ToQString(entry->getName()) : QString());
    return index >= 0;
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

void TForm1::ShowMessage(vm::FormMessage message) {
    if (message == vm::FormMessage::SeriesChanged)
        os::messageBox(localText("IDS_SYSTEM_CHANGED"), localText("IDS_WARNING"), MessageOwner());
    else
        os::messageBox(QStringLiteral("RK - ist in Kombination mit 100er Rahmen nicht möglich!"),
                       QStringLiteral("Achtung"), MessageOwner());
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
}

void TForm1::FormDestroy() {
    state.service.unload();
}

void TForm1::OnNameIdMouseMove(QObject* sender) {
    auto* label = qobject_cast<vm::ClickLabel*>(sender);
    if (label == nullptr) return;
    QString hint;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].name != label || !rows_[i].def->hint) continue;
        if (const adg_nameid_props* entry = state.ShownEntry(static_cast<FormRow>(i)))
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
