#include "engines/exactengine.h"

#include "engines/exactdocument.h"
#include "engines/qpdfoutput.h"
#include "output/safeoutput.h"
#include "pdf/pdfbounds.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <new>
#include <qpdf/BufferInputSource.hh>
#include <qpdf/ClosedFileInputSource.hh>
#include <qpdf/FileInputSource.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFMatrix.hh>
#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFSystemError.hh>
#include <qpdf/QPDFWriter.hh>
#include <set>
#include <system_error>
#include <utility>

namespace {

// Beyond this many merge inputs, each is closed between reads (the process's
// open-file limit would otherwise end a long merge).
constexpr std::size_t MaxOpenInputs = 100;

// Inputs are read into memory whole while they fit in this many bytes, all
// together: qpdf reads each object with a seek of its own, a system call on a
// file, and a merge reads every object. The copies keep their source's bytes
// until the output is written, hence a limit for the whole merge.
//
// What a job holds at most, then: these bytes; the parsed objects of two inputs
// of a merge (the one being copied and the one read ahead, each a few times its
// file's size) or of a split's source; and the output being built, which takes
// what its pages take. Once the budget is spent, the remaining inputs are read
// from their files, a seek per object: slower, never more memory. A merge of
// 177 files of 566 pages (100,182 pages, 103 MB of input) peaked at 0.55 of
// qpdf's memory.
constexpr std::uintmax_t MemoryInputBudget = 128U << 20;

// Where the stages of writing an output out end, in percent of that work, as a
// merge of twenty 615-page manuals took them: finishing the document's parts,
// libqpdf's preparation (which reports nothing), its writing; letting the copy
// go takes the rest. Each walks the same objects, so the proportions hold for
// other files.
constexpr int PartsFinished = 12;
constexpr int WriterReady = 23;
constexpr int FileWritten = 85;

// The input to parse; in memory when it fits what is left of budget, which it
// then takes from.
std::shared_ptr<InputSource> OpenInput(const std::string& path, std::uintmax_t& budget)
{
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(plat::fsPath(path), ec);
    if (!ec && size > 0 && size <= budget) {
        auto buffer = std::make_unique<Buffer>(static_cast<std::size_t>(size));
        std::FILE* file = plat::openFile(path, "rb");
        if (file) {
            const std::size_t got = std::fread(buffer->getBuffer(), 1, buffer->getSize(), file);
            std::fclose(file);
            if (got == buffer->getSize()) {
                budget -= size;
                return std::make_shared<BufferInputSource>(path, buffer.release(), true);
            }
        }
    }
    auto input = std::make_shared<FileInputSource>();
    input->setFilename(path.c_str());
    return input;
}

// A destination as read from a source: its page (index in the source, -1 when
// it names no page of it) and the rest of the array (view and coordinates) as
// PDF text, so that it can be parsed into any output without ties to the source.
struct TDest
{
    int Page = -1;
    std::string View;
};

struct TBookmark
{
    std::string Title; // the /Title string's bytes as they stand
    std::string Color; // the /C array as PDF text, or empty
    long long Flags = 0;
    bool Open = false;
    TDest Dest;
    QPDFObjectHandle Action; // a non-GoTo action of the source (a URI...), or uninitialised
    std::vector<TBookmark> Kids;
};

using TNamedDest = std::pair<const std::string, TDest>;

// Where a source's named destinations and bookmarks lead, by page, built once:
// a piece of a split then looks only at its own pages' entries, not at every
// destination and bookmark of the source again.
struct TLinkIndex
{
    std::vector<std::vector<const TNamedDest*>> NameDests;   // by page index
    std::vector<std::vector<const TNamedDest*>> StringDests; // by page index
    std::vector<const TBookmark*> Nodes;                     // every bookmark, parents before kids
    std::vector<int> Parent;                                 // each node's, or -1 at the top
    std::vector<std::vector<int>> NodesByPage;
    std::vector<int> Actions;    // nodes with an action of their own: kept in every output
    std::vector<int> Untargeted; // nodes leading to no page of the source

    TLinkIndex(std::size_t pages, const std::map<std::string, TDest>& nameDests,
               const std::map<std::string, TDest>& stringDests, const std::vector<TBookmark>& bookmarks)
        : NameDests(pages), StringDests(pages), NodesByPage(pages)
    {
        ByPage(nameDests, NameDests);
        ByPage(stringDests, StringDests);
        AddNodes(bookmarks, -1);
    }

private:
    static void ByPage(const std::map<std::string, TDest>& dests,
                       std::vector<std::vector<const TNamedDest*>>& into)
    {
        for (const TNamedDest& entry : dests) {
            if (entry.second.Page >= 0 && static_cast<std::size_t>(entry.second.Page) < into.size())
                into[static_cast<std::size_t>(entry.second.Page)].push_back(&entry);
        }
    }

    void AddNodes(const std::vector<TBookmark>& items, int parent)
    {
        for (const TBookmark& b : items) {
            const auto node = static_cast<int>(Nodes.size());
            Nodes.push_back(&b);
            Parent.push_back(parent);
            if (b.Dest.Page >= 0 && static_cast<std::size_t>(b.Dest.Page) < NodesByPage.size())
                NodesByPage[static_cast<std::size_t>(b.Dest.Page)].push_back(node);
            else if (b.Dest.Page < 0)
                Untargeted.push_back(node);
            if (b.Action.isInitialized())
                Actions.push_back(node);
            AddNodes(b.Kids, node);
        }
    }
};

bool IsDirectScalar(QPDFObjectHandle o)
{
    return o.isNumber() || o.isNull() || o.isName() || o.isBool();
}

std::pair<int, int> VersionNumbers(const std::string& version)
{
    int major = 1;
    int minor = 0;
    if (std::sscanf(version.c_str(), "%d.%d", &major, &minor) < 1)
        return {1, 0};
    return {major, minor};
}

// The output's page for each source page index in [first, first + size); a
// page not chosen has none.
struct TPageMap
{
    int First = 0;
    std::vector<QPDFObjectHandle> Pages;
    std::vector<int> Order;                        // the source indexes copied, in output order
    std::map<QPDFObjGen, QPDFObjectHandle> Annots; // source annotation -> its copy

