#include "platform/os/message.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using Message = os::MessageRecorder::Message;

TEST(Message, RecorderSeesEveryVariantAlikeAndRestoresThePreviousHandler) {
    os::MessageRecorder outer;
    {
        os::MessageRecorder inner;
        os::messageBox(QStringLiteral("Größe prüfen"), QStringLiteral("Warnung"));
        os::messageBox(static_cast<const char*>(nullptr), nullptr);
        os::messageBox("Gr\xc3\xb6\xc3\x9f"
                       "e",
                       "W");
        os::messageBox(L"Gr\u00f6\u00dfe", L"W");
        const std::vector<Message> expected = {
            {QStringLiteral("Größe prüfen"), "Warnung"},
            {"", ""},
            {QStringLiteral("Größe"), "W"},
            {QStringLiteral("Größe"), "W"},
        };
        EXPECT_EQ(inner.messages(), expected);
    }
    EXPECT_TRUE(outer.messages().empty());
    os::messageBox("after", "inner");
    ASSERT_EQ(outer.messages().size(), 1u);
    EXPECT_EQ(outer.messages()[0], Message("after", "inner"));
}

// Without a handler: a line on stderr while no QApplication exists and where
// no user can answer (offscreen), a box with an OK button once one can.
TEST(Message, StderrWhereNoUserCanAnswerBoxWhereOneCan) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    testing::internal::CaptureStderr();
    os::messageBox("couldn't find kalksrv.dll", "error");
    os::messageBox(L"couldn't initialize kalksrv.dll", L"Error");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "error: couldn't find kalksrv.dll\nError: couldn't initialize kalksrv.dll\n");

    int argc = 1;
    char name[] = "platform_test";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
    // Returns at once, as after OK.
    testing::internal::CaptureStderr();
    os::messageBox(L"Profilserie geändert", L"Warnung");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Warnung: Profilserie geändert\n");
    EXPECT_TRUE(os::messagesToStderr());

    os::setMessageOutput(os::MessageOutput::Boxes);
    QWidget owner;
    QString seenText, seenCaption;
    QWidget* seenOwner = nullptr;
    int buttons = -1;
    // Polls for the box (with a limit, so the test cannot hang), looks at it
    // and presses OK.
    int polls = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (++polls > 500) QApplication::exit(1);
            return;
        }
        seenText = box->text();
        seenCaption = box->windowTitle();
        seenOwner = box->parentWidget();
        buttons = int(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    timer.start(10);
    testing::internal::CaptureStderr();
    os::messageBox(L"Profilserie geändert", L"Warnung", &owner);
    // (The offscreen platform may add notes of its own.)
    EXPECT_EQ(testing::internal::GetCapturedStderr().find("Warnung"), std::string::npos);
    timer.stop();
    EXPECT_EQ(seenText, QStringLiteral("Profilserie geändert"));
    EXPECT_EQ(seenCaption, "Warnung");
    EXPECT_EQ(seenOwner, &owner);
    EXPECT_EQ(buttons, 1);
    os::setMessageOutput(os::MessageOutput::Automatic);
}

} // namespace
