// jemalloc's settings, read when it starts: linked into the programs (never the
// core library) where they allocate through it.
//
// One arena for every thread. With one per thread, what the command line's
// first look at a large input freed on the main thread (hundreds of megabytes
// of a 100,000-page file's objects) stayed with that thread while the job's
// thread took as much again: a split of such a file every 10,000 pages peaked
// at 2.64 GB, 2.10 GB with one arena (qpdf: 2.32 GB). Each thread still keeps
// its own cache of small blocks, so the two threads of a merge or a split
// seldom wait for each other.
extern "C" {
extern const char* malloc_conf; // NOLINT(readability-identifier-naming): jemalloc's name
const char* malloc_conf = "narenas:1";
}
