#include "clitestutil.h"

#include "util/tempdir.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

TRunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::map<std::string, std::string>& env)
{
    // Output goes to files rather than pipes, so a chatty child can never block.
    TempDir capture;
    const std::string outPath = capture.str() + "out";
    const std::string errPath = capture.str() + "err";

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0)
            ::_exit(126);
        ::dup2(out, STDOUT_FILENO);
        ::dup2(err, STDERR_FILENO);
        for (const auto& [name, value] : env)
            ::setenv(name.c_str(), value.c_str(), 1);
        ::execvp(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
    }
    TRunResult result;
    result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    result.Out = ReadFile(outPath);
    result.Err = ReadFile(errPath);
    return result;
}

TRunResult RunCliBinary(const std::vector<std::string>& args, const std::map<std::string, std::string>& env)
{
    return RunProgram(PLICORA_CLI_PATH, args, env);
}

void MakePdf(const std::string& path, const std::string& label, int pages)
{
    TempDir work;
    const std::string ps = work.write("make.ps", "/Helvetica findfont 24 scalefont setfont\n"
                                                 "1 1 " +
                                                     std::to_string(pages) + " { 72 720 moveto (" + label +
                                                     " page ) show 3 string cvs show showpage } for\n");
    const TRunResult r = RunProgram(
        "gs", {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite", "-sOutputFile=" + path, ps});
    if (r.ExitCode != 0)
        throw std::runtime_error("gs could not make " + path + ": " + r.Err);
}

void MakeEncryptedPdf(const std::string& source, const std::string& path)
{
    const TRunResult r = RunProgram("qpdf", {"--encrypt", "user", "owner", "256", "--", source, path});
    if (r.ExitCode != 0)
        throw std::runtime_error("qpdf could not encrypt " + source + ": " + r.Err);
}

int QpdfPageCount(const std::string& path)
{
    const TRunResult r = RunProgram("qpdf", {"--show-npages", path});
    return r.ExitCode == 0 ? std::atoi(r.Out.c_str()) : -1;
}

std::vector<std::string> PageTexts(const std::string& path)
{
    const TRunResult r = RunProgram("pdftotext", {"-layout", path, "-"});
    std::vector<std::string> pages;
    std::string page;
    auto trimmed = [](const std::string& s) {
        const auto b = s.find_first_not_of(" \t\r\n");
        const auto e = s.find_last_not_of(" \t\r\n");
        return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
    };
    std::stringstream in(r.Out);
    // pdftotext ends every page with a form feed.
    while (std::getline(in, page, '\f'))
        pages.push_back(trimmed(page));
    if (!pages.empty() && pages.back().empty())
        pages.pop_back();
    return pages;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

std::string Expand(std::string text, const std::map<std::string, std::string>& vars)
{
    for (const auto& [key, value] : vars)
        for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
            text.replace(at, key.size(), value);
    return text;
}
