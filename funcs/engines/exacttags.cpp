#include "engines/exacttags.h"

#include <algorithm>
#include <qpdf/QPDFNumberTreeObjectHelper.hh>
#include <stdexcept>

namespace {

// Bounds on what a damaged or hostile file can make the walks do.
constexpr int MaxTagDepth = 256;
constexpr std::size_t MaxTagElements = 4'000'000;
constexpr int MaxValueDepth = 32;
constexpr int MaxFormDepth = 16;
constexpr long long MaxParentKey = 0x7fffffff;

bool IsElement(QPDFObjectHandle item)
{
    if (!item.isDictionary() || !item.getKey("/S").isName())
        return false;
    QPDFObjectHandle type = item.getKey("/Type");
    return !type.isNameAndEquals("/MCR") && !type.isNameAndEquals("/OBJR");
}

// The items of a /K (or of a parent tree value): an array's, or the one it is.
std::vector<QPDFObjectHandle> Items(QPDFObjectHandle k)
{
    if (k.isArray())
        return k.getArrayAsVector();
    if (k.isNull())
        return {};
    return {k};
}

// An object of an output that holds a parent tree key.
struct THolder
{
    mutable QPDFObjectHandle Object;
    const char* Key;
    long long Value;
    // A page's or annotation's entry names elements of the output's pages; an
    // XObject's, of wherever it is drawn (resources are often shared by pages
    // that do not draw every XObject in them).
    bool OnPage;
};

void AddHolder(QPDFObjectHandle object, const char* key, std::vector<THolder>& into, bool onPage)
{
    QPDFObjectHandle value = object.getKey(key);
    if (value.isInteger())
        into.push_back({object, key, value.getIntValue(), onPage});
}

void CollectXObjects(QPDFObjectHandle resources, std::set<QPDFObjGen>& seen, std::vector<THolder>& into,
                     int depth)
{
    if (!resources.isDictionary() || depth > MaxFormDepth)
        return;
    QPDFObjectHandle xobjects = resources.getKey("/XObject");
    if (!xobjects.isDictionary())
        return;
    for (const std::string& name : xobjects.getKeys()) {
        QPDFObjectHandle xobject = xobjects.getKey(name);
        if (!xobject.isStream() || !seen.insert(xobject.getObjGen()).second)
            continue;
        QPDFObjectHandle dict = xobject.getDict();
        AddHolder(dict, "/StructParents", into, false);
        AddHolder(dict, "/StructParent", into, false);
        if (dict.getKey("/Subtype").isNameAndEquals("/Form"))
            CollectXObjects(dict.getKey("/Resources"), seen, into, depth + 1);
    }
}

// The copied pages, their annotations and the XObjects they draw that hold a
// parent tree key.
std::vector<THolder> CollectHolders(const std::vector<QPDFObjectHandle>& pages)
{
    std::vector<THolder> holders;
    std::set<QPDFObjGen> seen;
    for (QPDFObjectHandle page : pages) {
        AddHolder(page, "/StructParents", holders, true);
        QPDFObjectHandle annots = page.getKey("/Annots");
        if (annots.isArray()) {
            for (QPDFObjectHandle annot : annots.getArrayAsVector()) {
                if (annot.isDictionary())
                    AddHolder(annot, "/StructParent", holders, true);
            }
        }
        CollectXObjects(page.getKey("/Resources"), seen, holders, 0);
    }
    return holders;
}

// A number or name tree with every entry in its root, in the map's order.
template <typename Key, typename MakeKey>
QPDFObjectHandle FlatTree(QPDF& pdf, const char* kind, const std::map<Key, QPDFObjectHandle>& entries,
                          MakeKey makeKey)
{
    QPDFObjectHandle items = QPDFObjectHandle::newArray();
    for (const auto& [key, value] : entries) {
        items.appendItem(makeKey(key));
        items.appendItem(value);
    }
    return pdf.makeIndirectObject(QPDFObjectHandle::newDictionary({{kind, items}}));
}

} // namespace

