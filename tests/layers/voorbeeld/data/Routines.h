#include "Routines.h"
