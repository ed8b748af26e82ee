#include "gsbinding.h"
