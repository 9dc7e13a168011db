#include "app/processmenu.h"
