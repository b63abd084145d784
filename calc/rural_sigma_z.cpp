#include "calc/rural_sigma_z.h"
// (not written yet)
