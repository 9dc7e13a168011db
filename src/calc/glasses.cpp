#include "calc/glasses.h"
