// What a document carries beside its pages, for the exact engine: page labels,
// document information (the Info dictionary, XMP metadata, language, output
// intents), embedded files, optional content (layers) and the structure tree
// (tagging). A source is read once; each output takes what belongs to the pages
// it got, and what fails to read is left out with a note, never the pages.
#pragma once

#include <exception>
#include <map>
#include <memory>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>
#include <qpdf/QUtil.hh>
#include <string>
#include <vector>

class TTagSource;
class TTagOutput;

// A number, name, string or boolean of a source as an object of its own: a
// direct object read from a file stays tied to that file. Null for others.
QPDFObjectHandle OwnScalar(QPDFObjectHandle value);

// A name tree of entries (keys as UTF-8 text, in the map's order), built whole
// in out: libqpdf's insert searches and rebalances the tree for every entry,
// which grows faster than the entries on a large merge. Leaves hold up to 64.
QPDFObjectHandle NewNameTree(QPDF& out, const std::map<std::string, QPDFObjectHandle>& entries);

// Where the pages of one source went in an output.
struct TCopiedPages
{
    int First = 0;                                        // the source index of the first page
    const std::vector<QPDFObjectHandle>& Pages;           // the copies, in source order
    const std::map<QPDFObjGen, QPDFObjectHandle>& Annots; // source annotation -> its copy
};

// One input's parts, read when it is opened. Lines for what cannot be read go to
// notes ("<path>: page labels left out (...)"), which must outlive this.
class TDocumentSource
{
public:
    TDocumentSource(QPDF& pdf, const std::string& path, const std::vector<QPDFObjectHandle>& pages,
                    const std::map<QPDFObjGen, int>& pageIndex, std::vector<std::string>& notes);
    ~TDocumentSource();
    TDocumentSource(const TDocumentSource&) = delete;
    TDocumentSource& operator=(const TDocumentSource&) = delete;

private:
    friend class TDocumentParts;
    void Note(const char* what, const std::exception& e);

    QPDF& m_pdf;
    std::string m_path;
    int m_pageCount = 0;
    std::vector<std::string>& m_notes;
    std::unique_ptr<QPDFPageLabelDocumentHelper> m_labels; // when it has page labels
    std::unique_ptr<TTagSource> m_tags;                    // when it has a readable structure tree
    bool m_marked = false;                                 // /MarkInfo /Marked true
    bool m_suspects = false;
    // Its XMP packet with the producer and the dates of an output made at
    // m_xmpDate: the pieces of one second share it.
    std::string m_xmp;
    std::string m_xmpDate;
};

// The parts of one output, built up source by source (a merge's inputs in order,
// or a piece's one source) and written into its catalog and trailer by Finish.
class TDocumentParts
{
public:
    explicit TDocumentParts(QPDF& out);
    ~TDocumentParts();
    TDocumentParts(const TDocumentParts&) = delete;
    TDocumentParts& operator=(const TDocumentParts&) = delete;

    // Once the pages of source are copied. The first source gives the output its
    // information, language and output intents; title heads the source's layers
    // when several merged files have layers.
    void Add(TDocumentSource& source, const TCopiedPages& copied, const std::string& title);

    // Further pages of the source last added (a choice of pages in several runs):
    // their labels and structure.
    void AddMorePages(TDocumentSource& source, const TCopiedPages& copied);
    // A blank page after the pages so far: it takes a place among the labels.
    void AddBlankPage() { ++m_pageCount; }

    // Just before the output is written; after its named destinations are in.
    void Finish();

private:
    void AddLabels(TDocumentSource& source, const TCopiedPages& copied);
    void AddInformation(TDocumentSource& source);
    void AddFiles(TDocumentSource& source);
    void AddTags(TDocumentSource& source, const TCopiedPages& copied);
    void WriteInformation(QPDFObjectHandle root);
    void WriteLayers(QPDFObjectHandle root);
    // A deep copy of a source's object, direct or not, into the output.
    QPDFObjectHandle CopyIn(QPDF& source, QPDFObjectHandle object);

    struct TLayers
    {
        QPDFObjectHandle Properties; // the source's /OCProperties, copied
        std::string Title;
    };

    QPDF& m_out;
    int m_sources = 0;
    long long m_pageCount = 0;
    bool m_anyLabels = false;
    std::vector<QPDFObjectHandle> m_labelNums; // /Nums of /PageLabels: index, label, ...
    QPDFObjectHandle m_info;
    QPDFObjectHandle m_lang;
    QPDFObjectHandle m_outputIntents;
    // When the output is made, the same in Info and XMP.
    const QUtil::QPDFTime m_made = QUtil::get_current_qpdf_time();
    bool m_hasXmp = false;
    std::string m_xmp;
    std::map<std::string, QPDFObjectHandle> m_files; // /EmbeddedFiles, by UTF-8 name
    std::vector<QPDFObjectHandle> m_associated;      // the catalog's /AF
    std::vector<TLayers> m_layers;
    std::unique_ptr<TTagOutput> m_tags;
    std::vector<std::vector<QPDFObjectHandle>> m_untagged; // the copied pages of sources without tags
    bool m_allMarked = true;
    bool m_suspects = false;
};
