#include "strutil.h"
