#include "model/rpc_property.h"
