// Programs run through posix_spawn; test PDFs by the gs command, their text by
// pdftotext.
#include "testtools.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <memory>
#include <pwd.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace testutil {

namespace {

using FilePtr = std::unique_ptr<FILE, int (*)(FILE*)>;

std::string ReadAll(FILE* file)
{
    std::string text;
    std::rewind(file);
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, file)) > 0;)
        text.append(buf, n);
    return text;
}

// The parent's environment with the given entries replaced or added.
std::vector<std::string> ChildEnvironment(const std::map<std::string, std::string>& env)
{
    std::vector<std::string> entries;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (!env.contains(entry.substr(0, entry.find('='))))
            entries.push_back(entry);
    }
    for (const auto& [name, value] : env)
        entries.push_back(name + "=" + value);
    return entries;
}

std::vector<char*> Pointers(const std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (const std::string& s : strings)
        pointers.push_back(const_cast<char*>(s.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

TRunResult RunProgram(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env)
{
    TRunResult result;
    if (argv.empty())
        return result;
    // Output goes to unlinked files rather than pipes, so a chatty child can never
    // block on a full pipe while we wait for it.
    FilePtr out(std::tmpfile(), std::fclose);
    FilePtr err(std::tmpfile(), std::fclose);
    if (!out || !err)
        throw std::runtime_error("cannot create capture files");

    // posix_spawn rather than fork: several suites run programs while other
    // threads (a job, Qt's) are alive.
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    ::posix_spawn_file_actions_adddup2(&actions, ::fileno(out.get()), STDOUT_FILENO);
    ::posix_spawn_file_actions_adddup2(&actions, ::fileno(err.get()), STDERR_FILENO);
    for (FILE* f : {out.get(), err.get()})
        if (::fileno(f) > STDERR_FILENO)
            ::posix_spawn_file_actions_addclose(&actions, ::fileno(f));

    const std::vector<std::string> environment = ChildEnvironment(env);
    std::vector<char*> args = Pointers(argv);
    std::vector<char*> envp = Pointers(environment);
    pid_t pid = -1;
    const int spawned = ::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    ::posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        result.ExitCode = 127;
        result.Err = "cannot run " + argv[0];
        return result;
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return result;
    result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.Out = ReadAll(out.get());
    result.Err = ReadAll(err.get());
    return result;
}

std::string RunUnprivileged(const std::function<std::string()>& check)
{
    if (::geteuid() != 0)
        return check();
    const passwd* nobody = ::getpwnam("nobody");
    const uid_t uid = nobody ? nobody->pw_uid : 65534;
    const gid_t gid = nobody ? nobody->pw_gid : 65534;
    int answer[2];
    if (::pipe(answer) != 0)
        return "no pipe to the child";
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(answer[0]);
        std::string text;
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0)
            text = "could not give up root";
        else
            text = check();
        for (std::size_t at = 0; at < text.size();) {
            const ssize_t n = ::write(answer[1], text.data() + at, text.size() - at);
            if (n <= 0)
                break;
            at += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(answer[1]);
    if (child < 0) {
        ::close(answer[0]);
        return "could not start a child";
    }
    FilePtr in(::fdopen(answer[0], "r"), &std::fclose);
    std::string text = in ? ReadAll(in.get()) : "no answer from the child";
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        text += " (the child ended abnormally)";
    return text;
}

bool HaveProgram(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    for (std::size_t at = 0; at <= folders.size();) {
        const std::size_t end = std::min(folders.find(':', at), folders.size());
        const std::string folder = end > at ? folders.substr(at, end - at) : ".";
        const std::string candidate = folder + "/" + name;
        struct stat st;
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0)
            return true;
        at = end + 1;
    }
    return false;
}

std::string MissingTestTools()
{
    for (const char* tool : {"gs", "qpdf", "pdftotext"})
        if (!HaveProgram(tool))
            return std::string("needs the ") + tool + " command";
    return {};
}

bool WriteTestPdf(const std::string& path, const std::vector<std::string>& pageTexts)
{
    std::string program = "/Helvetica findfont 24 scalefont setfont\n";
    for (const std::string& text : pageTexts)
        program += "72 700 moveto " + LiteralString(text) +
                   " show newpath 100 100 moveto 300 400 lineto 400 100 lineto closepath stroke showpage\n";
    // Ghostscript reads "%" in the output name as a page-number format (doubled, it
    // stands for itself), and a leading "|" or a lone "-" as a pipe or stdout.
    std::string output = !path.empty() && (path[0] == '|' || path[0] == '-') ? "./" : "";
    for (const char c : path)
        output += c == '%' ? std::string("%%") : std::string(1, c);
    // The program lives in a folder of its own, so nothing but the PDF is left
    // beside it.
    const TempDir work;
    const std::string ps = work.write("pages.ps", program);
    return RunProgram({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite",
                       "-sOutputFile=" + output, ps})
               .ExitCode == 0;
}

std::string PdfPageText(const std::string& path, int page)
{
    const std::string n = std::to_string(page);
    return Trimmed(RunProgram({"pdftotext", "-f", n, "-l", n, path, "-"}).Out);
}

} // namespace testutil
