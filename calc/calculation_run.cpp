#include "calc/calculation_run.h"
// (not written yet)
