#include "ui/key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace vm {

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit == nullptr || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.isEmpty() || (key->modifiers() & Qt::ControlModifier)) return false;
    const QChar c = text.front();
    if (c == QChar(8) || c.unicode() == 247 || c.isDigit()) return false;
    if (c == QLatin1Char('.') || c == QLatin1Char(',')) {
        if (edit->text().contains(QLatin1Char('.'))) {
            QApplication::beep();
            return true;
        }
        if (c == QLatin1Char(',')) {
            edit->insert(QStringLiteral("."));
            return true;
        }
        return false;
    }
    QApplication::beep();
    return true;
}

void InstallNumericKeyFilter(QObject* edit) {
    if (edit != nullptr) edit->installEventFilter(new NumericKeyFilter(edit));
}

} // namespace vm
