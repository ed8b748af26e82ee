#include "pdf/pdfbounds.h"

#include <mutex>
#include <qpdf/QPDFLogger.hh>
#include <set>
#include <stdexcept>
#include <utility>

namespace {

std::string NestedText(const char* what, int limit)
{
    return std::string(what) + " nested more than " + std::to_string(limit) + " deep";
}

// Walks the /Kids of a tree from root, each node once; false as soon as a node
// lies deeper than limit (root is at depth 0).
bool KidsWithin(QPDFObjectHandle root, int limit, std::set<QPDFObjGen>& seen)
{
    std::vector<std::pair<QPDFObjectHandle, int>> todo{{root, 0}};
    while (!todo.empty()) {
        auto [node, depth] = todo.back();
        todo.pop_back();
        if (!node.isDictionary() || (node.isIndirect() && !seen.insert(node.getObjGen()).second))
            continue;
        QPDFObjectHandle kids = node.getKey("/Kids");
        if (!kids.isArray())
            continue;
        if (depth >= limit)
            return false;
        for (int i = 0; i < kids.getArrayNItems(); ++i)
            todo.emplace_back(kids.getArrayItem(i), depth + 1);
    }
    return true;
}

} // namespace

std::string PageTreeProblem(QPDF& pdf)
{
    std::set<QPDFObjGen> seen;
    if (!KidsWithin(pdf.getRoot().getKey("/Pages"), MaxPageTreeDepth, seen))
        return NestedText("page tree", MaxPageTreeDepth);
    return {};
}

std::string FormFieldProblem(const std::vector<QPDFObjectHandle>& pages)
{
    std::set<QPDFObjGen> tops;
    std::set<QPDFObjGen> seen;
    for (QPDFObjectHandle page : pages) {
        QPDFObjectHandle annots = page.getKey("/Annots");
        if (!annots.isArray())
            continue;
        for (int i = 0; i < annots.getArrayNItems(); ++i) {
            QPDFObjectHandle field = annots.getArrayItem(i);
            if (!field.isDictionary() || !field.getKey("/Subtype").isNameAndEquals("/Widget"))
                continue;
            // Up to the field at the top, which is copied with everything below it.
            std::set<QPDFObjGen> chain;
            int depth = 0;
            for (QPDFObjectHandle parent = field.getKey("/Parent");
                 parent.isDictionary() && chain.insert(parent.getObjGen()).second;
                 parent = parent.getKey("/Parent")) {
                if (++depth > MaxFieldDepth)
                    return NestedText("form fields", MaxFieldDepth);
                field = parent;
            }
            if (field.isIndirect() && !tops.insert(field.getObjGen()).second)
                continue;
            if (!KidsWithin(field, MaxFieldDepth, seen))
                return NestedText("form fields", MaxFieldDepth);
        }
    }
    return {};
}

void QuietQpdf()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const std::shared_ptr<QPDFLogger> logger = QPDFLogger::defaultLogger();
        // Some go to the error stream, for want of a file to warn about.
        logger->setWarn(logger->discard());
        logger->setError(logger->discard());
    });
}

void FailIfNested(const std::string& problem)
{
    if (!problem.empty())
        throw std::runtime_error("damaged (" + problem + ")");
}

std::string NameTreeProblem(QPDFObjectHandle root)
{
    std::set<QPDFObjGen> seen;
    if (!KidsWithin(root, MaxNameTreeDepth, seen))
        return NestedText("name tree", MaxNameTreeDepth);
    return {};
}
