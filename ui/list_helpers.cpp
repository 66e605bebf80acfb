#include "ui/list_helpers.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextLayout>

#include <charconv>
#include <cmath>

namespace vm {

int EntryIndexOf(const QListWidgetItem* item) {
    if (item == nullptr) return -1;
    bool ok = false;
    const int index = item->data(EntryIndexRole).toInt(&ok);
    return ok ? index : -1;
}

int SelectedEntryIndex(const QListWidget* listBox) {
    if (listBox == nullptr) return -1;
    const auto selected = listBox->selectedItems();
    return selected.isEmpty() ? -1 : EntryIndexOf(selected.front());
}

namespace {

// Draws item texts with one fixed tab stop.
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(QObject* parent, int dialogUnits)
        : QStyledItemDelegate(parent), dialogUnits_(dialogUnits) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget != nullptr ? widget->style() : nullptr;
        if (style != nullptr) style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        QTextOption textOption;
        textOption.setTabStopDistance(tabStopPixels(opt.fontMetrics));
        textOption.setWrapMode(QTextOption::NoWrap);
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(
            opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRectF(opt.rect.adjusted(3, 0, -3, 0)), text, textOption);
        painter->restore();
    }

    double tabStopPixels(const QFontMetrics& fm) const {
        // A horizontal dialog unit is a quarter of the average width of the
        // Latin letters.
        static const QString letters =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        const double average = fm.horizontalAdvance(letters) / 52.0;
        return dialogUnits_ * average / 4.0;
    }

private:
    int dialogUnits_;
};

} // namespace

void SetTabStopDialogUnits(QListWidget* listBox, int dialogUnits) {
    if (listBox == nullptr) return;
    listBox->setItemDelegate(new TabStopDelegate(listBox, dialogUnits));
}

void FillEntryList(QListWidget* listBox, const std::vector<velmar_stahl>& list) {
    FillEntryList<velmar_stahl>(listBox, list);
    SetTabStopDialogUnits(listBox, 220);
}

QString FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) value = 0.0;
    if (decimals > 15) decimals = 15;
    char buffer[512];
    std::to_chars_result result{};
    if (decimals >= 0)
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                               decimals);
    else
        result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (result.ec != std::errc()) return QStringLiteral("0");
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

double ParseNumber(const QString& text) {
    QByteArray bytes = text.trimmed().toLatin1();
    bytes.replace(',', '.');
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    if (first != last && *first == '+') ++first;
    if (first == last) return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value)) return 0.0;
    return value;
}

} // namespace vm
