// The files a job reads, as they were when it first read them. The engines read
// an input again while they write (its pages' contents only then), so a file
// changed, replaced or removed in between would end up mixed into the output:
// every output is checked against these stamps before it is committed.
#pragma once

#include "platform/platform.h"

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Whether `path` still leads to the file `stamp` was taken of, with the same
// size and modification time. "" when it does; otherwise a line naming the file:
// "<path>: removed while the job read it", "<path>: replaced by another file
// while the job read it" or "<path>: changed while the job read it".
std::string InputChangeProblem(const std::string& path, const plat::FileStamp& stamp);

class TInputStamps
{
public:
    // Records `stamp` for an input the job is about to read (or counted
    // earlier, when the stamp is that count's); a path seen before keeps its
    // first stamp. A file that cannot be reached is not recorded: reading it
    // fails the job anyway.
    void Take(const std::string& path, const std::optional<plat::FileStamp>& stamp);
    // The first input, in the order taken, that is no longer as stamped, as
    // InputChangeProblem says it; "" when none changed.
    std::string FirstChange() const;

private:
    std::vector<std::pair<std::string, plat::FileStamp>> m_stamps;
    std::set<std::string> m_paths;
};
