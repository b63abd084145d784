#include "calc/results_format.h"
// (not written yet)
