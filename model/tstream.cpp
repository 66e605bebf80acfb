#include "model/tstream.h"
