#include "calc/rural_spread.h"
// (not written yet)
