#include "dialogs/Rollkastendlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <set>

#include "dialogs/size_checks.h"
#include "model/ks_lists.h"
#include "platform/os/locals.h"
#include "service/service_client.h"
#include "ui/list_helpers.h"
#include "ui/preview.h"
#include "ui/request_lists.h"

namespace {

constexpr int kClientWidth = 713;
constexpr int kPreviewTop = 40;

// The selected item's data: a construction type in ListBox1, an entry index
// elsewhere; -1 for none.
int SelectedData(const QListWidget* listBox) {
    const auto selected = listBox->selectedItems();
    return selected.isEmpty() ? -1 : selected.front()->data(vm::EntryIndexRole).toInt();
}

void SelectRow(QListWidget* listBox, int row) {
    if (row < 0 || row >= listBox->count()) return;
    listBox->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    listBox->scrollToItem(listBox->item(row));
}

// A red message above the preview. A font wider than the dialog's own
// breaks it into lines that end above the preview, never past the edge.
QLabel* MakeErrorLabel(QLabel* label, int clientWidth, int previewTop) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    const int width = clientWidth - label->x() - 4;
    if (label->width() > width) {
        label->setWordWrap(true);
        const int height = label->heightForWidth(width);
        label->setGeometry(label->x(), std::min(label->y(), previewTop - 2 - height), width,
                           height);
    }
    label->hide();
    return label;
}

std::wstring Line(const wchar_t* caption, const WideText& name) {
    return name.empty() ? std::wstring() : caption + vm::ToQString(name).toStdWString();
}

} // namespace

TRollkastenForm::TRollkastenForm(const Inputs& in, QWidget* parent)
    : SelectionDialog(parent, QStringLiteral("RollkastenForm"),
                      QStringLiteral("Rollladenkasten wählen"), kClientWidth, 614),
      service_(in.service), request_(in.request), box_(in.box), size_(in.size) {
    // The box's parts are chosen in lists in the left column, each under its
    // caption.
    const auto partList = [this](QLabel*& caption, const char* captionName, const char* text,
                                 const char* name, int top, int height) {
        caption = AddLabel(captionName, QString::fromUtf8(text), 8, top - 19);
        return AddListBox(name, 8, top, 265, height);
    };
    ListBox1 = partList(Label1, "Label1", "Bauart des Kastens", "ListBox1", 40, 100);
    ListBox2 = partList(Label2, "Label2", "Kastentypen", "ListBox2", 169, 100);
    LbAntrieb = partList(Label3, "Label3", "Antrieb", "LbAntrieb", 305, 88);
    Label8 = AddLabel("Label8", QStringLiteral("Bedienseite"), 8, 399);
    rbBSl = AddRadioButton("rbBSl", QStringLiteral("links"), 88, 399);
    rbBSr = AddRadioButton("rbBSr", QStringLiteral("rechts"), 159, 399);
    rbBSl->setChecked(true);
    LbPanzer = partList(Label4, "Label4", "Panzer", "LbPanzer", 438, 59);
    LbPanzerfarbe = partList(Label7, "Label7", "Panzerfarbe", "LbPanzerfarbe", 521, 59);
    Label6 = AddLabel("Label6", QStringLiteral("Rollladenführung"), 295, 461);
    LbRfs = AddListBox("LbRfs", 294, 480, 244, 100);
    Panel3 = AddPanel("Panel3", 544, 480, 146, 100);
    Label5 = AddLabel("Label5", QStringLiteral("Kastenüberstand"), 8, 8, -1, Panel3);
    CbUeberstandLinks =
        AddCheckBox("CbUeberstandLinks", QStringLiteral("links (10 cm)"), 8, 32, -1, Panel3);
    CbUeberstandRechts =
        AddCheckBox("CbUeberstandRechts", QStringLiteral("rechts (10 cm)"), 8, 56, -1, Panel3);
    Panel2 = AddPanel("Panel2", 295, kPreviewTop, 395, 401);
    LSizeError = MakeErrorLabel(
        AddLabel("LSizeError",
                 QStringLiteral("Das Element ist zu groß für den Rollladenkasten. Wählen Sie einen "
                                "anderen Kasten!"),
                 295, 21),
        kClientWidth, kPreviewTop);
    LHighError = MakeErrorLabel(
        AddLabel("LHighError",
                 QStringLiteral("Das Element ist zu hoch für den Rollladenkasten. Wählen Sie einen "
                                "anderen Kasten!"),
                 294, 21),
        kClientWidth, kPreviewTop);
    Panel_2->setGeometry(534, 586, 75, 22);
    Panel_1->setGeometry(615, 586, 75, 22);

    preview_ = std::make_unique<vm::SectionPreview>(Panel2);

    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
    connect(ListBox2, &QListWidget::itemSelectionChanged, this, [this] { ListBox2Click(); });
    connect(LbAntrieb, &QListWidget::itemSelectionChanged, this, [this] { LbAntriebClick(); });
    connect(LbPanzer, &QListWidget::itemSelectionChanged, this, [this] { LbPanzerClick(); });
    connect(LbRfs, &QListWidget::itemSelectionChanged, this, [this] { LbRfsClick(); });
}

