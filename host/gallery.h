#pragma once
// The dialog gallery of the demo host: every dialog of the component, opened
// through the instance's own rows and exports on the loaded catalogue, is
// written to DIR/<dialog>.png while it is open and then cancelled.

#include <QString>

class HostWindow;

// Writes the pictures and returns how many dialogs were written; never
// waits for a user.
int RunGallery(HostWindow& window, const QString& directory);
