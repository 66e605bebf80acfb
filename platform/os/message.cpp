#include "platform/os/message.h"

#include <QApplication>
#include <QMessageBox>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace os {

namespace {

// Never destroyed: objects destroyed at process exit (the service client)
// may still report through it.
MessageHandler& installedHandler() {
    static auto* handler = new MessageHandler;
    return *handler;
}

std::atomic<MessageOutput> output{MessageOutput::Automatic};

bool HeadlessByEnvironment() {
    const char* value = std::getenv("VELMAR_HEADLESS");
    return value != nullptr && *value != '\0' && std::strcmp(value, "0") != 0;
}

// The offscreen and minimal platforms have no screen a user looks at: a modal
// box there would wait for ever.
bool PlatformWithoutUser() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

} // namespace

void setMessageOutput(MessageOutput value) {
    output = value;
}

bool messagesToStderr() {
    // Widgets need a QApplication; a QCoreApplication or QGuiApplication alone
    // cannot show a box.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return true;
    switch (output.load()) {
    case MessageOutput::Stderr:
        return true;
    case MessageOutput::Boxes:
        return false;
    case MessageOutput::Automatic:
        break;
    }
    return HeadlessByEnvironment() || PlatformWithoutUser();
}

void messageBox(const QString& text, const QString& caption, QWidget* owner) {
    if (const MessageHandler& handler = installedHandler()) {
        handler(text, caption);
        return;
    }
    if (!messagesToStderr()) {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
        box.exec();
        return;
    }
    std::fprintf(stderr, "%s: %s\n", caption.toLocal8Bit().constData(),
                 text.toLocal8Bit().constData());
    std::fflush(stderr);
}

void messageBox(const char* text, const char* caption, QWidget* owner) {
    messageBox(QString::fromUtf8(text ? text : ""), QString::fromUtf8(caption ? caption : ""),
               owner);
}

void messageBox(const wchar_t* text, const wchar_t* caption, QWidget* owner) {
    messageBox(QString::fromWCharArray(text ? text : L""),
               QString::fromWCharArray(caption ? caption : L""), owner);
}

MessageHandler setMessageHandler(MessageHandler handler) {
    MessageHandler previous = std::move(installedHandler());
    installedHandler() = std::move(handler);
    return previous;
}

MessageRecorder::MessageRecorder() {
    previous_ = setMessageHandler([this](const QString& text, const QString& caption) {
        messages_.emplace_back(text, caption);
        if (hook_) hook_();
    });
}

MessageRecorder::~MessageRecorder() {
    setMessageHandler(std::move(previous_));
}

} // namespace os
