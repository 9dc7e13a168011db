#include "report/lines.h"
