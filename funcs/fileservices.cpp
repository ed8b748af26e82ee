#include "fileservices.h"
