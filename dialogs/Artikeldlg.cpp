#include "dialogs/Artikeldlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

#include "ui/list_helpers.h"
#include "ui/request_lists.h"

namespace {

constexpr int kFrame = 11;
// Height of the chamber-1 list when it is the only one.
constexpr int kSingleChamberHeight = 169;
// After opening, a reloaded chamber list offers the catalogue's default.
constexpr int kNoPreselection = 1;

} // namespace

TArtikelForm::TArtikelForm(const Inputs& in, QWidget* parent)
    : ArticleSectionDialog(parent, QStringLiteral("ArtikelForm"), QStringLiteral("Profil wählen"),
                           857, 587, in.service, in.request),
      articles_(in.articles), withReinforcement_(in.withReinforcement),
      steel1Id_(in.reinforcement1Id), steel2Id_(in.reinforcement2Id), konstType_(in.konstType),
      articleId_(in.currentId) {
    ListBox1 = AddListBox("ListBox1", 8, 8, 417, 353);
    Label2 = AddLabel("Label2", QStringLiteral("Aussteifung"), 8, 369);
    ListBox2 = AddListBox("ListBox2", 8, 384, 417, 73);
    Label3 = AddLabel("Label3", QStringLiteral("Aussteifung Kammer 2"), 8, 465);
    ListBox3 = AddListBox("ListBox3", 8, 480, 417, 73);
    AddSectionPanel(448, 8, 401, 542);
    Label1 = AddLabel("Label1", QStringLiteral("Wählen Sie das gewünschte Profil"), 8, 561);
    cbDefault = AddCheckBox("cbDefault", QStringLiteral("nur Standard-Systemartikel"), 224, 560);
    cbDefault->setToolTip(QStringLiteral(
        "Nur die Artikel des gewählten Profilsystems anzeigen; verwendbare Artikel anderer "
        "Profilsysteme werden verborgen"));
    cbDefault->setChecked(true);
    cbDefault->hide();
    Panel_2->setGeometry(686, 558, 75, 22);
    Panel_1->setGeometry(774, 558, 75, 22);

    // Only a reinforced frame has a second chamber to choose for.
    if (konstType_ != kFrame || !withReinforcement_) {
        Label3->hide();
        ListBox3->hide();
        ListBox2->resize(ListBox2->width(), kSingleChamberHeight);
    }

    ConnectArticleList(
        ListBox1, [this] { LoadReinforcements(); }, [this] { Draw(); });
    for (QListWidget* chamber : {ListBox2, ListBox3})
        connect(chamber, &QListWidget::itemSelectionChanged, this, [this] { Draw(); });
    connect(cbDefault, &QCheckBox::clicked, this, [this] { cbDefaultClick(); });
}

TArtikelForm::~TArtikelForm() = default;

void TArtikelForm::FormShow() {
    ArticleSectionDialog::FormShow();
    if (!withReinforcement_) {
        Label2->hide();
        ListBox2->hide();
        ListBox1->resize(ListBox1->width(), Panel2->height());
    }
    FillArticles(articleId_);
    Panel_2->setEnabled(true);
    ListBox1->setEnabled(true);
    LoadReinforcements();
    Draw();
    opening_ = false;
}

void TArtikelForm::FillArticles(int articleId) {
    const QSignalBlocker blocker(ListBox1);
    vm::FillEntryList(ListBox1, articles_);
    vm::SelectEntryById(ListBox1, articles_, articleId);
}

void TArtikelForm::LoadReinforcements() {
    const velmar_artikel* article = vm::SelectedEntry(ListBox1, articles_);
    const int articleId = article != nullptr ? article->nameId.id : -1;
    steels1_ = vm::QueryReinforcements(service_, request_, articleId, 1);
    steels2_ = vm::QueryReinforcements(service_, request_, articleId, 2);
    const QSignalBlocker block2(ListBox2);
    const QSignalBlocker block3(ListBox3);
    vm::FillEntryList(ListBox2, steels1_);
    vm::SelectEntryById(ListBox2, steels1_, opening_ ? steel1Id_ : kNoPreselection);
    vm::FillEntryList(ListBox3, steels2_);
    vm::SelectEntryById(ListBox3, steels2_, opening_ ? steel2Id_ : kNoPreselection);
}

void TArtikelForm::Draw() {
    // The section shows the reinforcements as chosen in the lists.
    ShowSection(vm::SelectedEntry(ListBox1, articles_), konstType_,
                vm::SelectedEntry(ListBox2, steels1_), vm::SelectedEntry(ListBox3, steels2_));
}

void TArtikelForm::cbDefaultClick() {
    const velmar_artikel* article = vm::SelectedEntry(ListBox1, articles_);
    FillArticles(article != nullptr ? article->nameId.id : articleId_);
    LoadReinforcements();
    Draw();
}

void TArtikelForm::Panel_2Click() {
    result.chosenIndex = vm::SelectedEntryIndex(ListBox1);
    if (withReinforcement_) {
        if (const velmar_stahl* steel = vm::SelectedEntry(ListBox2, steels1_))
            result.reinforcement1 = *steel;
        if (const velmar_stahl* steel = vm::SelectedEntry(ListBox3, steels2_))
            result.reinforcement2 = *steel;
    }
    ArticleSectionDialog::Panel_2Click();
}
