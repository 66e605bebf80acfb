#include "dialogs/article_section.h"

#include <QListWidget>
#include <QTreeWidget>

#include <utility>

#include "ui/preview.h"

namespace vm {

namespace {

// The tree dialogs stay usable down to this size.
constexpr int kTreeDialogMinWidth = 450;
constexpr int kTreeDialogMinHeight = 500;

} // namespace

ArticleSectionDialog::ArticleSectionDialog(QWidget* parent, const QString& objectName,
                                           const QString& caption, int clientWidth,
                                           int clientHeight, ServiceClient& service,
                                           Materialdaten& request)
    : SelectionDialog(parent, objectName, caption, clientWidth, clientHeight), service_(service),
      request_(request) {}

ArticleSectionDialog::~ArticleSectionDialog() = default;

void ArticleSectionDialog::AddSectionPanel(int left, int top, int width, int height) {
    Panel2 = AddPanel("Panel2", left, top, width, height);
    preview_ = std::make_unique<SectionPreview>(Panel2);
}

void ArticleSectionDialog::AddSectionBesideTree(QTreeWidget* tree,
                                                std::initializer_list<QWidget*> belowTree) {
    setMinimumSize(kTreeDialogMinWidth, kTreeDialogMinHeight);
    AddSectionPanel(447, 8, 401, 541);
    Panel_2->setGeometry(680, 552, 75, 22);
    Panel_1->setGeometry(768, 552, 75, 22);
    Anchor(belowTree, MoveDown);
    Anchor({Panel_2, Panel_1}, MoveDown | MoveRight);
    Anchor(tree, StretchDown | StretchRight);
    Anchor(Panel2, MoveRight | StretchDown);
}

void ArticleSectionDialog::ConnectArticleList(QListWidget* list,
                                              std::function<void()> loadReinforcements,
                                              std::function<void()> draw) {
    connect(list, &QListWidget::itemSelectionChanged, this, [loadReinforcements, draw] {
        loadReinforcements();
        draw();
    });
    connect(list, &QListWidget::itemDoubleClicked, this, [this, loadReinforcements] {
        loadReinforcements();
        Panel_2Click();
    });
}

void ArticleSectionDialog::ShowSection(const velmar_artikel* article, int konstType,
                                       const velmar_stahl* steel1, const velmar_stahl* steel2) {
    if (article == nullptr) {
        preview_->Clear();
        return;
    }
    velmar_artikel drawn = *article;
    if (steel1 != nullptr) drawn.steel1 = *steel1;
    if (steel2 != nullptr) drawn.steel2 = *steel2;
    preview_->ShowArticle(service_, request_, drawn, konstType);
}

void ArticleSectionDialog::FormShow() {
    preview_->Activate();
}

} // namespace vm
