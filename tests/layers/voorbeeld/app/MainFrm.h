#include "participants/Cursist.h"
#include "planning/Gen.h"
