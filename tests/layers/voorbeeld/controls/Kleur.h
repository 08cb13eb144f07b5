#include "data/DataModFrm.h"
#include "data/Instellingen.h"
