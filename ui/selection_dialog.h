#pragma once
// The base of every selection dialog: a modal dialog created per use by its
// opener with all inputs as construction arguments. The opener shows it with
// exec(), reads its results and destroys it. Everything lies on one white
// client panel at the positions of the dialog's layout; the button panels
// "OK" (Panel_2) and "Abbrechen" (Panel_1) close it. Escape acts as
// "Abbrechen"; Return is not handled. Results are written only on OK.

#include <QDialog>
#include <QPushButton>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace vm {

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

    // Controls on the client panel at layout positions (left, top, width,
    // height). A label without width takes the width of its text, so no text
    // is clipped whatever the font.
    QLabel* AddLabel(const char* name, const QString& text, int left, int top, int width = -1);
    QListWidget* AddListBox(const char* name, int left, int top, int width, int height);
    QWidget* AddPanel(const char* name, int left, int top, int width, int height);
    QPushButton* AddButtonPanel(const char* name, const QString& text, int left, int top, int width,
                                int height);
    QComboBox* AddComboBox(const char* name, int left, int top, int width);
    QLineEdit* AddEdit(const char* name, int left, int top, int width, int height = 21);
    QCheckBox* AddCheckBox(const char* name, const QString& text, int left, int top,
                           int width = -1);
    QRadioButton* AddRadioButton(QWidget* parent, const char* name, const QString& text, int left,
                                 int top, int width = -1);

    // Keeps `widget` at its distance from the bottom (and right) edge when
    // the dialog's size changes.
    void AnchorBottom(QWidget* widget, bool right = false);
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
    struct Anchor {
        QWidget* widget;
        int bottomGap;
        int rightGap; // -1: left edge fixed
    };
    QWidget* client_ = nullptr;
    std::vector<Anchor> anchors_;
    bool centred_ = false;
    bool formShown_ = false;
};

} // namespace vm
