#include "calc/number_reading.h"
// (not written yet)
