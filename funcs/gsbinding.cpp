#include "gsbinding.h"

// Placeholder until the binding lands.
std::string GS_Dll_Path;
std::string Get_GS_Dll_Path() { return "libgs.so.10"; }
std::int32_t GsCountPages(const std::string&) { return 0; }
