#include "util/testtools.h"

#include <gtest/gtest.h>

#if defined(PLICORA_SIGNAL_HELPER) && !defined(_WIN32)

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace testutil;

extern char** environ;

namespace fs = std::filesystem;

namespace {

// The helper, started with TMPDIR set to tmp and its stdout on a pipe.
struct THelper
{
    pid_t Pid = -1;
    FILE* Out = nullptr;

    THelper(const std::string& output, const std::string& mode, const std::string& tmp)
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        posix_spawn_file_actions_addclose(&actions, fds[1]);
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e)
            if (std::string(*e).rfind("TMPDIR=", 0) != 0)
                env.emplace_back(*e);
        env.push_back("TMPDIR=" + tmp);
        std::vector<char*> envp;
        for (auto& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string prog = PLICORA_SIGNAL_HELPER;
        std::string out = output, m = mode;
        char* argv[] = {prog.data(), out.data(), m.data(), nullptr};
        if (::posix_spawn(&Pid, prog.c_str(), &actions, nullptr, argv, envp.data()) != 0)
            Pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        Out = ::fdopen(fds[0], "r");
    }
    ~THelper()
    {
        if (Out)
            std::fclose(Out);
        if (Pid > 0 && ::waitpid(Pid, nullptr, WNOHANG) == 0) {
            ::kill(Pid, SIGKILL);
            ::waitpid(Pid, nullptr, 0);
        }
    }
    std::string line()
    {
        char buf[4096];
        if (!Out || !std::fgets(buf, sizeof buf, Out))
            return {};
        std::string s(buf);
        if (!s.empty() && s.back() == '\n')
            s.pop_back();
        return s;
    }
    void closeOut()
    {
        std::fclose(Out);
        Out = nullptr;
    }
    // The exit code as a shell reports it.
    int wait()
    {
        int status = 0;
        while (::waitpid(Pid, &status, 0) < 0 && errno == EINTR) {
        }
        const pid_t done = Pid;
        Pid = -1;
        if (done < 0)
            return -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
};

bool isEmptyFolder(const fs::path& p)
{
    return fs::is_directory(p) && fs::directory_iterator(p) == fs::directory_iterator();
}

class SignalGuardTest : public testing::TestWithParam<int>
{
};

TEST_P(SignalGuardTest, RemovesTemporariesAndExitsWith128PlusTheSignal)
{
    const int sig = GetParam();
    TempDir t;
    fs::create_directories(t.path() / "out");
    fs::create_directories(t.path() / "tmp");
    const std::string final = t.str() + "out/merged.pdf";
    const std::string old = "%PDF-1.4 the old merged file";
    std::ofstream(final, std::ios::binary) << old;
    THelper helper(final, "wait", t.str() + "tmp");
    ASSERT_GT(helper.Pid, 0);
    const std::string temp = helper.line();
    const std::string folder = helper.line();
    ASSERT_TRUE(fs::exists(temp)) << temp;
    ASSERT_TRUE(fs::exists(fs::path(folder) / "gs_engine_temp")) << folder;

    ASSERT_EQ(::kill(helper.Pid, sig), 0);
    EXPECT_EQ(helper.wait(), 128 + sig);
    EXPECT_FALSE(fs::exists(temp));
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(isEmptyFolder(t.path() / "tmp"));
    std::ifstream in(final, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), old) << "the old output must survive";
    EXPECT_EQ(std::distance(fs::directory_iterator(t.path() / "out"), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalGuardTest, testing::Values(SIGINT, SIGTERM, SIGHUP, SIGPIPE),
                         [](const testing::TestParamInfo<int>& row) {
                             return std::string(sigabbrev_np(row.param));
                         });

TEST(SignalGuard, ProgressIntoAClosedPipeNeitherKillsNorLeavesFiles)
{
    TempDir t;
    fs::create_directories(t.path() / "tmp");
    const std::string final = t.str() + "merged.pdf";
    THelper helper(final, "pipe", t.str() + "tmp");
    ASSERT_GT(helper.Pid, 0);
    const std::string temp = helper.line();
    const std::string folder = helper.line();
    helper.closeOut(); // like `| head -2`
    EXPECT_EQ(helper.wait(), 0);
    std::ifstream in(final, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "%PDF-1.7 half written and finished");
    EXPECT_FALSE(fs::exists(temp));
    EXPECT_FALSE(fs::exists(folder));
}

} // namespace

#elif defined(_WIN32)
TEST(SignalGuard, PosixSignalsOnly)
{
    GTEST_SKIP() << "POSIX signals do not exist on Windows; its console-control handler needs a console "
                    "shared with the test, which Wine's background programs lack";
}
#else
TEST(SignalGuard, NeedsTheCommandLine)
{
    GTEST_SKIP() << "built without plicora-cli: the signal guard is not tested";
}
#endif