TRollkastenForm::~TRollkastenForm() = default;

void TRollkastenForm::FormShow() {
    preview_->Activate();
    LoadKastenListen();
    FillKastentypen();
    UpdateUeberstand();
    CbUeberstandLinks->setChecked(box_.flag1);
    CbUeberstandRechts->setChecked(box_.flag2);
    LoadAllZubehoer();
    LoadFuehrungen(box_.accessory1.getId());
    CheckKasten();
    DrawKasten();
    (box_.intValue == 0 ? rbBSl : rbBSr)->setChecked(true);
}

// ---- lists ------------------------------------------------------------------------

Materialdaten TRollkastenForm::Query() const {
    Materialdaten query;
    query.hostKey1 = request_.hostKey1;
    query.hostKey2 = request_.hostKey2;
    query.requestKind = 2;
    query.systemId = request_.systemId;
    query.elementCode = request_.elementCode;
    query.elementSubcode = request_.elementSubcode;
    return query;
}

const velmar_rollkasten* TRollkastenForm::ChosenBox() const {
    return vm::SelectedEntry(ListBox2, boxes_);
}

void TRollkastenForm::LoadKastenListen() {
    boxes_.clear();
    Materialdaten query = vm::CopyWithoutRowLists(request_);
    const bool answered = service_.getRollkaesten(query);
    velmar_rollkasten none;
    none.box.name = localText("IDS_KEINKASTEN").toStdU16String();
    boxes_.push_back(std::move(none));
    if (answered)
        boxes_.insert(boxes_.end(), query.rollerShutterBoxes.begin(),
                      query.rollerShutterBoxes.end());

    const QSignalBlocker blocker(ListBox1);
    ListBox1->clear();
    std::set<int> seen;
    int selected = 0;
    for (const velmar_rollkasten& entry : boxes_) {
        if (!seen.insert(entry.part2.id).second) continue;
        if (entry.part2.id == box_.part2.id) selected = ListBox1->count();
        auto* item = new QListWidgetItem(vm::ToQString(entry.part2.name));
        item->setData(vm::EntryIndexRole, entry.part2.id);
        ListBox1->addItem(item);
    }
    SelectRow(ListBox1, selected);
}

void TRollkastenForm::FillKastentypen() {
    const QSignalBlocker blocker(ListBox2);
    ListBox2->clear();
    if (ListBox1->selectedItems().isEmpty()) return;
    const int type = SelectedData(ListBox1);
    int selected = 0;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (boxes_[i].part2.id != type) continue;
        if (boxes_[i].box.id == box_.box.id) selected = ListBox2->count();
        auto* item = new QListWidgetItem(vm::ToQString(boxes_[i].getName()));
        item->setData(vm::EntryIndexRole, static_cast<int>(i));
        ListBox2->addItem(item);
    }
    SelectRow(ListBox2, selected);
}

void TRollkastenForm::LoadZubehoer(QListWidget* listBox, int kind, int currentId,
                                   std::vector<velmar_artikel>& list) {
    const QSignalBlocker blocker(listBox);
    list.clear();
    listBox->clear();
    const velmar_rollkasten* box = ChosenBox();
    if (box == nullptr) return;
    Materialdaten query = Query();
    query.articleId = box->box.id;
    query.queryArgument = kind;
    if (kind == ks_request::kindCurtainColours) {
        const velmar_artikel* curtain = vm::SelectedEntry(LbPanzer, curtains_);
        query.curtainId = curtain != nullptr ? curtain->nameId.id : 0;
    }
    if (service_.getRollKastenZubehoer(query)) list = std::move(query.articleTexts1);
    vm::FillEntryList(listBox, list);
    vm::SelectEntryById(listBox, list, currentId);
}

// The drive, curtain and curtain colour lists of the chosen box, each with
// the edited box's part preselected.
void TRollkastenForm::LoadAllZubehoer() {
    LoadZubehoer(LbAntrieb, ks_request::kindDrives, box_.part3.id, drives_);
    LoadZubehoer(LbPanzer, ks_request::kindCurtains, box_.part4.id, curtains_);
    LoadZubehoer(LbPanzerfarbe, ks_request::kindCurtainColours, box_.part5.id, curtainColours_);
}

void TRollkastenForm::LoadFuehrungen(int currentId) {
    const QSignalBlocker blocker(LbRfs);
    guideRails_.clear();
    LbRfs->clear();
    const velmar_rollkasten* box = ChosenBox();
    // The no-box entry has no guide rails.
    if (box == nullptr || SelectedData(ListBox2) < 1) return;
    Materialdaten query = Query();
    query.articleId = box->box.id;
    if (service_.getRollKastenFuehrungen(query) && !query.cutPositions.empty())
        guideRails_ = std::move(query.cutPositions.front().opening1.zusatz);
    vm::FillEntryList(LbRfs, guideRails_);
    vm::SelectEntryById(LbRfs, guideRails_, currentId);
}

