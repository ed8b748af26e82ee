// Stands in for plicora-cli in the signal tests. argv[1] is the output name,
// argv[2] "wait" (wait for a signal) or "pipe" (write progress to stdout, which
// the test closes, then finish the job). Prints the temporary's name and the
// private folder's, one a line, once both exist.
#include "output/safeoutput.h"
#include "output/signalguard.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 3 || !InstallSignalGuard())
        return 2;
    TPrivateFolder folder;
    TSafeOutput out(argv[1]);
    if (!folder.Ok() || !out.Ok())
        return 3;
    std::ofstream(folder.Path() + "/gs_engine_temp") << "engine scratch";
    std::ofstream(out.TempPath(), std::ios::binary) << "%PDF-1.7 half written";
    std::printf("%s\n%s\n", out.TempPath().c_str(), folder.Path().c_str());
    std::fflush(stdout);
    if (std::string(argv[2]) == "pipe") {
        // Progress into a pipe nobody reads any more: EPIPE, never a death.
        for (int i = 0; i < 2000; ++i) {
            std::printf("progress %d\n", i);
            std::fflush(stdout);
            ::usleep(500);
        }
        std::ofstream(out.TempPath(), std::ios::binary | std::ios::app) << " and finished";
        return out.Commit(TOverwrite::Allow) ? 0 : 4;
    }
    for (;;)
        ::pause();
}