    QPDFObjectHandle At(int index) const
    {
        if (index < First || index - First >= static_cast<int>(Pages.size()))
            return {};
        return Pages[static_cast<std::size_t>(index - First)];
    }
    bool Holds(int index) const { return At(index).isInitialized(); }
};

// "<file>: <what>", as the job's own notes name files (it leaves out what a
// note on the same file's repair already says); no offsets or object numbers.
std::string WarningText(const QPDFExc& w)
{
    const std::string detail = w.getMessageDetail().empty() ? std::string(w.what()) : w.getMessageDetail();
    return w.getFilename().empty() ? detail : w.getFilename() + ": " + detail;
}

// A bookmark's destination as it stands, a name or string included: libqpdf's
// own lookup would search the name tree again for every bookmark.
QPDFObjectHandle OwnDest(QPDFObjectHandle item)
{
    if (item.hasKey("/Dest"))
        return item.getKey("/Dest");
    QPDFObjectHandle action = item.getKey("/A");
    if (action.isDictionary() && action.getKey("/S").isNameAndEquals("/GoTo") && action.hasKey("/D"))
        return action.getKey("/D");
    return QPDFObjectHandle::newNull();
}

QPDFObjectHandle MakeDest(QPDFObjectHandle page, const std::string& view)
{
    QPDFObjectHandle array = QPDFObjectHandle::parse("[" + (view.empty() ? std::string("/Fit") : view) + "]");
    array.insertItem(0, page);
    return array;
}

// Where a whole file starts: the top of its first page, the zoom left as it is.
QPDFObjectHandle MakePageTopDest(QPDFObjectHandle page)
{
    QPDFPageObjectHelper helper(page);
    QPDFObjectHandle rotate = page.getKey("/Rotate");
    QPDFObjectHandle box = helper.getCropBox();
    if ((rotate.isInteger() && rotate.getIntValue() % 360 != 0) || !box.isRectangle())
        return MakeDest(page, "/Fit");
    const double top = box.getArrayAsRectangle().ury;
    return MakeDest(page, "/XYZ null " + QPDFObjectHandle::newReal(top, 2).unparse() + " null");
}

} // namespace

// One input, opened and read once: its pages, destinations and bookmarks. Link
// destinations in its annotations are rewritten in place to page indexes (the
// source is never written back), so that copying a page never pulls in another.
struct ExactEngineSource
{
    std::string Path;
    std::unique_ptr<QPDF> Pdf;
    std::shared_ptr<ClosedFileInputSource> ClosedInput; // set when the file is closed between reads
    std::unique_ptr<QPDFAcroFormDocumentHelper> Form;
    std::vector<QPDFObjectHandle> Pages;
    std::map<QPDFObjGen, int> PageIndex;
    std::map<std::string, TDest> NameDests;   // /Root /Dests, keyed by name ("/chap1")
    std::map<std::string, TDest> StringDests; // the /Dests name tree, keyed by UTF-8 text
    std::vector<TBookmark> Bookmarks;
    std::unique_ptr<TDocumentSource> Document; // page labels, information, files, layers, tagging
    bool ObjectStreams = false;
    bool SharedResources = false;
    std::vector<std::string> Notes; // what could not be read, beyond qpdf's warnings

    const TLinkIndex& Links()
    {
        if (!m_links)
            m_links = std::make_unique<TLinkIndex>(Pages.size(), NameDests, StringDests, Bookmarks);
        return *m_links;
    }

    // memoryBudget: what may still be read into memory (see OpenInput); files
    // closed between reads are never read whole.
    // password: opens an encrypted file (empty: none).
    // chosen: the pages (1-based) a merge takes of it; none: every page, as a
    // split may cut any. Only their annotations are read and prepared: the other
    // pages' are never copied, and reading them cost a merge of a few pages of
    // a long manual as much as the whole manual.
    ExactEngineSource(const std::string& path, bool closeBetweenReads, std::uintmax_t& memoryBudget,
                      const std::string& password = {}, const std::vector<std::int32_t>& chosen = {})
        : Path(path), Pdf(std::make_unique<QPDF>())
    {
        QuietQpdf();
        Pdf->setSuppressWarnings(true);
        if (closeBetweenReads) {
            ClosedInput = std::make_shared<ClosedFileInputSource>(path.c_str());
            ClosedInput->stayOpen(true);
            Pdf->processInputSource(ClosedInput, password.c_str());
        } else {
            Pdf->processInputSource(OpenInput(path, memoryBudget), password.c_str());
        }
        FailIfNested(PageTreeProblem(*Pdf));
        Pdf->pushInheritedAttributesToPage();
        Form = std::make_unique<QPDFAcroFormDocumentHelper>(*Pdf);
        Pages = Pdf->getAllPages();
        const std::vector<QPDFObjectHandle> copied = PagesOf(chosen);
        FailIfNested(FormFieldProblem(copied));
        for (std::size_t i = 0; i < Pages.size(); ++i)
            PageIndex.emplace(Pages[i].getObjGen(), static_cast<int>(i));
        for (const auto& [og, entry] : Pdf->getXRefTable()) {
            if (entry.getType() == 2) {
                ObjectStreams = true;
                break;
            }
        }
        FindSharedResources();
        // A broken name tree or outline costs what it holds, not the pages.
        try {
            ReadNamedDests();
        } catch (const std::exception& e) {
            Notes.push_back(Path + ": named destinations left out (" + e.what() + ")");
        }
        try {
            ReadBookmarks();
        } catch (const std::exception& e) {
            Bookmarks.clear();
            Notes.push_back(Path + ": bookmarks left out (" + e.what() + ")");
        }
        DetachLinkTargets(copied);
        Document = std::make_unique<TDocumentSource>(*Pdf, Path, Pages, PageIndex, Notes);
        if (ClosedInput)
            ClosedInput->stayOpen(false);
    }

    TDest Resolve(QPDFObjectHandle dest) const
    {
        if (dest.isDictionary())
            dest = dest.getKey("/D");
        if (dest.isName()) {
            const auto it = NameDests.find(dest.getName());
            return it == NameDests.end() ? TDest{} : it->second;
        }
        if (dest.isString()) {
            const auto it = StringDests.find(dest.getUTF8Value());
            return it == StringDests.end() ? TDest{} : it->second;
        }
        if (!dest.isArray() || dest.getArrayNItems() < 1)
            return {};
        TDest result;
        QPDFObjectHandle target = dest.getArrayItem(0);
        if (target.isIndirect()) {
            const auto it = PageIndex.find(target.getObjGen());
            if (it != PageIndex.end())
                result.Page = it->second;
        } else if (target.isInteger()) {
            // Page indexes: some producers write them for local links, and
            // DetachLinkTargets leaves them behind.
            const long long index = target.getIntValue();
            if (index >= 0 && index < static_cast<long long>(Pages.size()))
                result.Page = static_cast<int>(index);
        }
        for (int i = 1; i < dest.getArrayNItems(); ++i) {
            QPDFObjectHandle item = dest.getArrayItem(i);
            if (!IsDirectScalar(item))
                break;
            // Appended in two steps: GCC 12 warns falsely (-Wrestrict) on the
            // concatenation at -O2.
            if (i > 1)
                result.View += ' ';
            result.View += item.unparseResolved();
        }
        return result;
    }

