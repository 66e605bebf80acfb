#pragma once
// The demo host's main window: one configurator instance (or several side by
// side) embedded on the left, and around it what a host does with it - the
// change log, the record the instance hands back, the element's size, the
// parameters of vm_create and vm_setNewData, the third option flag, the mode,
// and configurations opened from and saved to packet files. The controls act
// on the instance chosen in "Instance".

#include <QMainWindow>
#include <QString>

#include <nlohmann/json.hpp>

#include <vector>

#include "interface/velmar.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QDoubleSpinBox;
class QPlainTextEdit;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    // `instances` configurators side by side (at least one).
    explicit HostWindow(const velmar_data& initial, int instances = 1);
    ~HostWindow() override;

    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    // The instance the controls act on.
    void* instance() const { return instances_[current_].handle; }
    // The record as the instance hands it back now.
    velmar_data currentRecord() const;

    // False with the reason in `why` when the file holds no configuration.
    bool openConfiguration(const QString& path, QString* why = nullptr);
    // Replaces the file only when the whole packet was written; false with
    // the reason in `why`, and the file as it was, otherwise.
    bool saveConfiguration(const QString& path, QString* why = nullptr);
    void log(const QString& line);
    // The element code in the host's field.
    int elementCode() const;
    void refreshRecord();

private:
    // One embedded configurator and what its callback needs.
    struct Instance {
        HostWindow* window = nullptr;
        int number = 0; // 1, 2, ... as the log names it
        void* handle = nullptr;
        QWidget* container = nullptr;
    };

    static void onChange(const int code, void* user);
    void changed(const Instance& instance, int code);
    void create(Instance& instance);
    void recreate();
    void select(int index);
    void applySize();
    void applyElementCodes();
    // vm_setNewData with the element fields and `data` (may be null).
    void setNewData(const velmar_data* data);
    void applyRC2(bool value);
    void applyMode();
    void readBack();
    void openClicked();
    void saveClicked();
    // Member order as the record declares it.
    using Json = nlohmann::ordered_json;
    static void addJson(QTreeWidgetItem* parent, const QString& key, const Json& value);

    // Never reallocated: the callbacks keep pointers to the elements.
    std::vector<Instance> instances_;
    int current_ = 0;
    velmar_data record_;
    QComboBox* instanceChoice_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QLabel* thermal_ = nullptr; // Uf, and Uw with its parts
    QPlainTextEdit* log_ = nullptr;
    QDoubleSpinBox* width_ = nullptr;
    QDoubleSpinBox* height_ = nullptr;
    QSpinBox* elementCode_ = nullptr;
    QSpinBox* elementSubcode_ = nullptr;
    QSpinBox* hostKey1_ = nullptr;
    QSpinBox* hostKey2_ = nullptr;
    QSpinBox* compForm_ = nullptr;
    QSpinBox* mode_ = nullptr;
    QDoubleSpinBox* referenceValue_ = nullptr;
    QCheckBox* rollerShutterAllowed_ = nullptr;
    QCheckBox* serviceFlag_ = nullptr;
    QCheckBox* rc2_ = nullptr;
};

// Reads a configuration packet file; false with the reason (what is wrong
// and at which byte) in `why` when it holds none.
bool ReadConfiguration(const QString& path, velmar_data& data, QString* why);

// Name of the row behind a change code, for the log.
QString ChangeCodeName(int code);

// vm_getUw of `instance` as the JSON object of velmar_uw's fields; null when
// the instance has no Uw.
nlohmann::ordered_json UwJson(void* instance);
