#include "pdfprobe.h"