TTagSource::TTagSource(QPDF& pdf, QPDFObjectHandle treeRoot, const std::vector<QPDFObjectHandle>& pages,
                       const std::map<QPDFObjGen, int>& pageIndex)
    : m_root(treeRoot), m_pageIndex(pageIndex)
{
    for (QPDFObjectHandle item : Items(treeRoot.getKey("/K"))) {
        if (!IsElement(item))
            continue;
        const int element = ReadElement(item, -1, -1, 0);
        if (element >= 0)
            m_top.push_back(element);
    }
    ReadParentTree(pdf, treeRoot);
    TouchByParentTree(pages);
    SpreadPages();
}

void TTagSource::ReadParentTree(QPDF& pdf, QPDFObjectHandle treeRoot)
{
    QPDFObjectHandle parentTree = treeRoot.getKey("/ParentTree");
    if (parentTree.isDictionary()) {
        for (const auto& [key, value] : QPDFNumberTreeObjectHelper(parentTree, pdf)) {
            if (key >= 0 && key <= MaxParentKey) {
                m_parentTree.emplace(key, value);
                m_nextKey = std::max(m_nextKey, key + 1);
            }
        }
    }
    QPDFObjectHandle nextKey = treeRoot.getKey("/ParentTreeNextKey");
    if (nextKey.isInteger() && nextKey.getIntValue() <= MaxParentKey)
        m_nextKey = std::max(m_nextKey, nextKey.getIntValue());
}

// What the parent tree says lies on a page counts too: some producers give
// elements no /Pg.
void TTagSource::TouchByParentTree(const std::vector<QPDFObjectHandle>& pages)
{
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const int page = static_cast<int>(i);
        QPDFObjectHandle pageObject = pages[i];
        TouchByKey(pageObject, "/StructParents", page);
        QPDFObjectHandle annots = pageObject.getKey("/Annots");
        if (annots.isArray()) {
            for (QPDFObjectHandle annot : annots.getArrayAsVector()) {
                if (annot.isDictionary())
                    TouchByKey(annot, "/StructParent", page);
            }
        }
    }
}

void TTagSource::TouchByKey(QPDFObjectHandle holder, const char* key, int page)
{
    QPDFObjectHandle value = holder.getKey(key);
    const auto entry = value.isInteger() ? m_parentTree.find(value.getIntValue()) : m_parentTree.end();
    if (entry == m_parentTree.end())
        return;
    for (QPDFObjectHandle element : Items(entry->second))
        Touch(IndexOf(element), page);
}

// Kids come after their parents: from the back, each element's pages are
// complete when they go up to its parent.
void TTagSource::SpreadPages()
{
    for (std::size_t e = m_elements.size(); e-- > 0;) {
        const int element = static_cast<int>(e);
        for (const TKid& kid : m_elements[e].Kids) {
            if (kid.Kind != TKind::Element)
                Touch(element, kid.Page);
        }
        const TElement& el = m_elements[e];
        if (el.Parent >= 0 && el.First >= 0) {
            Touch(el.Parent, el.First);
            Touch(el.Parent, el.Last);
        }
    }
}

int TTagSource::ReadElement(QPDFObjectHandle dict, int parent, int inheritedPage, int depth)
{
    if (depth > MaxTagDepth)
        throw std::runtime_error("its structure tree is nested too deep");
    if (m_elements.size() >= MaxTagElements)
        throw std::runtime_error("its structure tree has too many elements");
    const int element = static_cast<int>(m_elements.size());
    // One met before is a loop, or an element with two parents: it stays with the first.
    if (dict.isIndirect() && !m_index.emplace(dict.getObjGen(), element).second)
        return -1;
    const int own = PageOf(dict.getKey("/Pg"));
    const int page = own >= 0 ? own : inheritedPage;
    m_elements.push_back({dict, parent, page, {}, -1, -1});
    std::vector<TKid> kids;
    for (QPDFObjectHandle item : Items(dict.getKey("/K"))) {
        TKid kid;
        kid.Item = item;
        kid.Page = page;
        if (item.isInteger()) {
            kid.Kind = TKind::Mcid;
        } else if (!item.isDictionary()) {
            continue;
        } else if (item.getKey("/Type").isNameAndEquals("/OBJR")) {
            kid.Kind = TKind::Objr;
        } else if (IsElement(item)) {
            kid.Kind = TKind::Element;
            kid.Element = ReadElement(item, element, page, depth + 1);
            if (kid.Element < 0)
                continue;
        } else if (item.getKey("/MCID").isInteger()) {
            kid.Kind = TKind::Mcr;
        } else {
            continue;
        }
        if (kid.Kind == TKind::Mcr || kid.Kind == TKind::Objr) {
            const int itemPage = PageOf(item.getKey("/Pg"));
            if (itemPage >= 0)
                kid.Page = itemPage;
        }
        kids.push_back(std::move(kid));
    }
    m_elements[static_cast<std::size_t>(element)].Kids = std::move(kids);
    return element;
}

