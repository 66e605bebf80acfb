// The main form's fixed layout, its font, its icons and the caption fitting.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QToolButton>

#include "tests/mainform/form_fixture.h"

namespace {

struct RowCase {
    const char* caption;
    const char* text;
    int top;
    bool labelsVisible;
};

const RowCase kRows[] = {
    {"LSystem", "Profilserie:", 2, true},
    {"LFarbe", "Farben:", 18, true},
    {"LRahmen", "Rahmen:", 35, true},
    {"LFluegel", "Flügel:", 52, true},
    {"LPfosten", "Pfosten:", 69, true},
    {"LStulp", "Stulpprofile:", 86, true},
    {"LGlas", "Verglasung + Randverbund:", 103, true},
    {"LGlasleisteR", "Glasleiste Rahmen/Pfosten:", 286, false},
    {"LGlasleisteF", "Glasleiste Flügel/Sprossen:", 303, false},
    {"LKopplungSenk", "Kopplungsprofil senkrecht:", 120, true},
    {"LKopplungWaag", "Kopplungsprofil waagerecht:", 137, true},
    {"LRoll", "Rollladenkasten:", 154, true},
};

template <class T> T* Child(const QWidget& parent, const QString& name) {
    T* child = parent.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseServiceIn("");
        form = MakeForm();
    }
    std::unique_ptr<TForm1> form;
};

TEST_F(LayoutTest, TwelveRowsAtTheirFixedPlaces) {
    EXPECT_EQ(form->size(), QSize(769, 565));
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(form->autoFillBackground());

    int widest = 0;
    for (const RowCase& row : kRows) {
        const auto* caption = Child<QLabel>(*form, QString::fromLatin1(row.caption));
        widest = std::max(widest, QFontMetrics(caption->font()).horizontalAdvance(caption->text()));
    }
    for (const RowCase& row : kRows) {
        SCOPED_TRACE(row.caption);
        const QString key = QString::fromLatin1(row.caption).mid(1);
        const auto* caption = Child<QLabel>(*form, QString::fromLatin1(row.caption));
        const auto* name = Child<QLabel>(*form, QString::fromLatin1(row.caption) + "Name");
        const auto* image = Child<QLabel>(*form, "Image" + key);
        const auto* line = Child<QFrame>(*form, "Line" + key);
        const auto* button = Child<QToolButton>(*form, "Btn" + key);

        EXPECT_EQ(caption->text(), QString::fromUtf8(row.text));
        EXPECT_EQ(caption->pos(), QPoint(15, row.top));
        // The name column starts at the widest caption's width plus 22, so
        // no caption runs into it.
        EXPECT_EQ(name->pos(), QPoint(widest + 22, row.top));
        EXPECT_LT(caption->geometry().right(), name->x());
        EXPECT_GE(caption->width(),
                  QFontMetrics(caption->font()).horizontalAdvance(caption->text()));
        EXPECT_EQ(caption->isVisibleTo(form.get()), row.labelsVisible);
        EXPECT_EQ(name->isVisibleTo(form.get()), row.labelsVisible);

        EXPECT_EQ(image->geometry(), QRect(0, row.top - 2, 13, 13));
        EXPECT_TRUE(image->isVisibleTo(form.get()));
        EXPECT_EQ(image->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(caption->cursor().shape(), Qt::PointingHandCursor);
        const QImage icon = image->pixmap().toImage();
        EXPECT_EQ(icon.size(), QSize(13, 13));
        EXPECT_TRUE(icon.hasAlphaChannel());

        EXPECT_FALSE(line->isVisibleTo(form.get()));
        EXPECT_EQ(line->height(), 1);
        EXPECT_FALSE(button->isVisibleTo(form.get()));
        EXPECT_EQ(button->size(), QSize(20, 20));

        // Rows use Arial, which resolves to the metric-compatible face, plain
        // and in the rows' grey.
        EXPECT_EQ(caption->font().family(), QStringLiteral("Arial"));
        EXPECT_EQ(QFontInfo(caption->font()).family(), QStringLiteral("Liberation Sans"));
        EXPECT_FALSE(caption->font().bold());
        EXPECT_EQ(caption->font().pixelSize(), 11);
        EXPECT_EQ(caption->palette().color(QPalette::WindowText), QColor(0x66, 0x66, 0x66));
    }
    for (const char* name :
         {"LAusRahmen", "LAusFluegel", "LAusPfosten", "LAusStulp", "LAusKopplung"}) {
        const auto* label = Child<QLabel>(*form, QString::fromLatin1(name));
        EXPECT_EQ(label->text(), QStringLiteral("----"));
        EXPECT_FALSE(label->isVisibleTo(form.get()));
    }
    for (const char* name : {"Line1", "Line2", "Line3", "Line4", "LineBottom"})
        EXPECT_FALSE(Child<QFrame>(*form, QString::fromLatin1(name))->isVisibleTo(form.get()));
    EXPECT_FALSE(form->layoutPending);
}

TEST_F(LayoutTest, IconsAreDrawnAndDistinct) {
    QList<QImage> icons;
    for (const RowCase& row : kRows) {
        const QImage icon = Child<QLabel>(*form, "Image" + QString::fromLatin1(row.caption).mid(1))
                                ->pixmap()
                                .toImage();
        int opaque = 0;
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 13; ++x) opaque += icon.pixelColor(x, y).alpha() > 0 ? 1 : 0;
        EXPECT_GT(opaque, 10) << row.caption;
        EXPECT_LT(opaque, 169) << row.caption << ": the background stays transparent";
        icons.push_back(icon);
    }
    // Every row has an icon of its own.
    for (qsizetype i = 0; i < icons.size(); ++i)
        for (qsizetype j = i + 1; j < icons.size(); ++j)
            EXPECT_NE(icons[i], icons[j]) << kRows[i].caption << " / " << kRows[j].caption;
}

