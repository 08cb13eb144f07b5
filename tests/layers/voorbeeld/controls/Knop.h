#include "views/Grid.h"
#include "controls/Kleur.h"
