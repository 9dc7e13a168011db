#include "screen/form.h"
