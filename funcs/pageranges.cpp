#include "pageranges.h"
