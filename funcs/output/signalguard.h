// Interruptions of plicora-cli and the window: SIGINT, SIGTERM, SIGHUP and SIGPIPE never end the
// process with temporaries left behind. They are blocked in every thread and one
// thread of the guard waits for them; on one it removes every registered
// temporary (RemoveTemporariesForExit) and ends the process at once with
// 128 + the signal (130, 143, 129, 141), as shells expect, without running
// static destructors or flushing streams.
//
// A write to a closed pipe then fails with EPIPE instead of killing the writer:
// the job goes on and ends as it would, its output complete or removed.
#pragma once

// Installs the guard; call it once from main before any other thread starts, so
// that every later thread inherits the blocked signals. Later calls do nothing.
// False when it could not be installed (the signals then act as before).
bool InstallSignalGuard();
