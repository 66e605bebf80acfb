#include "tools/vmpacket/call.h"

#include <cstdio>

// Builds without the service client have no `call`.
int vmpacketCall(int, char**) {
    std::fputs("call: not available in this build\n", stderr);
    return 2;
}