    void FindSharedResources()
    {
        // As qpdf's own page splitter decides: only resources shared between
        // pages can hold what a piece does not use; trimming costs a content parse.
        std::set<QPDFObjGen> seen;
        for (QPDFObjectHandle page : Pages) {
            QPDFObjectHandle resources = page.getKey("/Resources");
            if (resources.isIndirect() && !seen.insert(resources.getObjGen()).second) {
                SharedResources = true;
                return;
            }
            if (!resources.isDictionary())
                continue;
            for (const char* key : {"/Font", "/XObject"}) {
                QPDFObjectHandle sub = resources.getKey(key);
                if (sub.isIndirect() && !seen.insert(sub.getObjGen()).second) {
                    SharedResources = true;
                    return;
                }
            }
        }
    }

    void ReadNamedDests()
    {
        QPDFObjectHandle root = Pdf->getRoot();
        QPDFObjectHandle dests = root.getKey("/Dests");
        if (dests.isDictionary()) {
            for (const std::string& key : dests.getKeys())
                NameDests.emplace(key, Resolve(dests.getKey(key)));
        }
        QPDFObjectHandle names = root.getKey("/Names");
        if (names.isDictionary() && names.getKey("/Dests").isDictionary()) {
            if (const std::string problem = NameTreeProblem(names.getKey("/Dests")); !problem.empty())
                throw std::runtime_error(problem);
            QPDFNameTreeObjectHelper tree(names.getKey("/Dests"), *Pdf);
            // Collected first: a value may be a name of the old dictionary.
            for (const auto& [key, value] : tree)
                StringDests.emplace(key, Resolve(value));
        }
    }

    // Walked here rather than by libqpdf's outline helper, which follows a /Next
    // that leads back into its own list forever. Each item is read once.
    std::vector<TBookmark> ReadBookmarkList(QPDFObjectHandle item, int depth, std::set<QPDFObjGen>& seen)
    {
        std::vector<TBookmark> list;
        for (; item.isDictionary(); item = item.getKey("/Next")) {
            if (item.isIndirect() && !seen.insert(item.getObjGen()).second) {
                NoteOnce(Path + ": bookmarks that lead back to themselves left out");
                break;
            }
            list.push_back(ReadBookmark(item, depth, seen));
        }
        return list;
    }

    TBookmark ReadBookmark(QPDFObjectHandle item, int depth, std::set<QPDFObjGen>& seen)
    {
        TBookmark b;
        if (item.getKey("/Title").isString())
            b.Title = item.getKey("/Title").getStringValue();
        QPDFObjectHandle color = item.getKey("/C");
        if (color.isArray() && color.getArrayNItems() == 3) {
            bool numbers = true;
            for (QPDFObjectHandle c : color.getArrayAsVector())
                numbers = numbers && c.isNumber();
            if (numbers)
                b.Color = color.unparseResolved();
        }
        if (item.getKey("/F").isInteger())
            b.Flags = item.getKey("/F").getIntValue();
        b.Open = item.getKey("/Count").isInteger() && item.getKey("/Count").getIntValue() > 0;
        QPDFObjectHandle dest = OwnDest(item);
        if (!dest.isNull()) {
            b.Dest = Resolve(dest);
        } else {
            QPDFObjectHandle action = item.getKey("/A");
            if (action.isDictionary() && !action.getKey("/S").isNameAndEquals("/GoTo"))
                b.Action = action;
        }
        if (depth < MaxOutlineDepth) {
            b.Kids = ReadBookmarkList(item.getKey("/First"), depth + 1, seen);
        } else if (item.getKey("/First").isDictionary()) {
            NoteOnce(Path + ": bookmarks nested more than " + std::to_string(MaxOutlineDepth) +
                     " deep left out");
        }
        return b;
    }

    void NoteOnce(const std::string& note)
    {
        if (std::find(Notes.begin(), Notes.end(), note) == Notes.end())
            Notes.push_back(note);
    }

    void ReadBookmarks()
    {
        std::set<QPDFObjGen> seen;
        QPDFObjectHandle outlines = Pdf->getRoot().getKey("/Outlines");
        if (outlines.isDictionary())
            Bookmarks = ReadBookmarkList(outlines.getKey("/First"), 0, seen);
    }

    // Replaces the page object in a local destination array by its index.
    void DetachTarget(QPDFObjectHandle dest) const
    {
        if (!dest.isArray() || dest.getArrayNItems() < 1 || !dest.getArrayItem(0).isIndirect())
            return;
        const auto it = PageIndex.find(dest.getArrayItem(0).getObjGen());
        dest.setArrayItem(0, QPDFObjectHandle::newInteger(it == PageIndex.end() ? -1 : it->second));
    }

    // The pages of `chosen` (1-based; those beyond the file left to the merge's
    // own check), each once; all pages when none are chosen.
    std::vector<QPDFObjectHandle> PagesOf(const std::vector<std::int32_t>& chosen) const
    {
        if (chosen.empty())
            return Pages;
        std::vector<bool> taken(Pages.size());
        std::vector<QPDFObjectHandle> pages;
        for (const std::int32_t page : chosen) {
            const auto index = static_cast<std::size_t>(page) - 1;
            if (page >= 1 && index < Pages.size() && !taken[index]) {
                taken[index] = true;
                pages.push_back(Pages[index]);
            }
        }
        return pages;
    }

    void DetachLinkTargets(const std::vector<QPDFObjectHandle>& pages) const
    {
        for (QPDFObjectHandle page : pages) {
            QPDFObjectHandle annots = page.getKey("/Annots");
            if (!annots.isArray())
                continue;
            for (QPDFObjectHandle annot : annots.getArrayAsVector()) {
                if (!annot.isDictionary())
                    continue;
                // Each copy gets its own page back; a /P to another page would
                // drag that page into every piece.
                annot.removeKey("/P");
                DetachTarget(annot.getKey("/Dest"));
                QPDFObjectHandle action = annot.getKey("/A");
                if (action.isDictionary() && action.getKey("/S").isNameAndEquals("/GoTo"))
                    DetachTarget(action.getKey("/D"));
            }
        }
    }

    void TakeWarnings(std::vector<std::string>& into)
    {
        into.insert(into.end(), Notes.begin(), Notes.end());
        Notes.clear();
        for (const QPDFExc& w : Pdf->getWarnings())
            into.push_back(WarningText(w));
    }

private:
    std::unique_ptr<TLinkIndex> m_links; // built on first use
};

namespace {

// New names for the named destinations one source brings into an output; a
// name absent here points at no page of the output.
struct TRenames
{
    std::map<std::string, std::string> Names;
    std::map<std::string, std::string> Strings;
};

// Each copied page's annotations in order. Widgets hold an empty slot until they
// are copied, all at once, so that a field with widgets on several pages stays one.
struct TAnnotSlots
{
    std::vector<std::vector<QPDFObjectHandle>> PerPage;
    std::vector<QPDFObjectHandle> Widgets;                        // the source's, in order
    std::vector<std::pair<std::size_t, std::size_t>> WidgetSlots; // (page, slot) of each
    std::map<QPDFObjGen, QPDFObjectHandle> Copies;                // source annotation -> its copy
};

// The PDF being written, built up from one or more sources.
class TOutput
{
public:
    TOutput() : m_parts(m_pdf)
    {
        m_pdf.emptyPDF();
        m_pdf.setSuppressWarnings(true);
        m_form = std::make_unique<QPDFAcroFormDocumentHelper>(m_pdf);
        m_outlines = m_pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
    }

