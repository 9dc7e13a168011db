#include "report/loadreport.h"
