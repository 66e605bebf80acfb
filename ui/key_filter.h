#pragma once
// The numeric key filter of the dialogs' edit fields: lengths and values are
// typed with a point as decimal separator whatever the keyboard gives.

#include <QObject>

namespace vm {

// Installed on an edit field (QLineEdit), it lets pass backspace, the
// character 247, digits and one point; a comma becomes a point; every other
// character is swallowed with a beep. Keys without a character (arrows,
// Delete, Tab) and shortcuts with Ctrl pass. On other widgets it does nothing.
class NumericKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs one filter, owned by `edit`.
void InstallNumericKeyFilter(QObject* edit);

} // namespace vm
