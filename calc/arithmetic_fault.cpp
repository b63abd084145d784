#include "calc/arithmetic_fault.h"
// (not written yet)
