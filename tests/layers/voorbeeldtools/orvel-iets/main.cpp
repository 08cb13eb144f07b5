#include "app/MainFrm.h"
#include "../../voorbeeld/data/Routines.h"
