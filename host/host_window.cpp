#include "host/host_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "cli/refusal.h"
#include "host/queries.h"

namespace {

// Element codes the demo starts with: a one-sash window.
constexpr int kHostKey1 = 1;
constexpr int kHostKey2 = 1;
constexpr int kElementCode = 1;
constexpr int kElementSubcode = 0;

// A number field that takes a decimal comma as well as a point: "2150,5" is
// 2150.5 mm, not 21505. Shown with a point and without group separators.
class DecimalField : public QDoubleSpinBox {
public:
    explicit DecimalField(QWidget* parent) : QDoubleSpinBox(parent) {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        setLocale(c);
    }
    QValidator::State validate(QString& text, int& pos) const override {
        QString point = WithPoint(text);
        return QDoubleSpinBox::validate(point, pos);
    }
    double valueFromText(const QString& text) const override {
        return QDoubleSpinBox::valueFromText(WithPoint(text));
    }
    void fixup(QString& text) const override {
        text = WithPoint(text);
        QDoubleSpinBox::fixup(text);
    }

private:
    static QString WithPoint(QString text) {
        return text.replace(QLatin1Char(','), QLatin1Char('.'));
    }
};

// An integer field of the side panel, found by its object name.
QSpinBox* IntegerField(QWidget* parent, const QString& name, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(-1000000, 1000000);
    box->setValue(value);
    return box;
}

QPushButton* Button(QWidget* parent, const QString& text, const QString& name) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

// Writes all bytes. A write that stops part way is tried again for the rest,
// so that the device reports why it stops.
bool writeAll(QFileDevice& file, const std::vector<std::uint8_t>& bytes) {
    const auto* data = reinterpret_cast<const char*>(bytes.data());
    const auto size = static_cast<qint64>(bytes.size());
    qint64 done = 0;
    while (done < size) {
        const qint64 n = file.write(data + done, size - done);
        if (n <= 0) return false;
        done += n;
    }
    return file.flush();
}

// Writes the packet so that a failure never damages the file there: into a
// temporary file beside it, renamed over it only after every write, the
// flush and the close succeeded (an uncommitted temporary file is removed).
// A target that is no regular file (a device, a pipe) cannot be replaced; it
// is written directly, as checked.
bool writeFile(const QString& path, const std::vector<std::uint8_t>& bytes, QString& why) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !writeAll(file, bytes)) {
            why = file.errorString();
            return false;
        }
        return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !writeAll(file, bytes) || !file.commit()) {
        why = file.errorString();
        return false;
    }
    return true;
}

} // namespace

bool ReadConfiguration(const QString& path, velmar_data& data, QString* why) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (why) *why = file.errorString();
        return false;
    }
    const QByteArray content = file.readAll();
    const std::span<const std::uint8_t> bytes(
        reinterpret_cast<const std::uint8_t*>(content.constData()),
        static_cast<std::size_t>(content.size()));
    velmar_data read;
    if (read.fromPacket(bytes)) {
        data = read;
        return true;
    }
    if (why) {
        // The default record's packet tells which members are records.
        const std::string reason = packetRefusal(bytes, velmar_data().toPacket());
        *why = reason.empty() ? QStringLiteral("a member of the configuration did not read")
                              : QString::fromStdString(reason);
    }
    return false;
}

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

