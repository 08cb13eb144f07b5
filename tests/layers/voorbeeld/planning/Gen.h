#include "participants/Cursist.h"
#include "views/Grid.h"
#include "../app/MainFrm.h"
