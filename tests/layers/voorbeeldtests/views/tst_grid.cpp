#include "app/MainFrm.h"
#include "views/Grid.h"
#include "Steun.h"
