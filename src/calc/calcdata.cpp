#include "calc/calcdata.h"
