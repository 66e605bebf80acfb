#pragma once
// `vmpacket call ...`: sends a packet to the calculation service. argv[0] is
// "call", the rest are its arguments. Returns the process exit status
// (0 success, 1 failure, 2 usage error).
int vmpacketCall(int argc, char** argv);