int TTagSource::PageOf(QPDFObjectHandle page) const
{
    if (!page.isIndirect())
        return -1;
    const auto it = m_pageIndex.find(page.getObjGen());
    return it == m_pageIndex.end() ? -1 : it->second;
}

int TTagSource::IndexOf(QPDFObjectHandle element) const
{
    if (!element.isIndirect())
        return -1;
    const auto it = m_index.find(element.getObjGen());
    return it == m_index.end() ? -1 : it->second;
}

void TTagSource::Touch(int element, int page)
{
    if (element < 0 || page < 0)
        return;
    TElement& el = m_elements[static_cast<std::size_t>(element)];
    el.First = el.First < 0 ? page : std::min(el.First, page);
    el.Last = std::max(el.Last, page);
}

// One source's elements into one output: which are kept, their copies, and the
// values they bring along.
class TTagBuilder
{
public:
    using TKind = TTagSource::TKind;

    TTagBuilder(QPDF& out, const TTagSource& source, const TCopiedPages& copied, bool whole)
        : m_out(out), m_source(source), m_copied(copied), m_whole(whole), m_first(copied.First),
          m_last(copied.First + static_cast<int>(copied.Pages.size()) - 1),
          m_forced(source.m_elements.size(), 0), m_made(source.m_elements.size())
    {
        for (QPDFObjectHandle page : copied.Pages) {
            QPDFObjectHandle annots = page.getKey("/Annots");
            if (annots.isArray()) {
                for (QPDFObjectHandle annot : annots.getArrayAsVector())
                    m_placed.insert(annot.getObjGen());
            }
        }
    }

    // Keeps an element and its ancestors whatever their pages: a parent tree
    // entry of a copied page names it.
    void Force(int element)
    {
        while (element >= 0 && !m_forced[static_cast<std::size_t>(element)]) {
            m_forced[static_cast<std::size_t>(element)] = 1;
            element = m_source.m_elements[static_cast<std::size_t>(element)].Parent;
        }
    }

    // A source's role or class map against the output's: its entries that the
    // output lacks, clashing keys renamed ("Heading-2") in renames.
    std::map<std::string, TTagOutput::TMapEntry>
    MergeMap(QPDFObjectHandle map, const std::map<std::string, TTagOutput::TMapEntry>& into,
             std::map<std::string, std::string>& renames, bool roles)
    {
        std::map<std::string, TTagOutput::TMapEntry> added;
        if (!map.isDictionary())
            return added;
        const std::set<std::string> keys = map.getKeys();
        for (const std::string& key : keys) {
            const auto it = into.find(key);
            if (it == into.end() || it->second.Text == map.getKey(key).unparseResolved())
                continue;
            std::string unique;
            for (int n = 2; unique.empty() || into.contains(unique) || keys.contains(unique); ++n)
                unique = key + "-" + std::to_string(n);
            renames.emplace(key, unique);
        }
        for (const std::string& key : keys) {
            QPDFObjectHandle value = map.getKey(key);
            const auto renamed = renames.find(key);
            if (into.contains(key) && renamed == renames.end())
                continue;
            TTagOutput::TMapEntry entry{value.unparseResolved(), {}};
            if (roles) {
                if (!value.isName())
                    continue;
                entry.Value = QPDFObjectHandle::newName(Renamed(value.getName(), renames));
            } else {
                entry.Value = Copy(value, 0);
            }
            added.emplace(renamed == renames.end() ? key : renamed->second, entry);
        }
        return added;
    }

