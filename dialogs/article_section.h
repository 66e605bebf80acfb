#pragma once
// The base of the dialogs that offer articles with their steel
// reinforcements (article, coupling, glazing bar, additional profiles): the
// section of the article in hand, drawn with the reinforcements chosen for it
// in the panel beside the lists. Its queries go out on the opener's request.

#include <functional>
#include <initializer_list>
#include <memory>

#include "model/materialdaten.h"
#include "model/records.h"
#include "ui/selection_dialog.h"

class QListWidget;
class QTreeWidget;
class ServiceClient;

namespace vm {

class SectionPreview;

class ArticleSectionDialog : public SelectionDialog {
    Q_OBJECT
public:
    ~ArticleSectionDialog() override;

    QWidget* Panel2 = nullptr; // holds the section

protected:
    ArticleSectionDialog(QWidget* parent, const QString& objectName, const QString& caption,
                         int clientWidth, int clientHeight, ServiceClient& service,
                         Materialdaten& request);

    // Panel2 at its layout place, with the section's viewer in it.
    void AddSectionPanel(int left, int top, int width, int height);
    // The layout of a dialog whose choice is a tree: the section right of
    // `tree`, OK and Abbrechen under it. The tree takes what the dialog
    // grows, the section keeps its width at the right edge, `belowTree`
    // move with the bottom edge.
    void AddSectionBesideTree(QTreeWidget* tree, std::initializer_list<QWidget*> belowTree);
    // A list of articles: a click loads the reinforcements of the article
    // in hand and draws it, a double click loads them and takes the choice
    // as OK does.
    void ConnectArticleList(QListWidget* list, std::function<void()> loadReinforcements,
                            std::function<void()> draw);
    // The section of `article` as an article of type `konstType`, with
    // `steel1` and `steel2` in its chambers where they are given; cleared
    // without an article.
    void ShowSection(const velmar_artikel* article, int konstType, const velmar_stahl* steel1,
                     const velmar_stahl* steel2 = nullptr);
    // The viewer becomes visible with the dialog.
    void FormShow() override;

    ServiceClient& service_;
    Materialdaten& request_;

private:
    std::unique_ptr<SectionPreview> preview_;
};

} // namespace vm
