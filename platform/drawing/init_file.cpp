#include "platform/drawing/adinit.h"
#include "platform/os/module.h"

std::string DrawingInitFile() {
    return ModuleDirectory("") + "adinit.dat";
}
