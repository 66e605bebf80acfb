#pragma once
// Shows the hourglass while a blocking operation (a service call) runs and
// restores the cursor that was shown before, on every way out of the scope.
// Without a QGuiApplication (command-line tools) it does nothing.

namespace os {

class HourglassCursor {
public:
    HourglassCursor();
    ~HourglassCursor();
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;

private:
    bool shown_ = false;
};

} // namespace os