    // The copy of element under parent, with its kept kids; uninitialised when
    // nothing of it belongs to the output.
    QPDFObjectHandle Build(int element, QPDFObjectHandle parent)
    {
        const TTagSource::TElement& el = m_source.m_elements[static_cast<std::size_t>(element)];
        const bool keep = m_whole || m_forced[static_cast<std::size_t>(element)];
        if (!keep && (el.First < 0 || el.Last < m_first || el.First > m_last))
            return {};
        QPDFObjectHandle made = m_out.makeIndirectObject(QPDFObjectHandle::newDictionary());
        std::vector<QPDFObjectHandle> kids;
        bool mcids = false;
        for (const TTagSource::TKid& kid : el.Kids) {
            QPDFObjectHandle copy = BuildKid(kid, made, mcids);
            if (copy.isInitialized())
                kids.push_back(copy);
        }
        if (kids.empty() && !keep)
            return {};
        FillElement(el, made, parent, kids, mcids);
        m_made[static_cast<std::size_t>(element)] = made;
        return made;
    }

    // The keys that may name other elements, once every kept element is made.
    void FillKeys(const std::map<std::string, QPDFObjectHandle>& ids)
    {
        for (std::size_t e = 0; e < m_made.size(); ++e) {
            QPDFObjectHandle made = m_made[e];
            if (made.isInitialized())
                FillElementKeys(m_source.m_elements[e].Dict, made, ids);
        }
    }

    QPDFObjectHandle Made(QPDFObjectHandle element) const
    {
        const int index = m_source.IndexOf(element);
        return index >= 0 ? m_made[static_cast<std::size_t>(index)] : QPDFObjectHandle();
    }

    // A value of the source in the output: elements, pages and annotations as
    // their copies (null when not in it), anything else copied.
    QPDFObjectHandle Copy(QPDFObjectHandle value, int depth)
    {
        if (depth > MaxValueDepth)
            return QPDFObjectHandle::newNull();
        if (value.isIndirect())
            return CopyIndirect(value);
        if (value.isArray()) {
            QPDFObjectHandle array = QPDFObjectHandle::newArray();
            for (QPDFObjectHandle item : value.getArrayAsVector())
                array.appendItem(Copy(item, depth + 1));
            return array;
        }
        if (value.isDictionary()) {
            QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
            for (const std::string& key : value.getKeys())
                dict.replaceKey(key, Copy(value.getKey(key), depth + 1));
            return dict;
        }
        return OwnScalar(value);
    }

    // Keeps the elements that parent tree entries of the copied pages and their
    // annotations name; the held keys that have an entry.
    std::set<long long> ForceHeld(const std::vector<THolder>& holders)
    {
        std::set<long long> keys;
        for (const THolder& holder : holders) {
            const auto entry = m_source.m_parentTree.find(holder.Value);
            if (entry == m_source.m_parentTree.end())
                continue;
            keys.insert(holder.Value);
            if (holder.OnPage) {
                for (QPDFObjectHandle element : Items(entry->second))
                    Force(m_source.IndexOf(element));
            }
        }
        return keys;
    }

    std::vector<QPDFObjectHandle> BuildTops(QPDFObjectHandle root)
    {
        std::vector<QPDFObjectHandle> tops;
        for (const int top : m_source.m_top) {
            QPDFObjectHandle made = Build(top, root);
            if (made.isInitialized())
                tops.push_back(made);
        }
        return tops;
    }

