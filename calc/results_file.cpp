#include "calc/results_file.h"
// (not written yet)
