#pragma once
// The host's window that the component's windows belong to: what the host
// handed to vm_create. Messages and dialogs without an owning form of their
// own use it as their parent.

class QWidget;

namespace vm {

// Null when the host gave none or when it was destroyed since.
QWidget* ApplicationWindow();
void SetApplicationWindow(QWidget* window);

} // namespace vm