HostWindow::HostWindow(const velmar_data& initial, int instances)
    : instances_(static_cast<std::size_t>(std::max(instances, 1))), record_(initial) {
    setWindowTitle(QStringLiteral("velmar demo host"));

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    setCentralWidget(splitter);

    // The controls the configurators are embedded in, side by side.
    auto* configurators = new QWidget(splitter);
    auto* row = new QHBoxLayout(configurators);
    row->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < instances_.size(); ++i) {
        Instance& instance = instances_[i];
        instance.window = this;
        instance.number = static_cast<int>(i) + 1;
        instance.container = new QWidget(configurators);
        instance.container->setObjectName(
            i == 0 ? QStringLiteral("configuratorContainer")
                   : QStringLiteral("configuratorContainer%1").arg(instance.number));
        instance.container->setMinimumSize(769, 565);
        row->addWidget(instance.container);
    }
    splitter->addWidget(configurators);

    // The side panel scrolls, so every control stays reachable however small
    // the window is.
    auto* scroll = new QScrollArea(splitter);
    scroll->setWidgetResizable(true);
    scroll->setMinimumWidth(300);
    auto* side = new QWidget(scroll);
    scroll->setWidget(side);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(6, 6, 6, 6);

    instanceChoice_ = new QComboBox(side);
    instanceChoice_->setObjectName(QStringLiteral("instance"));
    for (const Instance& instance : instances_)
        instanceChoice_->addItem(QStringLiteral("Instance %1").arg(instance.number));
    instanceChoice_->setEnabled(instances_.size() > 1);
    sideLayout->addWidget(instanceChoice_);

    // vm_setBreiteHoeheElement and vm_setNewData.
    auto* element = new QGroupBox(QStringLiteral("Element"), side);
    auto* form = new QFormLayout(element);
    width_ = new DecimalField(element);
    height_ = new DecimalField(element);
    width_->setObjectName(QStringLiteral("width"));
    height_->setObjectName(QStringLiteral("height"));
    for (QDoubleSpinBox* box : {width_, height_}) {
        box->setRange(0.0, 100000.0);
        box->setDecimals(1);
        box->setSuffix(QStringLiteral(" mm"));
    }
    width_->setValue(1230.0);
    height_->setValue(1480.0);
    auto* applySize = Button(element, QStringLiteral("Set size"), QStringLiteral("setSize"));
    form->addRow(QStringLiteral("Width"), width_);
    form->addRow(QStringLiteral("Height"), height_);
    form->addRow(QString(), applySize);
    elementCode_ = IntegerField(element, QStringLiteral("elementCode"), kElementCode);
    elementSubcode_ = IntegerField(element, QStringLiteral("elementSubcode"), kElementSubcode);
    compForm_ = IntegerField(element, QStringLiteral("compForm"), cfDefault);
    referenceValue_ = new DecimalField(element);
    referenceValue_->setObjectName(QStringLiteral("referenceValue"));
    referenceValue_->setRange(-1.0e9, 1.0e9);
    referenceValue_->setDecimals(3);
    rollerShutterAllowed_ = new QCheckBox(QStringLiteral("Roller shutter allowed"), element);
    rollerShutterAllowed_->setObjectName(QStringLiteral("rollerShutterAllowed"));
    rollerShutterAllowed_->setChecked(true);
    serviceFlag_ = new QCheckBox(QStringLiteral("Service flag"), element);
    serviceFlag_->setObjectName(QStringLiteral("serviceFlag"));
    auto* applyCodes =
        Button(element, QStringLiteral("New element data"), QStringLiteral("setNewData"));
    form->addRow(QStringLiteral("Element code"), elementCode_);
    form->addRow(QStringLiteral("Subcode"), elementSubcode_);
    form->addRow(QStringLiteral("Element form"), compForm_);
    form->addRow(QStringLiteral("Reference value"), referenceValue_);
    form->addRow(QString(), rollerShutterAllowed_);
    form->addRow(QString(), serviceFlag_);
    form->addRow(QString(), applyCodes);
    sideLayout->addWidget(element);

    // What only vm_create takes, the third option flag and the mode.
    auto* host = new QGroupBox(QStringLiteral("Host"), side);
    auto* hostForm = new QFormLayout(host);
    hostKey1_ = IntegerField(host, QStringLiteral("hostKey1"), kHostKey1);
    hostKey2_ = IntegerField(host, QStringLiteral("hostKey2"), kHostKey2);
    auto* recreate = Button(host, QStringLiteral("Create again"), QStringLiteral("recreate"));
    hostForm->addRow(QStringLiteral("Host key 1"), hostKey1_);
    hostForm->addRow(QStringLiteral("Host key 2"), hostKey2_);
    hostForm->addRow(QString(), recreate);
    rc2_ = new QCheckBox(QStringLiteral("Option 3 (vm_setNewRC2)"), host);
    rc2_->setObjectName(QStringLiteral("rc2"));
    hostForm->addRow(QString(), rc2_);
    mode_ = IntegerField(host, QStringLiteral("mode"), emDefault);
    auto* applyMode = Button(host, QStringLiteral("Set mode"), QStringLiteral("setMode"));
    hostForm->addRow(QStringLiteral("Mode"), mode_);
    hostForm->addRow(QString(), applyMode);
    sideLayout->addWidget(host);

    auto* files = new QHBoxLayout;
    auto* open = Button(side, QStringLiteral("Open..."), QStringLiteral("open"));
    auto* save = Button(side, QStringLiteral("Save..."), QStringLiteral("save"));
    auto* readBack = Button(side, QStringLiteral("Read back now"), QStringLiteral("readBack"));
    files->addWidget(open);
    files->addWidget(save);
    files->addWidget(readBack);
    sideLayout->addLayout(files);

    sideLayout->addWidget(new QLabel(QStringLiteral("Configuration (vm_getdata)"), side));
    tree_ = new QTreeWidget(side);
    tree_->setObjectName(QStringLiteral("record"));
    tree_->setColumnCount(2);
    tree_->setHeaderLabels({QStringLiteral("Field"), QStringLiteral("Value")});
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree_->setMinimumHeight(160);
    sideLayout->addWidget(tree_, 3);

    sideLayout->addWidget(new QLabel(QStringLiteral("Change notifications"), side));
    log_ = new QPlainTextEdit(side);
    log_->setObjectName(QStringLiteral("log"));
    log_->setReadOnly(true);
    log_->setMinimumHeight(80);
    sideLayout->addWidget(log_, 1);
    splitter->addWidget(scroll);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);

    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu->addAction(QStringLiteral("&Open configuration..."), this, &HostWindow::openClicked);
    fileMenu->addAction(QStringLiteral("&Save configuration..."), this, &HostWindow::saveClicked);
    fileMenu->addAction(QStringLiteral("&Read back now"), this, &HostWindow::readBack);
    fileMenu->addSeparator();
    fileMenu->addAction(QStringLiteral("&Quit"), this, &QWidget::close);
    AddQueriesMenu(*this);

    connect(instanceChoice_, &QComboBox::currentIndexChanged, this, &HostWindow::select);
    connect(applySize, &QPushButton::clicked, this, &HostWindow::applySize);
    connect(applyCodes, &QPushButton::clicked, this, &HostWindow::applyElementCodes);
    connect(recreate, &QPushButton::clicked, this, &HostWindow::recreate);
    connect(rc2_, &QCheckBox::toggled, this, &HostWindow::applyRC2);
    connect(applyMode, &QPushButton::clicked, this, &HostWindow::applyMode);
    connect(open, &QPushButton::clicked, this, &HostWindow::openClicked);
    connect(save, &QPushButton::clicked, this, &HostWindow::saveClicked);
    connect(readBack, &QPushButton::clicked, this, &HostWindow::readBack);

    thermal_ = new QLabel(this);
    thermal_->setObjectName(QStringLiteral("thermal"));
    thermal_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(thermal_, 1);

    for (Instance& instance : instances_) create(instance);
    resize(1280, 720);
    refreshRecord();
}

