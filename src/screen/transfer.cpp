#include "screen/transfer.h"
