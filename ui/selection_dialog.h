#pragma once
// The base of every selection dialog: a modal dialog created per use by its
// opener with all inputs as construction arguments. The opener shows it with
// exec(), reads its results and destroys it. Everything lies on one white
// client panel at the positions of the dialog's layout; the button panels
// "OK" (Panel_2) and "Abbrechen" (Panel_1) close it. Escape acts as
// "Abbrechen"; Return is not handled. Results are written only on OK.

#include <QDialog>
#include <QPushButton>

#include <QTreeWidget>

#include <initializer_list>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace vm {

// Gives `widget` the palette the application holds for the widget's class
// (it needs Q_OBJECT): the application's palette as `adjust` changes it,
// made again when the application's palette changes. Widgets made per
// dialog share their style's cache keys only when they share a palette's
// data; a palette of each widget's own would make the style's pixmap cache
// grow with every dialog opened. The class is the one the widget has at the
// call: in a constructor, that constructor's class.
void UseClassPalette(QWidget* widget, void (*adjust)(QPalette&));
// The dialogs' colours on the application's palette: a white window.
void DialogColours(QPalette& palette);

class SelectionDialog : public QDialog {
    Q_OBJECT
public:
    // `objectName` names the dialog for hosts and tests ("GlasForm"); the
    // client area is `clientWidth` x `clientHeight` pixels.
    SelectionDialog(QWidget* parent, const QString& objectName, const QString& caption,
                    int clientWidth, int clientHeight);

    // Set by OK once the dialog's results are stored; false after Cancel.
    bool accepted = false;

    // The white panel that holds every control.
    QWidget* Client() const { return client_; }
    QPushButton* OkPanel() const { return Panel_2; }
    QPushButton* CancelPanel() const { return Panel_1; }

    // The dialogs' font: Tahoma 8 pt where the system has it, else the
    // platform's sans serif at 8 pt.
    static QFont DialogFont();

protected:
    // OK: stores the results, sets `accepted` and closes. The base closes
    // with accepted set.
    virtual void Panel_2Click();
    // Abbrechen and Escape: close without results.
    virtual void Panel_1Click();

    // Controls at layout positions (left, top, width, height) on `parent`,
    // the client panel when it is null. A label, check box or radio button
    // without width takes the width of its text, so no text is clipped
    // whatever the font.
    QLabel* AddLabel(const char* name, const QString& text, int left, int top, int width = -1,
                     QWidget* parent = nullptr);
    QListWidget* AddListBox(const char* name, int left, int top, int width, int height,
                            QWidget* parent = nullptr);
    QFrame* AddPanel(const char* name, int left, int top, int width, int height,
                     QWidget* parent = nullptr);
    QGroupBox* AddGroupBox(const char* name, const QString& title, int left, int top, int width,
                           int height, QWidget* parent = nullptr);
    QPushButton* AddButtonPanel(const char* name, const QString& text, int left, int top, int width,
                                int height, QWidget* parent = nullptr);
    QComboBox* AddComboBox(const char* name, int left, int top, int width,
                           QWidget* parent = nullptr);
    QLineEdit* AddEdit(const char* name, int left, int top, int width, int height = 21,
                       QWidget* parent = nullptr);
    QCheckBox* AddCheckBox(const char* name, const QString& text, int left, int top, int width = -1,
                           QWidget* parent = nullptr);
    QRadioButton* AddRadioButton(const char* name, const QString& text, int left, int top,
                                 int width = -1, QWidget* parent = nullptr);
    // A tree without header and with one selection; `Tree` may be a
    // QTreeWidget of the dialog's own.
    template <class Tree = QTreeWidget>
    Tree* AddTree(const char* name, int left, int top, int width, int height,
                  QWidget* parent = nullptr) {
        auto* tree = new Tree(Parent(parent));
        SetUpTree(tree, name, left, top, width, height);
        return tree;
    }

    // How a control follows the dialog's edges when its size changes: moved
    // with the bottom or right edge, or stretched to keep its distance to
    // it.
    enum Edge {
        MoveDown = 0x1,
        MoveRight = 0x2,
        StretchDown = 0x4,
        StretchRight = 0x8,
    };
    // Keeps `widget` at its present distances from the edges `edges` names.
    void Anchor(QWidget* widget, int edges);
    void Anchor(std::initializer_list<QWidget*> widgets, int edges);
    // Sets the client height, keeping anchored controls at their distances.
    void SetClientHeight(int height);

    // Fills the dialog from the service, once, when it is first shown: the
    // lists then come from what the opener set up after construction.
    virtual void FormShow() {}

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    QPushButton* Panel_2 = nullptr; // "OK"
    QPushButton* Panel_1 = nullptr; // "Abbrechen"

private:
    struct Anchored {
        QWidget* widget;
        int edges;
        int bottomGap; // from the widget's bottom (stretched) or top (moved) edge
        int rightGap;  // from the widget's right (stretched) or left (moved) edge
    };
    QWidget* Parent(QWidget* parent) const { return parent != nullptr ? parent : client_; }
    void SetUpTree(QTreeWidget* tree, const char* name, int left, int top, int width, int height);

    QWidget* client_ = nullptr;
    std::vector<Anchored> anchors_;
    bool centred_ = false;
    bool formShown_ = false;
};

// Shows a dialog of the family (one with Inputs and Result) modally over
// `owner`: what the user chose on OK; nothing after Abbrechen or Escape.
template <class Dialog>
std::optional<typename Dialog::Result> Ask(const typename Dialog::Inputs& inputs, QWidget* owner) {
    Dialog dialog(inputs, owner);
    dialog.exec();
    if (!dialog.accepted) return std::nullopt;
    return std::move(dialog.result);
}

} // namespace vm