    QPDF& Pdf() { return m_pdf; }

    void TakeVersionOf(QPDF& source, bool objectStreams)
    {
        const std::string version = source.getPDFVersion();
        const int extension = source.getExtensionLevel();
        if (std::make_pair(VersionNumbers(version), extension) >
            std::make_pair(VersionNumbers(m_version), m_extension)) {
            m_version = version;
            m_extension = extension;
        }
        m_objectStreams = m_objectStreams || objectStreams;
    }

    // Copies source pages [first, last) with their annotations and fields, and
    // the named destinations that land on them; fills map. afterPage gets each
    // page's source index once it is in.
    void CopyPages(ExactEngineSource& source, int first, int last, TPageMap& map,
                   const std::function<void(int)>& afterPage);
    // The same for the source indexes in order (none twice).
    void CopyPages(ExactEngineSource& source, const std::vector<int>& order, TPageMap& map,
                   const std::function<void(int)>& afterPage);

    // Adds degrees (90, 180, 270) clockwise to each copied page's own turn.
    static void TurnPages(const TPageMap& map, int degrees)
    {
        for (const int index : map.Order) {
            QPDFObjectHandle page = map.At(index);
            QPDFObjectHandle own = page.getKey("/Rotate");
            const long long turn = own.isInteger() ? own.getIntValue() % 360 : 0;
            page.replaceKey("/Rotate", QPDFObjectHandle::newInteger(((turn + degrees) % 360 + 360) % 360));
        }
    }

    // A page without content of the same boxes and turn as `like`.
    void AddBlankPage(QPDFObjectHandle like)
    {
        QPDFObjectHandle blank = QPDFObjectHandle::newDictionary();
        blank.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
        blank.replaceKey("/Resources", QPDFObjectHandle::newDictionary());
        for (const char* key : {"/MediaBox", "/CropBox", "/Rotate"}) {
            QPDFObjectHandle value = like.getKey(key);
            if (!value.isNull())
                blank.replaceKey(key, value.shallowCopy());
        }
        if (!blank.hasKey("/MediaBox"))
            blank.replaceKey("/MediaBox", QPDFObjectHandle::parse("[0 0 612 792]"));
        m_pdf.addPage(m_pdf.makeIndirectObject(blank), false);
        m_parts.AddBlankPage();
    }

    // Adds the wanted bookmarks under parent; returns how many items would show
    // below parent were it open (its /Count).
    int AddBookmarks(QPDFObjectHandle parent, ExactEngineSource& source, const TPageMap& map,
                     bool keepUntargeted);

    // One top-level bookmark for a merged file, closed, its own bookmarks below.
    // own: with the file's own bookmarks beneath it.
    void AddFileBookmark(const std::string& title, ExactEngineSource& source, const TPageMap& map,
                         bool own = true)
    {
        if (map.Order.empty())
            return;
        QPDFObjectHandle item = NewOutlineItem(m_outlines, QPDFObjectHandle::newUnicodeString(title));
        item.replaceKey("/Dest", MakePageTopDest(map.At(map.Order.front())));
        const int below = own ? AddBookmarks(item, source, map, true) : 0;
        if (below > 0)
            item.replaceKey("/Count", QPDFObjectHandle::newInteger(-below));
        m_visibleTop += 1;
    }

    // keepUntargeted: also bookmarks that lead to no page of the source at all.
    void AddTopBookmarks(ExactEngineSource& source, const TPageMap& map, bool keepUntargeted = false)
    {
        m_visibleTop += AddBookmarks(m_outlines, source, map, keepUntargeted);
    }

    // What the source carries beside the pages just copied; title names its
    // layers in a merge.
    void AddDocumentParts(ExactEngineSource& source, const TPageMap& map, const std::string& title)
    {
        // Labels and structure go by runs of consecutive pages; the rest once.
        std::size_t start = 0;
        for (std::size_t n = 1; n <= map.Order.size(); ++n) {
            if (n < map.Order.size() && map.Order[n] == map.Order[n - 1] + 1)
                continue;
            std::vector<QPDFObjectHandle> run;
            for (std::size_t k = start; k < n; ++k)
                run.push_back(map.At(map.Order[k]));
            const TCopiedPages copied{map.Order[start], run, map.Annots};
            if (start == 0)
                m_parts.Add(*source.Document, copied, title);
            else
                m_parts.AddMorePages(*source.Document, copied);
            start = n;
        }
    }

    void Write(const std::string& path, const TEngineControl& control)
    {
        QPDFObjectHandle root = m_pdf.getRoot();
        if (m_outlines.hasKey("/First")) {
            m_outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(m_visibleTop));
            root.replaceKey("/Outlines", m_outlines);
        }
        if (!m_nameDests.empty()) {
            QPDFObjectHandle dests = QPDFObjectHandle::newDictionary();
            for (auto& [name, dest] : m_nameDests)
                dests.replaceKey(name, dest);
            root.replaceKey("/Dests", m_pdf.makeIndirectObject(dests));
        }
        if (!m_stringDests.empty()) {
            root.replaceKey("/Names",
                            QPDFObjectHandle::newDictionary({{"/Dests", NewNameTree(m_pdf, m_stringDests)}}));
        }
        m_parts.Finish();
        control.ReportWrite(TWriteStage::Writing, PartsFinished);
        TQpdfFileOutput file(path);
        QPDFWriter writer(m_pdf);
        writer.setOutputPipeline(file.Sink());
        writer.setMinimumPDFVersion(m_version, m_extension);
        // Object streams only where an input had them: they need PDF 1.5, and an
        // older input's version is kept. Not for a single page either: its few
        // dozen objects pack 2% smaller, and packing them (and unpacking them
        // for the check) costs a third of writing it, over every piece of a split.
        const bool pack = m_objectStreams && m_pdf.getAllPages().size() > 1;
        writer.setObjectStreamMode(pack ? qpdf_o_generate : qpdf_o_disable);
        // Writing a large merge takes longer than copying its pages: it is
        // reported, and a cancel stops it part way.
        if (control.OnWrite || control.Cancel)
            writer.registerProgressReporter(
                std::make_shared<QPDFWriter::FunctionProgressReporter>([&](int percent) {
                    control.StopIfCancelled();
                    control.ReportWrite(TWriteStage::Writing,
                                        WriterReady + percent * (FileWritten - WriterReady) / 100);
                }));
        writer.write();
        file.Close();
        control.ReportWrite(TWriteStage::Writing, FileWritten);
    }

