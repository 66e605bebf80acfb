#include "model/ksp_records.h"
