#include "views/Grid.h"
#include "data/Routines.h"
