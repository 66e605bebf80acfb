#include "ui/selection_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>

#include <map>
#include <string>

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

// Named, at its layout rectangle.
template <class W> W* Named(W* widget, const char* name, int left, int top, int width, int height) {
    Named(widget, name)->setGeometry(left, top, width, height);
    return widget;
}

} // namespace

void DialogColours(QPalette& palette) {
    palette.setColor(QPalette::Window, Qt::white);
}

void UseClassPalette(QWidget* widget, void (*adjust)(QPalette&)) {
    // Per class, the application palette the class palette was made from.
    static std::map<std::string, qint64> madeFrom;
    const char* className = widget->metaObject()->className();
    const QPalette application = QApplication::palette();
    qint64& from = madeFrom[className];
    if (from != application.cacheKey()) {
        from = application.cacheKey();
        QPalette palette = application;
        adjust(palette);
        // Nothing resolved: the widgets of the class and their children then
        // share this palette's data instead of each resolving a copy of it.
        palette.setResolveMask(0);
        QApplication::setPalette(palette, className);
    }
    widget->setPalette(QApplication::palette(widget));
}

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
    UseClassPalette(this, DialogColours);
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("ClientPanel"));
    client_->setAutoFillBackground(true);
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
                                  int width, QWidget* parent) {
    auto* label = Named(new QLabel(text, Parent(parent)), name);
    label->move(left, top);
    if (width < 0)
        label->adjustSize();
    else
        label->resize(width, label->sizeHint().height());
    return label;
}

QListWidget* SelectionDialog::AddListBox(const char* name, int left, int top, int width, int height,
                                         QWidget* parent) {
    auto* list = Named(new QListWidget(Parent(parent)), name, left, top, width, height);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QFrame* SelectionDialog::AddPanel(const char* name, int left, int top, int width, int height,
                                  QWidget* parent) {
    return Named(new QFrame(Parent(parent)), name, left, top, width, height);
}

QGroupBox* SelectionDialog::AddGroupBox(const char* name, const QString& title, int left, int top,
                                        int width, int height, QWidget* parent) {
    return Named(new QGroupBox(title, Parent(parent)), name, left, top, width, height);
}

QPushButton* SelectionDialog::AddButtonPanel(const char* name, const QString& text, int left,
                                             int top, int width, int height, QWidget* parent) {
    auto* button = Named(new QPushButton(text, Parent(parent)), name, left, top, width, height);
    // Return closes nothing: no button is the dialog's default.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QComboBox* SelectionDialog::AddComboBox(const char* name, int left, int top, int width,
                                        QWidget* parent) {
    auto* combo = Named(new QComboBox(Parent(parent)), name);
    combo->move(left, top);
    combo->resize(width, combo->sizeHint().height());
    return combo;
}

QLineEdit* SelectionDialog::AddEdit(const char* name, int left, int top, int width, int height,
                                    QWidget* parent) {
    return Named(new QLineEdit(Parent(parent)), name, left, top, width, height);
}

namespace {

// A button with its text at (left, top): as wide as its text, or `width`
// when that is wider.
template <class Button> Button* Placed(Button* button, int left, int top, int width) {
    button->move(left, top);
    if (width < 0)
        button->adjustSize();
    else
        button->resize(std::max(width, button->sizeHint().width()), button->sizeHint().height());
    return button;
}

} // namespace

QCheckBox* SelectionDialog::AddCheckBox(const char* name, const QString& text, int left, int top,
                                        int width, QWidget* parent) {
    return Placed(Named(new QCheckBox(text, Parent(parent)), name), left, top, width);
}

QRadioButton* SelectionDialog::AddRadioButton(const char* name, const QString& text, int left,
                                              int top, int width, QWidget* parent) {
    return Placed(Named(new QRadioButton(text, Parent(parent)), name), left, top, width);
}

void SelectionDialog::SetUpTree(QTreeWidget* tree, const char* name, int left, int top, int width,
                                int height) {
    Named(tree, name, left, top, width, height);
    tree->setHeaderHidden(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
}

void SelectionDialog::Anchor(QWidget* widget, int edges) {
    const QRect g = widget->geometry();
    const int bottomGap = height() - ((edges & StretchDown) != 0 ? g.y() + g.height() : g.y());
    const int rightGap = width() - ((edges & StretchRight) != 0 ? g.x() + g.width() : g.x());
    anchors_.push_back({widget, edges, bottomGap, rightGap});
}

void SelectionDialog::Anchor(std::initializer_list<QWidget*> widgets, int edges) {
    for (QWidget* widget : widgets) Anchor(widget, edges);
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
    for (const Anchored& a : anchors_) {
        QRect g = a.widget->geometry();
        if ((a.edges & MoveDown) != 0) g.moveTop(height() - a.bottomGap);
        if ((a.edges & MoveRight) != 0) g.moveLeft(width() - a.rightGap);
        if ((a.edges & StretchDown) != 0) g.setHeight(height() - a.bottomGap - g.y());
        if ((a.edges & StretchRight) != 0) g.setWidth(width() - a.rightGap - g.x());
        a.widget->setGeometry(g);
    }
}

} // namespace vm
