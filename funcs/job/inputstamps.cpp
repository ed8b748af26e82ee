#include "job/inputstamps.h"

std::string InputChangeProblem(const std::string& path, const plat::FileStamp& stamp)
{
    const std::optional<plat::FileStamp> now = plat::fileStamp(path);
    if (now == stamp)
        return {};
    if (!now)
        return path + ": removed while the job read it";
    if (now->Identity != stamp.Identity)
        return path + ": replaced by another file while the job read it";
    return path + ": changed while the job read it";
}

void TInputStamps::Take(const std::string& path, const std::optional<plat::FileStamp>& stamp)
{
    if (stamp && m_paths.insert(path).second)
        m_stamps.emplace_back(path, *stamp);
}

std::string TInputStamps::FirstChange() const
{
    for (const auto& [path, stamp] : m_stamps) {
        if (std::string problem = InputChangeProblem(path, stamp); !problem.empty())
            return problem;
    }
    return {};
}