HostWindow::~HostWindow() {
    for (Instance& instance : instances_) vm_delete(instance.handle);
}

void HostWindow::create(Instance& instance) {
    instance.handle = vm_create(
        this, instance.container, hostKey1_->value(), hostKey2_->value(), elementCode_->value(),
        elementSubcode_->value(), eEmMode(mode_->value()), rollerShutterAllowed_->isChecked(),
        false, referenceValue_->value(), eCompForm(compForm_->value()), serviceFlag_->isChecked(),
        record_, &HostWindow::onChange, &instance);
    if (instance.handle == nullptr) {
        log(QStringLiteral("vm_create gave no instance"));
        return;
    }
    vm_setBreiteHoeheElement(instance.handle, width_->value(), height_->value());
    if (rc2_->isChecked()) vm_setNewRC2(instance.handle, true);
    vm_show(instance.handle);
}

void HostWindow::recreate() {
    Instance& instance = instances_[static_cast<std::size_t>(current_)];
    record_ = currentRecord();
    vm_delete(instance.handle);
    create(instance);
    log(QStringLiteral("vm_create again, host keys %1 / %2")
            .arg(hostKey1_->value())
            .arg(hostKey2_->value()));
    refreshRecord();
}

void HostWindow::select(int index) {
    if (index < 0 || index >= static_cast<int>(instances_.size())) return;
    current_ = index;
    refreshRecord();
}

void HostWindow::applyRC2(bool value) {
    vm_setNewRC2(instance(), value);
    log(QStringLiteral("vm_setNewRC2 %1 (in the record from the next vm_getdata)")
            .arg(value ? QStringLiteral("true") : QStringLiteral("false")));
}

void HostWindow::applyMode() {
    vm_setMode(instance(), eEmMode(mode_->value()));
    log(QStringLiteral("vm_setMode %1").arg(mode_->value()));
}

void HostWindow::readBack() {
    refreshRecord();
    log(QStringLiteral("vm_getdata: Uf %1").arg(record_.ufValue, 0, 'f', 2));
}

velmar_data HostWindow::currentRecord() const {
    velmar_data data = record_;
    vm_getdata(instance(), data);
    return data;
}

void HostWindow::onChange(const int code, void* user) {
    const auto* instance = static_cast<const Instance*>(user);
    instance->window->changed(*instance, code);
}

void HostWindow::changed(const Instance& instance, int code) {
    const QString line = QStringLiteral("%1  %2").arg(code, 2).arg(ChangeCodeName(code));
    log(instances_.size() > 1 ? QStringLiteral("#%1 ").arg(instance.number) + line : line);
    // The summary comes last: the configuration is complete now.
    if (instance.handle == this->instance() && (code == ccSummary || code == ccSystemChanged))
        refreshRecord();
}

