#include "ui/selection_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>

namespace vm {

namespace {

// Debian's metric clone of Tahoma, where the user installed it.
constexpr const char* kTahomaFile = "/usr/share/wine/fonts/tahoma.ttf";

bool TahomaAvailable() {
    static const bool available = [] {
        if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) return true;
        return QFile::exists(QString::fromLatin1(kTahomaFile)) &&
               QFontDatabase::addApplicationFont(QString::fromLatin1(kTahomaFile)) >= 0;
    }();
    return available;
}

template <class W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

QFont SelectionDialog::DialogFont() {
    QFont font = TahomaAvailable() ? QFont(QStringLiteral("Tahoma"))
                                   : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    return font;
}

SelectionDialog::SelectionDialog(QWidget* parent, const QString& objectName, const QString& caption,
                                 int clientWidth, int clientHeight)
    : QDialog(parent) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(true);
    setFont(DialogFont());
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientPanel"));
    client_->setAutoFillBackground(true);
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    client_->setPalette(palette);
    resize(clientWidth, clientHeight);
    client_->setGeometry(rect());

    // Positions as in the layouts of the dialogs that use them.
    Panel_2 = AddButtonPanel("Panel_2", QStringLiteral("OK"), 0, 0, 75, 22);
    Panel_1 = AddButtonPanel("Panel_1", QStringLiteral("Abbrechen"), 0, 0, 75, 22);
    connect(Panel_2, &QPushButton::clicked, this, [this] { Panel_2Click(); });
    connect(Panel_1, &QPushButton::clicked, this, [this] { Panel_1Click(); });
}

void SelectionDialog::Panel_2Click() {
    accepted = true;
    accept();
}

void SelectionDialog::Panel_1Click() {
    reject();
}

QLabel* SelectionDialog::AddLabel(const char* name, const QString& text, int left, int top,
                                  int width) {
    auto* label = Named(new QLabel(text, client_), name);
    label->move(left, top);
    if (width < 0)
        label->adjustSize();
    else
        label->resize(width, label->sizeHint().height());
    return label;
}

QListWidget* SelectionDialog::AddListBox(const char* name, int left, int top, int width,
                                         int height) {
    auto* list = Named(new QListWidget(client_), name);
    list->setGeometry(left, top, width, height);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QWidget* SelectionDialog::AddPanel(const char* name, int left, int top, int width, int height) {
    auto* panel = Named(new QWidget(client_), name);
    panel->setGeometry(left, top, width, height);
    return panel;
}

QPushButton* SelectionDialog::AddButtonPanel(const char* name, const QString& text, int left,
                                             int top, int width, int height) {
    auto* button = Named(new QPushButton(text, client_), name);
    // Return closes nothing: no button is the dialog's default.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(left, top, width, height);
    return button;
}

QComboBox* SelectionDialog::AddComboBox(const char* name, int left, int top, int width) {
    auto* combo = Named(new QComboBox(client_), name);
    combo->move(left, top);
    combo->resize(width, combo->sizeHint().height());
    return combo;
}

QLineEdit* SelectionDialog::AddEdit(const char* name, int left, int top, int width, int height) {
    auto* edit = Named(new QLineEdit(client_), name);
    edit->setGeometry(left, top, width, height);
    return edit;
}

QCheckBox* SelectionDialog::AddCheckBox(const char* name, const QString& text, int left, int top,
                                        int width) {
    auto* box = Named(new QCheckBox(text, client_), name);
    box->move(left, top);
    if (width < 0)
        box->adjustSize();
    else
        box->resize(std::max(width, box->sizeHint().width()), box->sizeHint().height());
    return box;
}

QRadioButton* SelectionDialog::AddRadioButton(QWidget* parent, const char* name,
                                              const QString& text, int left, int top, int width) {
    auto* radio = Named(new QRadioButton(text, parent != nullptr ? parent : client_), name);
    radio->move(left, top);
    if (width < 0)
        radio->adjustSize();
    else
        radio->resize(std::max(width, radio->sizeHint().width()), radio->sizeHint().height());
    return radio;
}

void SelectionDialog::AnchorBottom(QWidget* widget, bool right) {
    anchors_.push_back({widget, height() - widget->y(), right ? width() - widget->x() : -1});
}

void SelectionDialog::SetClientHeight(int height) {
    resize(width(), height);
}

void SelectionDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Panel_1Click();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SelectionDialog::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        if (QScreen* screen = QApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
    if (!formShown_) {
        formShown_ = true;
        FormShow();
    }
}

void SelectionDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (client_ != nullptr) client_->setGeometry(rect());
    for (const Anchor& anchor : anchors_) {
        const int left = anchor.rightGap < 0 ? anchor.widget->x() : width() - anchor.rightGap;
        anchor.widget->move(left, height() - anchor.bottomGap);
    }
}

} // namespace vm
