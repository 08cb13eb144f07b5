#include "app/MainFrm.h"
#include "controls/Knop.h"
#include "data/DataModFrm.h"
