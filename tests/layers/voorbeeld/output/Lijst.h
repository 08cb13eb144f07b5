#include "extra/Ding.h"
#include <QString>
