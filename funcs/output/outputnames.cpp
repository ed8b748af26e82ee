#include "output/outputnames.h"

#include "output/safeoutput.h"
#include "platform/platform.h"
#include "text/filenames.h"
#include "text/strutil.h"

namespace {
constexpr char Sep = plat::PathSeparator;
} // namespace

std::string DefaultMergeOutputName(const std::string& defaultFolder, const std::string& inputPath)
{
    return defaultFolder + "Tarvex" + Sep + RemoveFileExt(ExtractFileName(inputPath)) + "_me.pdf";
}

std::string UnlistedOutputName(const std::string& current,
                               const std::function<bool(const std::string&)>& isListed)
{
    std::string name = current;
    for (int n = 1; isListed(name); ++n)
        name = RemoveFileExt(current) + std::to_string(n) + ".pdf";
    return name;
}

TCoreText AlreadyExistsText(const std::string& name)
{
    return {TxtAlreadyExists, {name}};
}

std::string FinalMergeOutputName(const std::string& typed)
{
    std::string out = Trim(typed);
    std::string ext = ExtractFileExt(out);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    if (ext != ".pdf")
        out += ".pdf";
    return out;
}

std::string OutputCreationProblem(const std::string& path)
{
    if (std::string problem = OutputNameProblem(path); !problem.empty())
        return problem;
    // The output will replace the name by a rename: what is there must be a file
    // (or a link to one) that could be written, as before; it is not touched.
    if (plat::isDirectory(path))
        return FolderInTheWayText(path);
    if (plat::nameExists(path) && !plat::canWriteExisting(path))
        return "The file cannot be written: " + path;
    TSafeOutput probe(path);
    return probe.Reason(); // the probe removes its temporary
}

bool TestCreateOutputFile(const std::string& path)
{
    return OutputCreationProblem(path).empty();
}
