#include "report/numbertext.h"
