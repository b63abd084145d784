#include "calc/input_check.h"
// (not written yet)
