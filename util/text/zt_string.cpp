#include "util/text/zt_string.h"
