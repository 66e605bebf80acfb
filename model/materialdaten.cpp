#include "model/materialdaten.h"