// ---- the box ----------------------------------------------------------------------

void TRollkastenForm::ReadKasten(velmar_rollkasten& target) const {
    target = velmar_rollkasten();
    if (const velmar_rollkasten* box = ChosenBox()) target = *box;
    auto takePart = [](velmar_nameid& part, const velmar_artikel* chosen) {
        if (chosen == nullptr) return;
        part.id = chosen->nameId.id;
        part.name = chosen->nameId.name;
    };
    takePart(target.part3, vm::SelectedEntry(LbAntrieb, drives_));
    takePart(target.part4, vm::SelectedEntry(LbPanzer, curtains_));
    takePart(target.part5, vm::SelectedEntry(LbPanzerfarbe, curtainColours_));
    if (const velmar_zusatzartikel* rail = vm::SelectedEntry(LbRfs, guideRails_))
        target.accessory1 = *rail;
    target.intValue = rbBSr->isChecked() ? 1 : 0;
    target.flag1 = CbUeberstandLinks->isEnabled() && CbUeberstandLinks->isChecked();
    target.flag2 = CbUeberstandRechts->isEnabled() && CbUeberstandRechts->isChecked();
}

void TRollkastenForm::UpdateUeberstand() {
    velmar_rollkasten chosen;
    ReadKasten(chosen);
    CbUeberstandLinks->setEnabled((chosen.box.intValue & ks_box::overhangLeft) != 0);
    CbUeberstandRechts->setEnabled((chosen.box.intValue & ks_box::overhangRight) != 0);
    Label5->setEnabled(CbUeberstandLinks->isEnabled() || CbUeberstandRechts->isEnabled());
}

void TRollkastenForm::CheckKasten() {
    velmar_rollkasten chosen;
    ReadKasten(chosen);
    const bool curtainFits = vm::CheckPanzerGroesse(chosen, size_.width, size_.height);
    LSizeError->setVisible(!curtainFits);
    Panel_2->setVisible(curtainFits);
    if (!curtainFits) return;
    const bool heightFits = vm::CheckElementHoehe(chosen, size_.width, size_.height);
    LHighError->setVisible(!heightFits);
    Panel_2->setVisible(heightFits);
}

void TRollkastenForm::DrawKasten() {
    preview_->Clear();
    if (ChosenBox() == nullptr) return;
    velmar_rollkasten chosen;
    ReadKasten(chosen);
    preview_->Show(
        request_,
        [&] {
            // The box alone, on the head of the element's frame and sash, with
            // its guide rail.
            velmar_cutpos position;
            velmar_artikel article;
            article.nameId = chosen.box;
            article.konstType = ks_konst::rollerShutterBox;
            position.opening1.artikel.items.push_back(std::move(article));
            if (chosen.accessory1.getId() > 0)
                position.opening1.zusatz.push_back(chosen.accessory1);
            const int elementCode = request_.elementCode;
            std::vector<velmar_cutpos> elementPositions = std::move(request_.cutPositions);
            request_.elementCode = ks_element::oneArticle;
            request_.cutPositions = {std::move(position)};
            const bool ok = vm::CallKeepingLists(
                request_, {}, [this](Materialdaten& r) { return service_.getCut(r); });
            request_.elementCode = elementCode;
            // The rule of box and frame reads the element's positions.
            request_.cutPositions = std::move(elementPositions);
            return ok;
        },
        [&] {
            return SketchLegend{
                vm::ToQString(chosen.getName()).toStdWString(),
                Line(L"Bauart: ", chosen.part2.name),
                Line(L"Antrieb: ", chosen.part3.name),
                Line(L"Panzer: ", chosen.part4.name) + Line(L", ", chosen.part5.name),
                Line(L"Führung: ", chosen.accessory1.getName()),
            };
        });
}

// ---- events ----------------------------------------------------------------------

void TRollkastenForm::ListBox1Click() {
    FillKastentypen();
    ListBox2Click();
}

void TRollkastenForm::ListBox2Click() {
    UpdateUeberstand();
    LoadAllZubehoer();
    LoadFuehrungen(box_.accessory1.getId());
    CheckKasten();
    DrawKasten();
}

void TRollkastenForm::ListBox1DblClick() {
    ListBox1Click();
    Panel_2Click();
}

void TRollkastenForm::LbAntriebClick() {
    CheckKasten();
}

void TRollkastenForm::LbPanzerClick() {
    LoadZubehoer(LbPanzerfarbe, ks_request::kindCurtainColours, box_.part5.id, curtainColours_);
    CheckKasten();
}

void TRollkastenForm::LbRfsClick() {}

void TRollkastenForm::Panel_2Click() {
    ReadKasten(result.chosen);
    SelectionDialog::Panel_2Click();
}