    // The parent tree entries of keys with the copies of their elements, under
    // keys moved by offset; keys none of whose elements were kept are left out.
    std::map<long long, QPDFObjectHandle> ParentEntries(const std::set<long long>& keys, long long offset)
    {
        std::map<long long, QPDFObjectHandle> entries;
        for (const long long key : keys) {
            QPDFObjectHandle made = MadeEntry(m_source.m_parentTree.at(key));
            if (made.isInitialized())
                entries.emplace(key + offset, made);
        }
        return entries;
    }

    std::vector<QPDFObjectHandle> Namespaces()
    {
        std::vector<QPDFObjectHandle> namespaces;
        QPDFObjectHandle sourceNamespaces = m_source.m_root.getKey("/Namespaces");
        if (sourceNamespaces.isArray()) {
            for (QPDFObjectHandle ns : sourceNamespaces.getArrayAsVector())
                namespaces.push_back(Copy(ns, 0));
        }
        return namespaces;
    }

    std::map<std::string, std::string> RoleRenames;
    std::map<std::string, std::string> ClassRenames;
    std::map<std::string, QPDFObjectHandle> Ids;

private:
    // A kid of made in the output; uninitialised when it is not there. mcids
    // turns true for a marked-content sequence, which lies on made's page.
    QPDFObjectHandle BuildKid(const TTagSource::TKid& kid, QPDFObjectHandle made, bool& mcids)
    {
        if (kid.Kind == TKind::Element)
            return Build(kid.Element, made);
        QPDFObjectHandle page = OutPage(kid.Page);
        if (!page.isInitialized())
            return {};
        if (kid.Kind == TKind::Mcid) {
            mcids = true;
            return QPDFObjectHandle::newInteger(kid.Item.getIntValue());
        }
        QPDFObjectHandle target;
        if (kid.Kind == TKind::Objr && !(target = Target(kid.Item.getKey("/Obj"))).isInitialized())
            return {};
        QPDFObjectHandle item = QPDFObjectHandle::newDictionary();
        for (const std::string& key : kid.Item.getKeys()) {
            if (key != "/Pg" && key != "/Obj")
                item.replaceKey(key, Copy(kid.Item.getKey(key), 0));
        }
        item.replaceKey("/Pg", page);
        if (target.isInitialized())
            item.replaceKey("/Obj", target);
        return item;
    }

    void FillElement(const TTagSource::TElement& el, QPDFObjectHandle made, QPDFObjectHandle parent,
                     const std::vector<QPDFObjectHandle>& kids, bool mcids)
    {
        made.replaceKey("/P", parent);
        made.replaceKey("/S",
                        QPDFObjectHandle::newName(Renamed(el.Dict.getKey("/S").getName(), RoleRenames)));
        if (kids.size() == 1)
            made.replaceKey("/K", kids.front());
        else if (!kids.empty())
            made.replaceKey("/K", QPDFObjectHandle::newArray(kids));
        QPDFObjectHandle page = OutPage(mcids ? el.Page : m_source.PageOf(el.Dict.getKey("/Pg")));
        if (page.isInitialized())
            made.replaceKey("/Pg", page);
    }

    void FillElementKeys(QPDFObjectHandle dict, QPDFObjectHandle made,
                         const std::map<std::string, QPDFObjectHandle>& ids)
    {
        for (const std::string& key : dict.getKeys()) {
            if (key == "/P" || key == "/K" || key == "/Pg" || key == "/S")
                continue;
            QPDFObjectHandle value = dict.getKey(key);
            if (key == "/ID" && value.isString()) {
                made.replaceKey(key, QPDFObjectHandle::newString(AddId(value.getStringValue(), made, ids)));
                continue;
            }
            QPDFObjectHandle copy = CopyKeyValue(key, value);
            if (!copy.isNull())
                made.replaceKey(key, copy);
        }
    }

    // IDs are unique in a document; a clash gets a suffix.
    std::string AddId(const std::string& given, QPDFObjectHandle made,
                      const std::map<std::string, QPDFObjectHandle>& ids)
    {
        std::string id = given;
        for (int n = 2; ids.contains(id) || Ids.contains(id); ++n)
            id = given + "-" + std::to_string(n);
        Ids.emplace(id, made);
        return id;
    }

