#include "clitestutil.h"

#include "cliapp.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace testutil {

TRunResult RunCliInProcess(const std::vector<std::string>& args)
{
    std::vector<const char*> argv{"plicora-cli"};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    std::ostringstream out;
    std::ostringstream err;
    TRunResult result;
    result.ExitCode = RunCli(static_cast<int>(argv.size()), argv.data(), out, err, false);
    result.Out = out.str();
    result.Err = err.str();
    return result;
}

TRunResult RunCliBinary(const std::vector<std::string>& args, const std::map<std::string, std::string>& env)
{
    std::vector<std::string> argv{PLICORA_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    return RunProgram(argv, env);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(U8(path), std::ios::binary);
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

std::string ProgressShape(const std::string& err)
{
    std::string text = err;
    std::replace(text.begin(), text.end(), '\r', '\n');
    std::vector<std::string> lines = Lines(text);
    std::size_t percents = 0;
    int last = -1;
    bool rising = true;
    for (; percents < lines.size() && lines[percents].size() == 4 && lines[percents].back() == '%';
         ++percents) {
        const int percent = std::stoi(lines[percents]);
        rising = rising && percent > last;
        last = percent;
    }
    std::string shape = rising && last == 100 ? "rising to 100%" : err;
    for (std::size_t i = percents; i < lines.size(); ++i)
        shape += "\n" + lines[i];
    return shape;
}

std::string Expand(std::string text, const std::map<std::string, std::string>& vars)
{
    for (const auto& [key, value] : vars)
        for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
            text.replace(at, key.size(), value);
    return text;
}

void PrintTo(const RefusalCase& c, std::ostream* os)
{
    *os << c.Name;
}

std::string RefusalName(const testing::TestParamInfo<RefusalCase>& info)
{
    return info.param.Name;
}

std::vector<std::string> ExpandedArgs(const std::string& subcommand, const std::vector<std::string>& args,
                                      const std::map<std::string, std::string>& vars)
{
    std::vector<std::string> expanded{subcommand};
    for (const std::string& arg : args)
        expanded.push_back(Expand(arg, vars));
    return expanded;
}

} // namespace testutil