    void TakeWarnings(std::vector<std::string>& into)
    {
        for (const QPDFExc& w : m_pdf.getWarnings())
            into.push_back(WarningText(w));
    }

private:
    QPDFObjectHandle NewOutlineItem(QPDFObjectHandle parent, QPDFObjectHandle title)
    {
        QPDFObjectHandle item = m_pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        item.replaceKey("/Title", title);
        item.replaceKey("/Parent", parent);
        if (parent.hasKey("/Last")) {
            QPDFObjectHandle last = parent.getKey("/Last");
            last.replaceKey("/Next", item);
            item.replaceKey("/Prev", last);
        } else {
            parent.replaceKey("/First", item);
        }
        parent.replaceKey("/Last", item);
        return item;
    }

    QPDFObjectHandle AddBookmarkItem(QPDFObjectHandle parent, const TBookmark& b, ExactEngineSource& source,
                                     const TPageMap& map);

    // The source's named destinations on the pages of map, in name order (the
    // order a clash between names is settled in).
    static std::vector<const TNamedDest*> DestsOn(const std::vector<std::vector<const TNamedDest*>>& byPage,
                                                  const TPageMap& map)
    {
        std::vector<const TNamedDest*> found;
        for (const int index : map.Order) {
            const std::vector<const TNamedDest*>& here = byPage[static_cast<std::size_t>(index)];
            found.insert(found.end(), here.begin(), here.end());
        }
        std::sort(found.begin(), found.end(),
                  [](const TNamedDest* a, const TNamedDest* b) { return a->first < b->first; });
        return found;
    }

    TRenames AddNamedDests(ExactEngineSource& source, const TPageMap& map)
    {
        TRenames renames;
        const TLinkIndex& links = source.Links();
        auto add = [&](const std::vector<std::vector<const TNamedDest*>>& from,
                       std::map<std::string, QPDFObjectHandle>& to,
                       std::map<std::string, std::string>& renamed) {
            for (const TNamedDest* entry : DestsOn(from, map)) {
                const auto& [name, dest] = *entry;
                QPDFObjectHandle page = map.At(dest.Page);
                if (!page.isInitialized())
                    continue;
                std::string unique = name;
                for (int n = 2; to.contains(unique); ++n)
                    unique = name + "-" + std::to_string(n);
                to.emplace(unique, MakeDest(page, dest.View));
                renamed.emplace(name, unique);
            }
        };
        add(links.NameDests, m_nameDests, renames.Names);
        add(links.StringDests, m_stringDests, renames.Strings);
        return renames;
    }

    // Points a copied destination at the output's page or renamed destination;
    // false when its target is not in the output.
    static bool Retarget(QPDFObjectHandle holder, const char* key, const TPageMap& map,
                         const TRenames& renames)
    {
        QPDFObjectHandle dest = holder.getKey(key);
        if (dest.isArray()) {
            if (dest.getArrayNItems() < 1 || !dest.getArrayItem(0).isInteger())
                return false;
            const long long index = dest.getArrayItem(0).getIntValue();
            QPDFObjectHandle page =
                index >= 0 && index <= 0x7fffffff ? map.At(static_cast<int>(index)) : QPDFObjectHandle();
            if (!page.isInitialized())
                return false;
            // A new array: the copied one may be shared by other annotations.
            QPDFObjectHandle array = dest.shallowCopy();
            array.setArrayItem(0, page);
            holder.replaceKey(key, array);
            return true;
        }
        if (dest.isName()) {
            const auto it = renames.Names.find(dest.getName());
            if (it == renames.Names.end())
                return false;
            holder.replaceKey(key, QPDFObjectHandle::newName(it->second));
            return true;
        }
        if (dest.isString()) {
            const auto it = renames.Strings.find(dest.getUTF8Value());
            if (it == renames.Strings.end())
                return false;
            if (it->second != it->first)
                holder.replaceKey(key, QPDFObjectHandle::newUnicodeString(it->second));
            return true;
        }
        return dest.isNull();
    }

    // False when the annotation is a link to nowhere in the output.
    static bool FixAnnotation(QPDFObjectHandle annot, QPDFObjectHandle page, const TPageMap& map,
                              const TRenames& renames)
    {
        annot.replaceKey("/P", page);
        const bool link = annot.getKey("/Subtype").isNameAndEquals("/Link");
        if (link && annot.hasKey("/Dest") && !Retarget(annot, "/Dest", map, renames))
            return false;
        QPDFObjectHandle action = annot.getKey("/A");
        if (action.isDictionary() && action.getKey("/S").isNameAndEquals("/GoTo")) {
            QPDFObjectHandle own = action.shallowCopy();
            if (!Retarget(own, "/D", map, renames)) {
                if (link)
                    return false;
                annot.removeKey("/A");
            } else {
                annot.replaceKey("/A", own);
            }
        }
        return true;
    }

    // The steps of CopyPages, in order.
    QPDFObjectHandle CopyBarePage(QPDFObjectHandle page);
    void SlotAnnotations(ExactEngineSource& source, QPDFObjectHandle annots, TAnnotSlots& slots);
    std::vector<QPDFObjectHandle> CopyWidgets(ExactEngineSource& source, TAnnotSlots& slots);
    static std::set<QPDFObjGen> PlaceAnnotations(const TAnnotSlots& slots, const TPageMap& map,
                                                 const TRenames& renames);
    void AddFields(const std::vector<QPDFObjectHandle>& newFields, const std::set<QPDFObjGen>& placed);

    // Drops field kids whose widgets sit on no page of the output (a field with
    // widgets on several pages, split apart); false when nothing of it is left.
    static bool PruneField(QPDFObjectHandle field, const std::set<QPDFObjGen>& placed, int depth)
    {
        QPDFObjectHandle kids = field.getKey("/Kids");
        if (!kids.isArray() || depth > 32)
            return !field.getKey("/Subtype").isNameAndEquals("/Widget") || placed.contains(field.getObjGen());
        std::vector<QPDFObjectHandle> kept;
        for (QPDFObjectHandle kid : kids.getArrayAsVector()) {
            if (kid.isDictionary() && PruneField(kid, placed, depth + 1))
                kept.push_back(kid);
        }
        if (kept.size() != static_cast<std::size_t>(kids.getArrayNItems()))
            field.replaceKey("/Kids", QPDFObjectHandle::newArray(kept));
        return !kept.empty();
    }

    QPDF m_pdf;
    TDocumentParts m_parts;
    std::unique_ptr<QPDFAcroFormDocumentHelper> m_form;
    QPDFObjectHandle m_outlines;
    int m_visibleTop = 0;
    std::map<std::string, QPDFObjectHandle> m_nameDests;
    std::map<std::string, QPDFObjectHandle> m_stringDests;
    std::string m_version = "1.3";
    int m_extension = 0;
    bool m_objectStreams = false;
};

