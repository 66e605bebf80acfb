#pragma once
// The one way the component tells the user something: a message box with an
// OK button where a user can answer it, else a line "caption: text" on stderr
// and the call goes on as after OK. No user can answer where the host runs no
// QApplication (command-line tools, services), on the offscreen or minimal
// platform, when the environment variable VELMAR_HEADLESS is set (to anything
// but "" or "0"), or after setMessageOutput(MessageOutput::Stderr). Tests
// install a handler that records the messages instead of showing them.

#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QWidget;

namespace os {

// Shows `text` with `caption` and waits for OK. `owner` is the window the box
// belongs to; null gives a box without owner. Null texts count as empty. The
// narrow texts are UTF-8; the wide and narrow variants behave the same.
void messageBox(const QString& text, const QString& caption, QWidget* owner = nullptr);
void messageBox(const char* text, const char* caption, QWidget* owner = nullptr);
void messageBox(const wchar_t* text, const wchar_t* caption, QWidget* owner = nullptr);

// Where messages go when no handler is installed.
enum class MessageOutput {
    Automatic, // a box if a user can answer it (see above), else stderr
    Stderr,    // always stderr: the host said no user is there
    Boxes,     // a box whenever a QApplication runs, also offscreen (tests)
};
void setMessageOutput(MessageOutput output);
// True when messages currently go to stderr instead of a box.
bool messagesToStderr();

// Receives (text, caption) instead of the box or stderr.
using MessageHandler = std::function<void(const QString& text, const QString& caption)>;
// Installs `handler` (an empty one restores the normal behaviour) and returns
// the one installed before.
MessageHandler setMessageHandler(MessageHandler handler);

// Records every message while it lives and restores the previous handler
// afterwards. For tests.
class MessageRecorder {
public:
    using Message = std::pair<QString, QString>; // (text, caption)

    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<Message>& messages() const { return messages_; }
    void clear() { messages_.clear(); }
    // Also called for each message, after it was recorded (for example to look
    // at the cursor while the message is being shown).
    void onMessage(std::function<void()> hook) { hook_ = std::move(hook); }

private:
    std::vector<Message> messages_;
    std::function<void()> hook_;
    MessageHandler previous_;
};

} // namespace os
