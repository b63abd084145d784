#include "calc/concentration.h"
// (not written yet)