int HostWindow::elementCode() const {
    return elementCode_->value();
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
    // A negative Uf is the service's "no value".
    QString line = record_.ufValue < 0.0
                       ? QStringLiteral("Uf unknown")
                       : QStringLiteral("Uf %1 W/m²K").arg(record_.ufValue, 0, 'f', 2);
    velmar_uw uw;
    if (vm_getUw(instance(), uw))
        line += QStringLiteral("    Uw %1 W/m²K = (Ag %2 m² · Ug %3 + Af %4 m² · Uf %5 + lg %6 m · "
                               "Ψg %7) / %8 m², %9 × %10 mm%11")
                    .arg(uw.uw, 0, 'f', 2)
                    .arg(uw.ag, 0, 'f', 3)
                    .arg(uw.ug, 0, 'f', 2)
                    .arg(uw.af, 0, 'f', 3)
                    .arg(uw.uf, 0, 'f', 2)
                    .arg(uw.lg, 0, 'f', 2)
                    .arg(uw.psi, 0, 'f', 3)
                    .arg(uw.ag + uw.af, 0, 'f', 3)
                    .arg(uw.width, 0, 'f', 0)
                    .arg(uw.height, 0, 'f', 0)
                    .arg(uw.referenceSize ? QStringLiteral(" (reference size)") : QString());
    else
        line += QStringLiteral("    Uw unknown");
    thermal_->setText(line);
}

nlohmann::ordered_json UwJson(void* instance) {
    velmar_uw uw;
    if (!vm_getUw(instance, uw)) return nullptr;
    return {{"uw", uw.uw},         {"af", uw.af},
            {"ag", uw.ag},         {"lg", uw.lg},
            {"uf", uw.uf},         {"ug", uw.ug},
            {"psi", uw.psi},       {"width", uw.width},
            {"height", uw.height}, {"referenceSize", uw.referenceSize}};
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
    vm_setBreiteHoeheElement(instance(), width_->value(), height_->value());
    log(QStringLiteral("vm_setBreiteHoeheElement %1 x %2 mm")
            .arg(width_->value())
            .arg(height_->value()));
    refreshRecord(); // Uw follows the size
}

void HostWindow::setNewData(const velmar_data* data) {
    vm_setNewData(instance(), elementCode_->value(), elementSubcode_->value(),
                  rollerShutterAllowed_->isChecked(), false, referenceValue_->value(),
                  eCompForm(compForm_->value()), serviceFlag_->isChecked(), data);
}

void HostWindow::applyElementCodes() {
    setNewData(nullptr);
    log(QStringLiteral("vm_setNewData element %1 / %2, form %3, reference %4%5%6")
            .arg(elementCode_->value())
            .arg(elementSubcode_->value())
            .arg(compForm_->value())
            .arg(referenceValue_->value())
            .arg(rollerShutterAllowed_->isChecked() ? QStringLiteral(", roller shutter")
                                                    : QString())
            .arg(serviceFlag_->isChecked() ? QStringLiteral(", service flag") : QString()));
    refreshRecord();
}

bool HostWindow::openConfiguration(const QString& path, QString* why) {
    velmar_data data;
    QString reason;
    if (!ReadConfiguration(path, data, &reason)) {
        log(QStringLiteral("could not read %1: %2").arg(path, reason));
        if (why) *why = reason;
        return false;
    }
    record_ = data;
    setNewData(&record_);
    log(QStringLiteral("opened %1").arg(path));
    refreshRecord();
    return true;
}

bool HostWindow::saveConfiguration(const QString& path, QString* why) {
    const velmar_data data = currentRecord();
    QString reason;
    if (!writeFile(path, data.toPacket(), reason)) {
        log(QStringLiteral("could not write %1: %2").arg(path, reason));
        if (why) *why = reason;
        return false;
    }
    log(QStringLiteral("saved %1").arg(path));
    return true;
}

void HostWindow::openClicked() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Open configuration"), QString(),
        QStringLiteral("Configuration packets (*.vmd);;All files (*)"));
    QString why;
    if (!path.isEmpty() && !openConfiguration(path, &why))
        QMessageBox::warning(this, QStringLiteral("Open"),
                             QStringLiteral("The file holds no configuration: %1.").arg(why));
}

void HostWindow::saveClicked() {
    QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save configuration"), QString(),
                                     QStringLiteral("Configuration packets (*.vmd)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".vmd"))) path += QStringLiteral(".vmd");
    QString why;
    if (!saveConfiguration(path, &why))
        QMessageBox::warning(
            this, QStringLiteral("Save"),
            QStringLiteral("The configuration could not be saved: %1. The file is unchanged.")
                .arg(why));
}
