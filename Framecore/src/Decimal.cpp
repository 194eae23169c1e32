#include "Framecore/Decimal.h"
