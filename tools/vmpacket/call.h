#pragma once
// `vmpacket call ...`: sends a packet to the calculation service.
// `arguments` are the program name, "call" and the command's arguments.
// Returns the process exit status (0 success, 1 failure, 2 usage error).

#include <QStringList>

int vmpacketCall(const QStringList& arguments);
