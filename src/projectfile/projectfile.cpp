#include "projectfile/projectfile.h"