    // A key's value in an element's copy: its classes as renamed, references
    // without the elements left out.
    QPDFObjectHandle CopyKeyValue(const std::string& key, QPDFObjectHandle value)
    {
        QPDFObjectHandle copy = Copy(key == "/C" ? RenamedClasses(value) : value, 0);
        if (key != "/Ref" || !copy.isArray())
            return copy;
        std::vector<QPDFObjectHandle> refs;
        for (QPDFObjectHandle ref : copy.getArrayAsVector()) {
            if (!ref.isNull())
                refs.push_back(ref);
        }
        return QPDFObjectHandle::newArray(refs);
    }

    QPDFObjectHandle CopyIndirect(QPDFObjectHandle value)
    {
        if (m_source.IndexOf(value) >= 0)
            return OrNull(Made(value));
        const int page = m_source.PageOf(value);
        if (page >= 0)
            return OrNull(OutPage(page));
        if (value.isPageObject() || value.isPagesObject())
            return QPDFObjectHandle::newNull();
        if (value.isDictionary()) {
            // An annotation, or an element outside the tree: copied whole,
            // they would bring other pages or the whole tree along.
            QPDFObjectHandle type = value.getKey("/Type");
            if (value.hasKey("/Rect") && value.hasKey("/Subtype"))
                return OrNull(Target(value));
            if (type.isNameAndEquals("/StructElem") || type.isNameAndEquals("/StructTreeRoot") ||
                (value.hasKey("/S") && value.hasKey("/P")))
                return QPDFObjectHandle::newNull();
        }
        return OrNull(m_out.copyForeignObject(value));
    }

    // A parent tree value in the output: an array keeps its places, with null
    // for elements left out; uninitialised when none of it was kept.
    QPDFObjectHandle MadeEntry(QPDFObjectHandle value) const
    {
        if (!value.isArray())
            return Made(value);
        QPDFObjectHandle array = QPDFObjectHandle::newArray();
        bool any = false;
        for (QPDFObjectHandle element : value.getArrayAsVector()) {
            QPDFObjectHandle made = Made(element);
            any = any || made.isInitialized();
            array.appendItem(made.isInitialized() ? made : QPDFObjectHandle::newNull());
        }
        return any ? array : QPDFObjectHandle();
    }

    static QPDFObjectHandle OrNull(QPDFObjectHandle value)
    {
        return value.isInitialized() ? value : QPDFObjectHandle::newNull();
    }

    static std::string Renamed(const std::string& name, const std::map<std::string, std::string>& renames)
    {
        const auto it = renames.find(name);
        return it == renames.end() ? name : it->second;
    }

    QPDFObjectHandle RenamedClasses(QPDFObjectHandle classes) const
    {
        if (classes.isName())
            return QPDFObjectHandle::newName(Renamed(classes.getName(), ClassRenames));
        if (!classes.isArray())
            return classes;
        QPDFObjectHandle array = QPDFObjectHandle::newArray();
        for (QPDFObjectHandle item : classes.getArrayAsVector())
            array.appendItem(item.isName() ? QPDFObjectHandle::newName(Renamed(item.getName(), ClassRenames))
                                           : OwnScalar(item));
        return array;
    }

    QPDFObjectHandle OutPage(int page) const
    {
        if (page < m_first || page > m_last)
            return {};
        return m_copied.Pages[static_cast<std::size_t>(page - m_first)];
    }

    // What an object reference leads to in the output: an annotation's copy on
    // its page, an XObject's copy; uninitialised when not there.
    QPDFObjectHandle Target(QPDFObjectHandle object)
    {
        if (!object.isIndirect())
            return {};
        if (object.isStream())
            return m_out.copyForeignObject(object);
        const auto it = m_copied.Annots.find(object.getObjGen());
        if (it == m_copied.Annots.end() || !m_placed.contains(it->second.getObjGen()))
            return {};
        return it->second;
    }

    QPDF& m_out;
    const TTagSource& m_source;
    const TCopiedPages& m_copied;
    const bool m_whole;
    const int m_first;
    const int m_last;
    std::set<QPDFObjGen> m_placed;
    std::vector<char> m_forced;
    std::vector<QPDFObjectHandle> m_made;
};

