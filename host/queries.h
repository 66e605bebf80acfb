#pragma once
// The demo host's "Queries" menu: the instance's queries that let the user
// choose in a dialog, called as a host calls them, with what came back in
// the log.

class HostWindow;

// Adds the menu to `window`'s menu bar. Each host window keeps its own
// choices between calls, so a second call starts from the first's answer.
void AddQueriesMenu(HostWindow& window);
