#include "calc/urban_spread.h"
// (not written yet)
