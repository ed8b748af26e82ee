// Ghostscript's stdio callbacks. Core-internal: only the binding that installs
// them and the engine include this, so the front ends never see Ghostscript's
// headers.
#pragma once

#include "engines/gserrors.h"
#include "engines/pdfengine.h"

#include <ghostscript/iapi.h> // GSDLLCALL, the calling convention of the callbacks

// What one Ghostscript instance reports to, handed to it as the caller handle.
// Its engine owns it; only the worker thread running the instance touches it.
struct TGsStdio
{
    TPageReport OnPage;         // the page reports; none when empty
    TErrorLineCollector Errors; // the error stream's "****" lines, for a failure's reason
    // The job's cancel flag, read through stdin (GsCancelAtPageEnd); none: never.
    const TEngineControl* Control = nullptr;
};

// PostScript for the arguments ("-c" before the files) that makes a run read
// one character of stdin at the end of every page and quit when there is one:
// GS_StdIn gives one once the job is cancelled. Ghostscript's own poll callback
// is not called by builds without CHECK_INTERRUPTS (Debian's), this is.
inline constexpr const char* GsCancelAtPageEnd =
    "<< /EndPage [ { (%stdin) (r) file read { pop quit } if } /exec load "
    "currentpagedevice /EndPage get /exec load ] cvx >> setpagedevice";

// Called on the worker thread inside gsapi_init_with_args, with a TGsStdio as
// the caller handle (null: nothing is reported). GS_StdIn gives no input, or
// one character once the job's Control is cancelled.
// GS_StdOut turns a chunk that begins "Page <digits>" into a page report and
// counts every chunk as written; GS_StdErr keeps the chunk's error lines, then
// does the same, so page reports on either stream count. Each chunk is judged by
// itself: nothing is carried over to the next.
int GSDLLCALL GS_StdIn(void* callerHandle, char* buf, int len);
int GSDLLCALL GS_StdOut(void* callerHandle, const char* str, int len);
int GSDLLCALL GS_StdErr(void* callerHandle, const char* str, int len);
