#pragma once
// The demo host's main window: one configurator instance embedded on the
// left, and around it what a host does with it - the change log, the record
// the instance hands back, the element's size, new element codes, and
// configurations opened from and saved to packet files.

#include <QMainWindow>
#include <QString>

#include <nlohmann/json.hpp>

#include "interface/velmar.h"

class QDoubleSpinBox;
class QPlainTextEdit;
class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HostWindow(const velmar_data& initial);
    ~HostWindow() override;

    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    void* instance() const { return instance_; }
    // The record as the instance hands it back now.
    velmar_data currentRecord() const;

    bool openConfiguration(const QString& path);
    bool saveConfiguration(const QString& path);
    void log(const QString& line);
    void refreshRecord();

private:
    static void onChange(const int code, void* user);
    void changed(int code);
    void applySize();
    void applyElementCodes();
    void openClicked();
    void saveClicked();
    // Member order as the record declares it.
    using Json = nlohmann::ordered_json;
    static void addJson(QTreeWidgetItem* parent, const QString& key, const Json& value);

    void* instance_ = nullptr;
    velmar_data record_;
    QWidget* container_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QPlainTextEdit* log_ = nullptr;
    QDoubleSpinBox* width_ = nullptr;
    QDoubleSpinBox* height_ = nullptr;
    QSpinBox* elementCode_ = nullptr;
    QSpinBox* elementSubcode_ = nullptr;
};

// Name of the row behind a change code, for the log.
QString ChangeCodeName(int code);