TTagOutput::TTagOutput(QPDF& out) : m_out(out) {}

namespace {

// The held parent tree keys of a source, moved by offset; a key without an
// entry is taken off, as it would point into a later source's.
void Renumber(const std::vector<THolder>& holders, const std::map<long long, QPDFObjectHandle>& entries,
              long long offset)
{
    for (const THolder& holder : holders) {
        if (!entries.contains(holder.Value + offset))
            holder.Object.removeKey(holder.Key);
        else if (offset != 0)
            holder.Object.replaceKey(holder.Key, QPDFObjectHandle::newInteger(holder.Value + offset));
    }
}

} // namespace

void TTagOutput::Add(const TTagSource& source, const TCopiedPages& copied, bool whole, QPDFObjectHandle lang)
{
    if (!m_root.isInitialized())
        m_root = m_out.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /StructTreeRoot >>"));
    TTagBuilder builder(m_out, source, copied, whole);
    const std::vector<THolder> holders = CollectHolders(copied.Pages);
    const std::set<long long> keys = builder.ForceHeld(holders);
    // The maps first: elements of a clashing type take its new name.
    auto roles = builder.MergeMap(source.m_root.getKey("/RoleMap"), m_roleMap, builder.RoleRenames, true);
    auto classes =
        builder.MergeMap(source.m_root.getKey("/ClassMap"), m_classMap, builder.ClassRenames, false);
    const std::vector<QPDFObjectHandle> tops = builder.BuildTops(m_root);
    builder.FillKeys(m_ids);
    const long long offset = m_nextKey;
    std::map<long long, QPDFObjectHandle> entries = builder.ParentEntries(keys, offset);
    const std::vector<QPDFObjectHandle> namespaces = builder.Namespaces();

    // Nothing below throws: the output takes all of it or, above, nothing.
    long long next = offset + source.m_nextKey;
    Renumber(holders, entries, offset);
    for (QPDFObjectHandle top : tops) {
        if (lang.isString() && !top.hasKey("/Lang"))
            top.replaceKey("/Lang", lang.shallowCopy());
        m_kids.push_back(top);
    }
    if (!entries.empty())
        next = std::max(next, entries.rbegin()->first + 1);
    m_parentTree.merge(entries);
    m_nextKey = next;
    m_roleMap.merge(roles);
    m_classMap.merge(classes);
    m_ids.merge(builder.Ids);
    m_namespaces.insert(m_namespaces.end(), namespaces.begin(), namespaces.end());
}

void TTagOutput::Untag(const std::vector<QPDFObjectHandle>& pages)
{
    for (const THolder& holder : CollectHolders(pages))
        holder.Object.removeKey(holder.Key);
}

void TTagOutput::Finish(QPDFObjectHandle catalog)
{
    if (Empty())
        return;
    m_root.replaceKey("/K", QPDFObjectHandle::newArray(m_kids));
    m_root.replaceKey("/ParentTree", FlatTree(m_out, "/Nums", m_parentTree, &QPDFObjectHandle::newInteger));
    m_root.replaceKey("/ParentTreeNextKey", QPDFObjectHandle::newInteger(m_nextKey));
    for (auto [key, map] : {std::pair{"/RoleMap", &m_roleMap}, std::pair{"/ClassMap", &m_classMap}}) {
        if (map->empty())
            continue;
        QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
        for (const auto& [name, entry] : *map)
            dict.replaceKey(name, entry.Value);
        m_root.replaceKey(key, dict);
    }
    // Name tree keys in byte order, as the map keeps them.
    if (!m_ids.empty())
        m_root.replaceKey("/IDTree", FlatTree(m_out, "/Names", m_ids, &QPDFObjectHandle::newString));
    if (!m_namespaces.empty())
        m_root.replaceKey("/Namespaces", QPDFObjectHandle::newArray(m_namespaces));
    catalog.replaceKey("/StructTreeRoot", m_root);
}
