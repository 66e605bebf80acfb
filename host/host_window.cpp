#include "host/host_window.h"

#include <QDateTime>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Element codes the demo starts with: a one-sash window.
constexpr int kHostKey1 = 1;
constexpr int kHostKey2 = 1;
constexpr int kElementCode = 1;
constexpr int kElementSubcode = 0;

} // namespace

QString ChangeCodeName(int code) {
    switch (code) {
    case ccSummary:
        return QStringLiteral("summary");
    case ccRahmen:
        return QStringLiteral("Rahmen");
    case ccFluegel:
        return QStringLiteral("Flügel");
    case ccPfosten:
        return QStringLiteral("Pfosten");
    case ccStulp:
        return QStringLiteral("Stulp");
    case ccGlas:
        return QStringLiteral("Verglasung / Glasleiste");
    case ccKopplungSenk:
        return QStringLiteral("Kopplungsprofil senkrecht");
    case ccKopplungWaag:
        return QStringLiteral("Kopplungsprofil waagerecht");
    case ccRollkasten:
        return QStringLiteral("Rollladenkasten");
    case ccFarbe:
        return QStringLiteral("Farbe");
    case ccSystemChanged:
        return QStringLiteral("Profilserie");
    default:
        return QStringLiteral("unknown");
    }
}

HostWindow::HostWindow(const velmar_data& initial) : record_(initial) {
    setWindowTitle(QStringLiteral("velmar demo host"));

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    setCentralWidget(splitter);

    // The control the configurator is embedded in.
    container_ = new QWidget(splitter);
    container_->setObjectName(QStringLiteral("configuratorContainer"));
    container_->setMinimumSize(769, 565);
    splitter->addWidget(container_);

    auto* side = new QWidget(splitter);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(6, 6, 6, 6);

    auto* element = new QGroupBox(QStringLiteral("Element"), side);
    auto* form = new QFormLayout(element);
    width_ = new QDoubleSpinBox(element);
    height_ = new QDoubleSpinBox(element);
    for (QDoubleSpinBox* box : {width_, height_}) {
        box->setRange(0.0, 100000.0);
        box->setDecimals(1);
        box->setSuffix(QStringLiteral(" mm"));
    }
    width_->setValue(1230.0);
    height_->setValue(1480.0);
    auto* applySize = new QPushButton(QStringLiteral("Set size"), element);
    applySize->setObjectName(QStringLiteral("setSize"));
    form->addRow(QStringLiteral("Width"), width_);
    form->addRow(QStringLiteral("Height"), height_);
    form->addRow(QString(), applySize);
    elementCode_ = new QSpinBox(element);
    elementSubcode_ = new QSpinBox(element);
    for (QSpinBox* box : {elementCode_, elementSubcode_}) box->setRange(-1000000, 1000000);
    elementCode_->setValue(kElementCode);
    elementSubcode_->setValue(kElementSubcode);
    auto* applyCodes = new QPushButton(QStringLiteral("New element data"), element);
    applyCodes->setObjectName(QStringLiteral("setNewData"));
    form->addRow(QStringLiteral("Element code"), elementCode_);
    form->addRow(QStringLiteral("Subcode"), elementSubcode_);
    form->addRow(QString(), applyCodes);
    sideLayout->addWidget(element);

    auto* files = new QHBoxLayout;
    auto* open = new QPushButton(QStringLiteral("Open..."), side);
    auto* save = new QPushButton(QStringLiteral("Save..."), side);
    files->addWidget(open);
    files->addWidget(save);
    sideLayout->addLayout(files);

    sideLayout->addWidget(new QLabel(QStringLiteral("Configuration (vm_getdata)"), side));
    tree_ = new QTreeWidget(side);
    tree_->setObjectName(QStringLiteral("record"));
    tree_->setColumnCount(2);
    tree_->setHeaderLabels({QStringLiteral("Field"), QStringLiteral("Value")});
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    sideLayout->addWidget(tree_, 3);

    sideLayout->addWidget(new QLabel(QStringLiteral("Change notifications"), side));
    log_ = new QPlainTextEdit(side);
    log_->setObjectName(QStringLiteral("log"));
    log_->setReadOnly(true);
    sideLayout->addWidget(log_, 1);
    splitter->addWidget(side);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);

    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu->addAction(QStringLiteral("&Open configuration..."), this, &HostWindow::openClicked);
    fileMenu->addAction(QStringLiteral("&Save configuration..."), this, &HostWindow::saveClicked);
    fileMenu->addSeparator();
    fileMenu->addAction(QStringLiteral("&Quit"), this, &QWidget::close);

    connect(applySize, &QPushButton::clicked, this, &HostWindow::applySize);
    connect(applyCodes, &QPushButton::clicked, this, &HostWindow::applyElementCodes);
    connect(open, &QPushButton::clicked, this, &HostWindow::openClicked);
    connect(save, &QPushButton::clicked, this, &HostWindow::saveClicked);

    instance_ =
        vm_create(this, container_, kHostKey1, kHostKey2, kElementCode, kElementSubcode, emDefault,
                  true, false, 0.0, cfDefault, false, record_, &HostWindow::onChange, this);
    if (instance_ == nullptr) log(QStringLiteral("vm_create gave no instance"));
    vm_setBreiteHoeheElement(instance_, width_->value(), height_->value());
    vm_show(instance_);
    resize(1280, 720);
    refreshRecord();
}