void TOutput::CopyPages(ExactEngineSource& source, int first, int last, TPageMap& map,
                        const std::function<void(int)>& afterPage)
{
    std::vector<int> order;
    for (int i = first; i < last; ++i)
        order.push_back(i);
    CopyPages(source, order, map, afterPage);
}

void TOutput::CopyPages(ExactEngineSource& source, const std::vector<int>& order, TPageMap& map,
                        const std::function<void(int)>& afterPage)
{
    map.Order = order;
    map.Pages.clear();
    if (order.empty())
        return;
    const auto [low, high] = std::minmax_element(order.begin(), order.end());
    map.First = *low;
    map.Pages.resize(static_cast<std::size_t>(*high - *low + 1));
    TAnnotSlots slots;
    for (const int i : order) {
        QPDFObjectHandle page = source.Pages[static_cast<std::size_t>(i)];
        QPDFObjectHandle copy = CopyBarePage(page);
        m_pdf.addPage(copy, false);
        map.Pages[static_cast<std::size_t>(i - map.First)] = copy;
        SlotAnnotations(source, page.getKey("/Annots"), slots);
        afterPage(i);
    }
    const TRenames renames = AddNamedDests(source, map);
    const std::vector<QPDFObjectHandle> newFields = CopyWidgets(source, slots);
    AddFields(newFields, PlaceAnnotations(slots, map, renames));
    map.Annots = std::move(slots.Copies);
}

