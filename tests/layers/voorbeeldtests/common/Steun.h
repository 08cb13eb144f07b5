#pragma once
#include "views/Grid.h"
#include "controls/Knop.h"