HostWindow::~HostWindow() {
    vm_delete(instance_);
}

velmar_data HostWindow::currentRecord() const {
    velmar_data data = record_;
    vm_getdata(instance_, data);
    return data;
}

void HostWindow::onChange(const int code, void* user) {
    static_cast<HostWindow*>(user)->changed(code);
}

void HostWindow::changed(int code) {
    log(QStringLiteral("%1  %2").arg(code, 2).arg(ChangeCodeName(code)));
    // The summary comes last: the configuration is complete now.
    if (code == ccSummary || code == ccSystemChanged) refreshRecord();
}

void HostWindow::log(const QString& line) {
    log_->appendPlainText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss  ")) + line);
}

void HostWindow::refreshRecord() {
    record_ = currentRecord();
    tree_->clear();
    Json document = Json::parse(velmar_dataToJson(record_), nullptr, false);
    if (document.is_object() && document.contains("record")) {
        Json& record = document["record"];
        // Not stored in the packet, so its JSON cannot know it.
        record["option3"] = record_.option3;
        for (auto it = record.begin(); it != record.end(); ++it)
            addJson(tree_->invisibleRootItem(), QString::fromStdString(it.key()), it.value());
    }
    statusBar()->showMessage(QStringLiteral("Uf %1 W/m²K").arg(record_.ufValue, 0, 'f', 2));
}

void HostWindow::addJson(QTreeWidgetItem* parent, const QString& key, const Json& value) {
    auto* item = new QTreeWidgetItem(parent);
    item->setText(0, key);
    if (value.is_object()) {
        // A record is summed up by its name.
        const Json* named = &value;
        if (value.contains("nameId"))
            named = &value["nameId"];
        else if (value.contains("box"))
            named = &value["box"];
        if (named->contains("name") && (*named)["name"].is_string())
            item->setText(1, QString::fromStdString((*named)["name"].get<std::string>()));
        for (auto it = value.begin(); it != value.end(); ++it)
            addJson(item, QString::fromStdString(it.key()), it.value());
    } else if (value.is_array()) {
        item->setText(1, QStringLiteral("%1 entries").arg(value.size()));
        for (std::size_t i = 0; i < value.size(); ++i) addJson(item, QString::number(i), value[i]);
    } else if (value.is_string()) {
        item->setText(1, QString::fromStdString(value.get<std::string>()));
    } else {
        item->setText(1, QString::fromStdString(value.dump()));
    }
}

void HostWindow::applySize() {
    vm_setBreiteHoeheElement(instance_, width_->value(), height_->value());
    log(QStringLiteral("vm_setBreiteHoeheElement %1 x %2 mm")
            .arg(width_->value())
            .arg(height_->value()));
}

void HostWindow::applyElementCodes() {
    vm_setNewData(instance_, elementCode_->value(), elementSubcode_->value(), true, false, 0.0,
                  cfDefault, false, nullptr);
    log(QStringLiteral("vm_setNewData element %1 / %2")
            .arg(elementCode_->value())
            .arg(elementSubcode_->value()));
    refreshRecord();
}

bool HostWindow::openConfiguration(const QString& path) {
    TFileStream stream(path.toStdString(), TFileStream::Mode::Read);
    velmar_data data;
    if (!stream.isOpen() || !data.read(stream)) {
        log(QStringLiteral("could not read %1").arg(path));
        return false;
    }
    record_ = data;
    vm_setNewData(instance_, elementCode_->value(), elementSubcode_->value(), true, false, 0.0,
                  cfDefault, false, &record_);
    log(QStringLiteral("opened %1").arg(path));
    refreshRecord();
    return true;
}

bool HostWindow::saveConfiguration(const QString& path) {
    const velmar_data data = currentRecord();
    TFileStream stream(path.toStdString(), TFileStream::Mode::Create);
    if (!stream.isOpen()) {
        log(QStringLiteral("could not write %1").arg(path));
        return false;
    }
    data.write(stream);
    if (!stream.close()) {
        log(QStringLiteral("could not write %1").arg(path));
        return false;
    }
    log(QStringLiteral("saved %1").arg(path));
    return true;
}

void HostWindow::openClicked() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Open configuration"), QString(),
        QStringLiteral("Configuration packets (*.vmd);;All files (*)"));
    if (!path.isEmpty() && !openConfiguration(path))
        QMessageBox::warning(this, QStringLiteral("Open"),
                             QStringLiteral("The file holds no configuration."));
}

void HostWindow::saveClicked() {
    QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save configuration"), QString(),
                                     QStringLiteral("Configuration packets (*.vmd)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".vmd"))) path += QStringLiteral(".vmd");
    if (!saveConfiguration(path))
        QMessageBox::warning(this, QStringLiteral("Save"),
                             QStringLiteral("The configuration could not be saved."));
}
