// Locating and binding the Ghostscript library (libgs) at run time.
#pragma once

#include <cstdint>
#include <string>

// Library path handed to the loader: set once at start-up from the GS_DLL
// environment variable (Get_GS_Dll_Path), read by every job. Tests may reassign it
// while no job runs.
extern std::string GS_Dll_Path;

// GS_DLL names the library itself (its text contains the library's file name) or a
// folder that holds it; unset or empty: the bare file name, so the loader's search
// decides.
std::string Get_GS_Dll_Path();

// Asks Ghostscript for a PDF's page count (one short run). 0 when the library is
// missing, the run fails or the answer is not a number. Any file name is passed
// safely. Thread-safe with respect to jobs: it never touches GS_Job_Kind.
std::int32_t GsCountPages(const std::string& fileName);
