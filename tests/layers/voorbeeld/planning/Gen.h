#include "participants/Cursist.h"
#include "views/Grid.h"
