// The main form's fixed layout, its font, its icons and the caption fitting.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QToolButton>

#include "tests/support/form_fixture.h"

namespace {

class LayoutTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Open();
    }
    // Each row's caption and name label, found as a host finds them: by name.
    std::vector<std::pair<QLabel*, QLabel*>> Rows() const {
        std::vector<std::pair<QLabel*, QLabel*>> rows;
        for (QLabel* name : form->findChildren<QLabel*>()) {
            const QString key = name->objectName();
            if (!key.startsWith(QLatin1Char('L')) || !key.endsWith(QStringLiteral("Name")))
                continue;
            auto* caption = form->findChild<QLabel*>(key.chopped(4));
            EXPECT_NE(caption, nullptr) << key.toStdString();
            if (caption != nullptr) rows.emplace_back(caption, name);
        }
        return rows;
    }
};

TEST_F(LayoutTest, NamesStartRightOfTheWidestCaptionAndRowsNeverMove) {
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 12u);
    int widest = 0;
    for (const auto& [caption, name] : rows)
        widest = std::max(widest, QFontMetrics(caption->font()).horizontalAdvance(caption->text()));
    std::vector<int> tops;
    for (const auto& [caption, name] : rows) {
        SCOPED_TRACE(caption->objectName().toStdString());
        EXPECT_EQ(name->x(), widest + 22);
        EXPECT_LT(caption->geometry().right(), name->x());
        EXPECT_EQ(caption->y(), name->y());
        tops.push_back(caption->y());
    }

    QWidget host;
    host.resize(1000, 700);
    form->setParent(&host, Qt::Widget);
    form->show();
    host.show();
    // Shown, the form fills the host's control and follows it; rows keep
    // their heights.
    for (QSize size : {QSize(300, 120), QSize(1600, 1200), QSize(769, 565)}) {
        host.resize(size);
        EXPECT_EQ(form->size(), size);
        for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].first->y(), tops[i]);
    }
    form->setParent(nullptr);
}

TEST_F(LayoutTest, EveryRowHasAnIconOfItsOwn) {
    QList<QImage> icons;
    for (const auto& [caption, name] : Rows()) {
        const auto* image =
            form->findChild<QLabel*>(QStringLiteral("Image") + caption->objectName().mid(1));
        ASSERT_NE(image, nullptr);
        const QImage icon = image->pixmap().toImage();
        int opaque = 0;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x) opaque += icon.pixelColor(x, y).alpha() > 0;
        EXPECT_GT(opaque, 10);
        EXPECT_LT(opaque, icon.width() * icon.height()) << "the background stays transparent";
        EXPECT_FALSE(icons.contains(icon));
        icons.push_back(icon);
    }
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
    // Only the last character crosses the limit: no shorter prefix was too
    // wide, so the text is shown whole.
    const QString lastCrosses = exact + QStringLiteral("m");
    EXPECT_EQ(form->FitCaption(lastCrosses, label, 450), lastCrosses);

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

    form->state.request.frames = {longFrame};
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
