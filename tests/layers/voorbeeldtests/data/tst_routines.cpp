#include "data/Routines.h"
#include "TestSupport.h"