TEST_F(LayoutTest, ResizingNeverMovesRowsVertically) {
    QWidget host;
    host.resize(1000, 700);
    form->setParent(&host, Qt::Widget);
    form->show();
    host.show();
    // Shown, the form fills the host's control and follows it.
    EXPECT_EQ(form->geometry(), host.rect());
    for (QSize size : {QSize(300, 120), QSize(1600, 1200), QSize(769, 565)}) {
        host.resize(size);
        EXPECT_EQ(form->size(), size);
        for (const RowCase& row : kRows) {
            EXPECT_EQ(Child<QLabel>(*form, QString::fromLatin1(row.caption))->y(), row.top);
            EXPECT_EQ(Child<QLabel>(*form, QString::fromLatin1(row.caption) + "Name")->y(),
                      row.top);
        }
    }
    form->setParent(nullptr);
}

// ---- fitting a row text ------------------------------------------------------------

// A text of exactly `width` pixels in `font`: letters of different widths
// combined until the sum hits the width.
QString TextOfWidth(const QFont& font, int width) {
    const QFontMetrics fm(font);
    for (int wide = 0; wide < 120; ++wide) {
        QString text(wide, QLatin1Char('m'));
        while (fm.horizontalAdvance(text) < width) text += QLatin1Char('i');
        if (fm.horizontalAdvance(text) == width) return text;
    }
    return {};
}

TEST_F(LayoutTest, FitCaptionCutsOnlyTextsWiderThanTheLimit) {
    QLabel* label = form->LRahmenName;
    const QFontMetrics fm(label->font());

    const QString exact = TextOfWidth(label->font(), 450);
    ASSERT_FALSE(exact.isEmpty());
    EXPECT_EQ(form->FitCaption(exact, label, 450), exact);
    const QString under = TextOfWidth(label->font(), 449);
    EXPECT_EQ(form->FitCaption(under, label, 450), under);

    // Over: the shortest prefix wider than 450, its last three characters
    // replaced by "...".
    const QString longText = exact + QStringLiteral("mmmmmmmmmm");
    const QString shown = form->FitCaption(longText, label, 450);
    ASSERT_TRUE(shown.endsWith(QStringLiteral("...")));
    const qsizetype prefix = shown.size();
    EXPECT_GT(fm.horizontalAdvance(longText.left(prefix)), 450);
    EXPECT_LE(fm.horizontalAdvance(longText.left(prefix - 1)), 450);
    EXPECT_EQ(shown.left(prefix - 3), longText.left(prefix - 3));

    EXPECT_EQ(form->FitCaption(QString(), label, 450), QString());
}

TEST_F(LayoutTest, FitCaptionMeasuresWithTheLabelsFont) {
    QLabel big;
    QFont font = form->LRahmenName->font();
    font.setPixelSize(22);
    big.setFont(font);
    const QString text = TextOfWidth(form->LRahmenName->font(), 440);
    EXPECT_EQ(form->FitCaption(text, form->LRahmenName, 450), text);
    EXPECT_TRUE(form->FitCaption(text, &big, 450).endsWith(QStringLiteral("...")));
}

TEST_F(LayoutTest, LongArticleNamesAreCutInTheRowButWholeInTheHint) {
    velmar_artikel longFrame;
    longFrame.nameId.id = 99;
    const QString name = QString(120, QLatin1Char('W'));
    longFrame.nameId.name = name.toStdU16String();
    ASSERT_TRUE(form->SetArtikelLabel(form->LRahmenName, {longFrame}, 99));
    const QString shown = form->LRahmenName->text();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("...")));
    EXPECT_LT(shown.size(), name.size());
    EXPECT_GE(form->LRahmenName->width(),
              QFontMetrics(form->LRahmenName->font()).horizontalAdvance(shown));

    form->request.frames = {longFrame};
    form->OnNameIdMouseMove(form->LRahmenName);
    EXPECT_EQ(form->LRahmenName->toolTip(), name);
    // Caption labels and the colour row have no hint.
    form->OnNameIdMouseMove(form->LRahmen);
    EXPECT_EQ(form->LRahmen->toolTip(), QString());
    form->OnNameIdMouseMove(form->LFarbeName);
    EXPECT_EQ(form->LFarbeName->toolTip(), QString());
    EXPECT_EQ(form->lastHint, QString());
}

} // namespace