// The page goes over without its annotations (copied with their fields by
// SlotAnnotations and CopyWidgets) and article beads (which lead to other
// pages); the source page keeps both.
QPDFObjectHandle TOutput::CopyBarePage(QPDFObjectHandle page)
{
    QPDFObjectHandle annots = page.getKey("/Annots");
    QPDFObjectHandle beads = page.getKey("/B");
    page.removeKey("/Annots");
    page.removeKey("/B");
    const auto restore = [&] {
        if (!annots.isNull())
            page.replaceKey("/Annots", annots);
        if (!beads.isNull())
            page.replaceKey("/B", beads);
    };
    QPDFObjectHandle copy;
    try {
        copy = m_pdf.copyForeignObject(page);
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return copy;
}

// Gives the next copied page its slots: a widget's waits for CopyWidgets, any
// other annotation is copied now.
void TOutput::SlotAnnotations(ExactEngineSource& source, QPDFObjectHandle annots, TAnnotSlots& slots)
{
    std::vector<QPDFObjectHandle>& pageSlots = slots.PerPage.emplace_back();
    if (!annots.isArray())
        return;
    for (QPDFObjectHandle annot : annots.getArrayAsVector()) {
        if (!annot.isDictionary())
            continue;
        if (annot.getKey("/Subtype").isNameAndEquals("/Widget")) {
            slots.Widgets.push_back(annot);
            slots.WidgetSlots.emplace_back(slots.PerPage.size() - 1, pageSlots.size());
            pageSlots.emplace_back();
        } else {
            // Nothing to rename or merge: a plain copy, as qpdf's own page
            // copying does.
            pageSlots.push_back(
                m_pdf.copyForeignObject(annot.isIndirect() ? annot : source.Pdf->makeIndirectObject(annot)));
            if (annot.isIndirect())
                slots.Copies.emplace(annot.getObjGen(), pageSlots.back());
        }
    }
}

// Copies the waiting widgets with their fields into their slots; returns the
// output's new fields.
std::vector<QPDFObjectHandle> TOutput::CopyWidgets(ExactEngineSource& source, TAnnotSlots& slots)
{
    std::vector<QPDFObjectHandle> newAnnots;
    std::vector<QPDFObjectHandle> newFields;
    if (slots.Widgets.empty())
        return newFields;
    std::set<QPDFObjGen> oldFields;
    m_form->transformAnnotations(QPDFObjectHandle::newArray(slots.Widgets), newAnnots, newFields, oldFields,
                                 QPDFMatrix(), source.Pdf.get(), source.Form.get());
    if (newAnnots.size() != slots.Widgets.size())
        throw std::runtime_error("the form fields could not be copied");
    for (std::size_t w = 0; w < slots.Widgets.size(); ++w) {
        slots.PerPage[slots.WidgetSlots[w].first][slots.WidgetSlots[w].second] = newAnnots[w];
        if (slots.Widgets[w].isIndirect())
            slots.Copies.emplace(slots.Widgets[w].getObjGen(), newAnnots[w]);
    }
    return newFields;
}

// Puts each page's annotations on its copy, without links to nowhere in the
// output; returns the annotations placed.
std::set<QPDFObjGen> TOutput::PlaceAnnotations(const TAnnotSlots& slots, const TPageMap& map,
                                               const TRenames& renames)
{
    std::set<QPDFObjGen> placed;
    for (std::size_t p = 0; p < map.Order.size(); ++p) {
        if (slots.PerPage[p].empty())
            continue;
        QPDFObjectHandle page = map.At(map.Order[p]);
        std::vector<QPDFObjectHandle> kept;
        for (QPDFObjectHandle annot : slots.PerPage[p]) {
            if (FixAnnotation(annot, page, map, renames)) {
                kept.push_back(annot);
                placed.insert(annot.getObjGen());
            }
        }
        if (!kept.empty())
            page.replaceKey("/Annots", QPDFObjectHandle::newArray(kept));
    }
    return placed;
}

// Adds the new fields that still have a widget placed in the output.
void TOutput::AddFields(const std::vector<QPDFObjectHandle>& newFields, const std::set<QPDFObjGen>& placed)
{
    std::vector<QPDFObjectHandle> fields;
    for (const QPDFObjectHandle& field : newFields) {
        if (PruneField(field, placed, 0))
            fields.push_back(field);
    }
    if (!fields.empty())
        m_form->addAndRenameFormFields(fields);
}

// The bookmarks an output keeps, in outline order: those leading to its pages,
// those with an action of their own, with keepUntargeted those leading to no
// page of the source, and the parents of all of these.
std::vector<int> KeptBookmarks(const TLinkIndex& links, const TPageMap& map, bool keepUntargeted)
{
    std::set<int> kept;
    const auto keep = [&](int node) {
        for (; node >= 0 && kept.insert(node).second; node = links.Parent[static_cast<std::size_t>(node)]) {
        }
    };
    for (const int index : map.Order) {
        for (const int node : links.NodesByPage[static_cast<std::size_t>(index)])
            keep(node);
    }
    for (const int node : links.Actions)
        keep(node);
    if (keepUntargeted) {
        for (const int node : links.Untargeted)
            keep(node);
    }
    return {kept.begin(), kept.end()};
}

int TOutput::AddBookmarks(QPDFObjectHandle parent, ExactEngineSource& source, const TPageMap& map,
                          bool keepUntargeted)
{
    const TLinkIndex& links = source.Links();
    const std::vector<int> kept = KeptBookmarks(links, map, keepUntargeted);
    // A kept node's parent is kept, and comes before it.
    const auto place = [&](int node) {
        const int up = links.Parent[static_cast<std::size_t>(node)];
        return up < 0
                   ? kept.size()
                   : static_cast<std::size_t>(std::lower_bound(kept.begin(), kept.end(), up) - kept.begin());
    };
    std::vector<QPDFObjectHandle> items(kept.size());
    for (std::size_t k = 0; k < kept.size(); ++k) {
        const std::size_t up = place(kept[k]);
        items[k] = AddBookmarkItem(up == kept.size() ? parent : items[up],
                                   *links.Nodes[static_cast<std::size_t>(kept[k])], source, map);
    }
    // Counts from the deepest up: how many items show below each, were it open.
    std::vector<int> below(kept.size() + 1);
    for (std::size_t k = kept.size(); k-- > 0;) {
        const bool open = links.Nodes[static_cast<std::size_t>(kept[k])]->Open;
        if (below[k] > 0)
            items[k].replaceKey("/Count", QPDFObjectHandle::newInteger(open ? below[k] : -below[k]));
        below[place(kept[k])] += 1 + (open ? below[k] : 0);
    }
    return below.back();
}

QPDFObjectHandle TOutput::AddBookmarkItem(QPDFObjectHandle parent, const TBookmark& b,
                                          ExactEngineSource& source, const TPageMap& map)
{
    QPDFObjectHandle item = NewOutlineItem(parent, QPDFObjectHandle::newString(b.Title));
    QPDFObjectHandle page = map.At(b.Dest.Page);
    if (page.isInitialized()) {
        item.replaceKey("/Dest", MakeDest(page, b.Dest.View));
    } else if (b.Action.isInitialized()) {
        // A GoTo in the chain would bring its page along.
        QPDFObjectHandle action = QPDFObjectHandle(b.Action).shallowCopy();
        action.removeKey("/Next");
        item.replaceKey("/A", m_pdf.copyForeignObject(source.Pdf->makeIndirectObject(action)));
    }
    if (!b.Color.empty())
        item.replaceKey("/C", QPDFObjectHandle::parse(b.Color));
    if (b.Flags != 0)
        item.replaceKey("/F", QPDFObjectHandle::newInteger(b.Flags));
    return item;
}

// A reason a user can read, naming the file concerned.
std::string Describe(const QPDFExc& e, const std::string& context, const std::string& outPath)
{
    const std::string file = e.getFilename().empty() ? context : e.getFilename();
    const std::string detail = e.getMessageDetail().empty() ? std::string(e.what()) : e.getMessageDetail();
    switch (e.getErrorCode()) {
    case qpdf_e_password:
        return file + ": needs a password";
    case qpdf_e_damaged_pdf:
        return file + ": damaged beyond repair (" + detail + ")";
    case qpdf_e_system:
        return file + (file == outPath ? ": could not be written (" : ": could not be read (") + detail + ")";
    case qpdf_e_unsupported:
        return file + ": uses a PDF feature that cannot be copied (" + detail + ")";
    default:
        return file + ": " + e.what();
    }
}

// Runs body, turning whatever it throws into a failure naming *context.
template <typename Body>
TEngineResult Guarded(const std::string& outPath, const std::string& context, Body body)
{
    try {
        body();
        return TEngineResult::Success();
    } catch (const QPDFExc& e) {
        return TEngineResult::Failure(Describe(e, context, outPath));
    } catch (const QPDFSystemError& e) {
        // Only TQpdfFileOutput writes the output, with the platform layer's codes.
        if (context == outPath)
            return TEngineResult::Failure(WriteFailureText(e.getErrno(), outPath));
        return TEngineResult::Failure(context + ": could not be read (" + std::strerror(e.getErrno()) + ")");
    } catch (const std::bad_alloc&) {
        return TEngineResult::Failure(context + ": not enough memory to copy its pages");
    } catch (const std::exception& e) {
        if (context == outPath)
            return TEngineResult::Failure(outPath + ": could not be written (" + e.what() + ")");
        return TEngineResult::Failure(context + ": " + e.what());
    }
}

// The source indexes an input's choice names, in order; every page when it
// names none. Throws for a page the file does not have or a page named twice.
std::vector<int> ChosenIndexes(const TMergeInput& input, std::size_t pageCount)
{
    std::vector<int> order;
    if (input.Pages.empty()) {
        for (std::size_t i = 0; i < pageCount; ++i)
            order.push_back(static_cast<int>(i));
        return order;
    }
    std::vector<bool> taken(pageCount, false);
    for (const std::int32_t page : input.Pages) {
        if (page < 1 || static_cast<std::size_t>(page) > pageCount)
            throw std::runtime_error("has no page " + std::to_string(page) + " (it has " +
                                     std::to_string(pageCount) + ")");
        if (taken[static_cast<std::size_t>(page - 1)])
            throw std::runtime_error("page " + std::to_string(page) + " is chosen twice");
        taken[static_cast<std::size_t>(page - 1)] = true;
        order.push_back(page - 1);
    }
    return order;
}

void AddMergeBookmarks(TOutput& out, const TMergeInput& input, ExactEngineSource& source, const TPageMap& map)
{
    switch (input.Bookmarks) {
    case TBookmarkPolicy::FilesAndOwn:
    case TBookmarkPolicy::Files:
        out.AddFileBookmark(input.Title, source, map, input.Bookmarks == TBookmarkPolicy::FilesAndOwn);
        break;
    case TBookmarkPolicy::Own:
        out.AddTopBookmarks(source, map, true);
        break;
    case TBookmarkPolicy::None:
        break;
    }
}

} // namespace

namespace {

// Reads a merge's inputs one ahead, on a thread of its own, while the pages of
// the one before are copied: parsing is about a third of a merge, and this way
// it takes the second core. At most two sources are held at once, and only the
// reading thread takes from the memory budget while a read is under way.
class TSourceReader
{
public:
    TSourceReader(const std::vector<TMergeInput>& inputs, bool closeBetweenReads,
                  std::uintmax_t& memoryBudget)
        : m_inputs(inputs), m_closeBetweenReads(closeBetweenReads), m_memoryBudget(memoryBudget)
    {
        if (!m_inputs.empty())
            m_next = Start(0);
    }

    // Input `index` read (each in turn, from 0); rethrows what reading it threw.
    std::unique_ptr<ExactEngineSource> Take(std::size_t index)
    {
        std::unique_ptr<ExactEngineSource> source = m_next.get();
        if (index + 1 < m_inputs.size())
            m_next = Start(index + 1);
        return source;
    }

    // A source whose pages are in: dropped on the reading thread before it reads
    // the next input (dropping a parsed file costs a tenth of a merge).
    void Retire(std::unique_ptr<ExactEngineSource> source) { m_retired = std::move(source); }

private:
    std::unique_ptr<ExactEngineSource> Read(std::size_t index)
    {
        const TMergeInput& input = m_inputs[index];
        return std::make_unique<ExactEngineSource>(input.Path, m_closeBetweenReads, m_memoryBudget,
                                                   input.Password, input.Pages);
    }

