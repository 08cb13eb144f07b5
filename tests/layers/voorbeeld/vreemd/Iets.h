#include "data/Routines.h"
