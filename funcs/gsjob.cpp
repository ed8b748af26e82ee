#include "gsjob.h"
