// Ghostscript's stdio callbacks for a job. Core-internal: only the binding that
// installs them and the job that defines them include this, so the front ends
// never see Ghostscript's headers.
#pragma once

#include <ghostscript/iapi.h> // GSDLLCALL, the calling convention of the callbacks

// Called on the worker thread inside gsapi_init_with_args. GS_StdIn gives no
// input. GS_StdOut turns a chunk that begins "Page <digits>" into a GSN_PAGE
// notice to the running job's sink (only while GS_Job_Kind names a job) and counts
// every chunk as written; GS_StdErr does the same for the error stream. The caller
// handle is not read.
int GSDLLCALL GS_StdIn(void* callerHandle, char* buf, int len);
int GSDLLCALL GS_StdOut(void* callerHandle, const char* str, int len);
int GSDLLCALL GS_StdErr(void* callerHandle, const char* str, int len);