    std::future<std::unique_ptr<ExactEngineSource>> Start(std::size_t index)
    {
        std::shared_ptr<ExactEngineSource> retired = std::move(m_retired);
        try {
            return std::async(std::launch::async, [this, index, retired = std::move(retired)]() mutable {
                retired.reset();
                return Read(index);
            });
        } catch (const std::system_error&) {
            // No thread to spare: read when taken.
            return std::async(std::launch::deferred, [this, index] { return Read(index); });
        }
    }

    const std::vector<TMergeInput>& m_inputs;
    bool m_closeBetweenReads;
    std::uintmax_t& m_memoryBudget;
    std::unique_ptr<ExactEngineSource> m_retired;
    std::future<std::unique_ptr<ExactEngineSource>> m_next;
};

} // namespace

namespace {

// Drops what is no longer needed on a thread of its own; at once when no
// thread can be started.
template <typename T> std::future<void> LetGoLater(std::unique_ptr<T> object)
{
    try {
        return std::async(std::launch::async, [object = std::move(object)]() mutable { object.reset(); });
    } catch (const std::system_error&) {
        object.reset();
        return {};
    }
}

} // namespace

ExactEngine::ExactEngine() = default;
ExactEngine::~ExactEngine() = default;

TEngineResult ExactEngine::Merge(const std::vector<TMergeInput>& inputs, const std::string& outPath,
                                 const TPageReport& onPage)
{
    m_letGo = {}; // the last merge's copy gone first
    m_warnings.clear();
    if (inputs.empty())
        return TEngineResult::Failure("There is nothing to merge.");
    std::string context;
    // Once its pages are in, a source's parsed objects are dropped: the copies
    // read their stream data from the file itself, which qpdf keeps open. On a
    // merge of many files the parsed inputs would otherwise outweigh the output.
    std::vector<std::string> sourceWarnings;
    std::unique_ptr<ExactEngineSource> current;
    const TEngineResult result = Guarded(outPath, context, [&] {
        auto copy = std::make_unique<TOutput>();
        TOutput& out = *copy;
        std::uintmax_t memoryBudget = MemoryInputBudget;
        TSourceReader reader(inputs, inputs.size() > MaxOpenInputs, memoryBudget);
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            const TMergeInput& input = inputs[i];
            context = input.Path;
            current = reader.Take(i);
            ExactEngineSource& source = *current;
            out.TakeVersionOf(*source.Pdf, source.ObjectStreams);
            TPageMap map;
            std::int32_t written = 0; // reported as the place among the input's chosen pages
            out.CopyPages(source, ChosenIndexes(input, source.Pages.size()), map, [&](int) {
                Control().StopIfCancelled();
                if (onPage)
                    onPage(++written);
            });
            if (input.Rotate % 360 != 0)
                TOutput::TurnPages(map, input.Rotate);
            AddMergeBookmarks(out, input, source, map);
            out.AddDocumentParts(source, map, input.Title);
            if (input.BlankAfterOdd && map.Order.size() % 2 == 1) {
                out.AddBlankPage(map.At(map.Order.back()));
                if (onPage)
                    onPage(++written);
            }
            source.TakeWarnings(sourceWarnings);
            reader.Retire(std::move(current));
        }
        context = outPath;
        out.Write(outPath, Control());
        out.TakeWarnings(m_warnings);
        m_letGo = LetGoLater(std::move(copy));
    });
    if (result.Ok)
        Control().ReportWrite(TWriteStage::Writing, 100);
    m_warnings.insert(m_warnings.end(), sourceWarnings.begin(), sourceWarnings.end());
    if (current)
        current->TakeWarnings(m_warnings);
    return result;
}

TEngineResult ExactEngine::OpenSource(const std::string& source, const std::string& password)
{
    CloseSource();
    m_warnings.clear();
    const TEngineResult result = Guarded(std::string(), source, [&] {
        std::uintmax_t memoryBudget = MemoryInputBudget;
        m_source = std::make_unique<ExactEngineSource>(source, false, memoryBudget, password);
    });
    if (m_source)
        m_source->TakeWarnings(m_warnings);
    return result;
}

namespace {

static_assert(MaxBookmarkLevel == MaxOutlineDepth);

// The bookmarks `level` steps below these, in the order they are listed.
void CollectChapters(const std::vector<TBookmark>& items, int level, std::vector<TSourceChapter>& chapters)
{
    for (const TBookmark& item : items) {
        if (level > 1) {
            CollectChapters(item.Kids, level - 1, chapters);
            continue;
        }
        // Titles are PDF text strings: PDFDocEncoding or UTF-16 with its mark.
        chapters.push_back({QPDFObjectHandle::newString(item.Title).getUTF8Value(), item.Dest.Page + 1});
    }
}

} // namespace

TEngineResult ExactEngine::SourceChapters(int level, std::vector<TSourceChapter>& chapters)
{
    chapters.clear();
    if (!m_source)
        return TEngineResult::Failure("No source file is open.");
    CollectChapters(m_source->Bookmarks, level, chapters);
    return TEngineResult::Success();
}

TEngineResult ExactEngine::WritePiece(std::int32_t first, std::int32_t last, const std::string& outPath,
                                      const TPageReport& onPage)
{
    if (!m_source)
        return TEngineResult::Failure("No source file is open.");
    ExactEngineSource& source = *m_source;
    const auto pages = static_cast<std::int32_t>(source.Pages.size());
    if (first < 1 || last < first || last > pages)
        return TEngineResult::Failure(source.Path + ": has no pages " + std::to_string(first) + "-" +
                                      std::to_string(last) + " (it has " + std::to_string(pages) + ")");
    std::string context = source.Path;
    const TEngineResult result = Guarded(outPath, context, [&] {
        TOutput out;
        out.TakeVersionOf(*source.Pdf, source.ObjectStreams);
        TPageMap map;
        out.CopyPages(source, first - 1, last, map, [&](int index) {
            Control().StopIfCancelled();
            if (onPage)
                onPage(index + 1);
        });
        out.AddTopBookmarks(source, map);
        out.AddDocumentParts(source, map, {});
        if (source.SharedResources)
            QPDFPageDocumentHelper(out.Pdf()).removeUnreferencedResources();
        context = outPath;
        out.Write(outPath, Control());
        out.TakeWarnings(m_warnings);
    });
    if (result.Ok)
        Control().ReportWrite(TWriteStage::Writing, 100);
    source.TakeWarnings(m_warnings);
    return result;
}

void ExactEngine::CloseSource()
{
    m_source.reset();
}

std::unique_ptr<IPdfEngine> MakeExactEngine()
{
    return std::make_unique<ExactEngine>();
}
