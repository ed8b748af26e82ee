// Structure trees (tagged PDF) for the exact engine. A source's tree is read once:
// its elements, the pages their content lies on, its parent tree. Each output
// then gets the elements of the pages it holds, with the parent tree entries of
// those pages (renumbered after earlier sources' in a merge) and merged role and
// class maps, so that every marked-content sequence still leads to its element.
#pragma once

#include "engines/exactdocument.h"

#include <map>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <set>
#include <string>
#include <vector>

class TTagSource
{
public:
    // Throws (std::exception) when the tree cannot be read or is beyond bounds.
    TTagSource(QPDF& pdf, QPDFObjectHandle treeRoot, const std::vector<QPDFObjectHandle>& pages,
               const std::map<QPDFObjGen, int>& pageIndex);

private:
    friend class TTagBuilder;
    friend class TTagOutput;

    enum class TKind
    {
        Element,
        Mcid, // an integer: a marked-content sequence on the element's page
        Mcr,  // a marked-content reference dictionary
        Objr  // an object reference (an annotation, an XObject)
    };
    struct TKid
    {
        TKind Kind = TKind::Element;
        int Element = -1;              // TKind::Element
        int Page = -1;                 // the content's source page, -1 when it names none
        mutable QPDFObjectHandle Item; // a handle: reading through it changes nothing here
    };
    struct TElement
    {
        mutable QPDFObjectHandle Dict;
        int Parent = -1; // -1: the tree's root
        int Page = -1;   // its /Pg, own or inherited
        std::vector<TKid> Kids;
        int First = -1, Last = -1; // the pages its content lies on, below it included; -1: none
    };

    int ReadElement(QPDFObjectHandle dict, int parent, int inheritedPage, int depth);
    void ReadParentTree(QPDF& pdf, QPDFObjectHandle treeRoot);
    void TouchByParentTree(const std::vector<QPDFObjectHandle>& pages);
    void TouchByKey(QPDFObjectHandle holder, const char* key, int page);
    void SpreadPages();
    int PageOf(QPDFObjectHandle page) const;
    int IndexOf(QPDFObjectHandle element) const;
    void Touch(int element, int page);

    mutable QPDFObjectHandle m_root;
    const std::map<QPDFObjGen, int>& m_pageIndex;
    std::vector<TElement> m_elements; // parents before their kids
    std::vector<int> m_top;
    std::map<QPDFObjGen, int> m_index;
    std::map<long long, QPDFObjectHandle> m_parentTree;
    long long m_nextKey = 0; // the first parent tree key it leaves free
};

class TTagOutput
{
public:
    explicit TTagOutput(QPDF& out);

    // Adds the elements of source whose content lies on the copied pages (all of
    // them when whole), with their ancestors. lang, when a string, goes to the
    // top elements that have no /Lang of their own. Nothing is added when it throws.
    void Add(const TTagSource& source, const TCopiedPages& copied, bool whole, QPDFObjectHandle lang);

    // Takes the parent tree keys off copied pages, their annotations and
    // XObjects, for a source whose tree is not carried.
    static void Untag(const std::vector<QPDFObjectHandle>& pages);

    bool Empty() const { return m_kids.empty(); }

    // The /StructTreeRoot, into the output's catalog.
    void Finish(QPDFObjectHandle catalog);

private:
    friend class TTagBuilder;

    struct TMapEntry
    {
        std::string Text; // the value as PDF text, to tell clashes from repeats
        QPDFObjectHandle Value;
    };

    QPDF& m_out;
    QPDFObjectHandle m_root;
    std::vector<QPDFObjectHandle> m_kids;
    std::map<long long, QPDFObjectHandle> m_parentTree;
    long long m_nextKey = 0;
    std::map<std::string, TMapEntry> m_roleMap;
    std::map<std::string, TMapEntry> m_classMap;
    std::map<std::string, QPDFObjectHandle> m_ids; // /IDTree, by the ID's bytes
    std::vector<QPDFObjectHandle> m_namespaces;
};
