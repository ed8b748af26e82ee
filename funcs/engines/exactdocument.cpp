#include "engines/exactdocument.h"

#include "engines/exacttags.h"
#include "engines/xmppacket.h"
#include "pdf/pdfbounds.h"

#include <algorithm>
#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <set>
#include <stdexcept>

namespace {

constexpr const char* Producer = "Tarvex Plicora";

constexpr TXmpProperty XmpProducer{"http://ns.adobe.com/pdf/1.3/", "pdf", "Producer"};
constexpr TXmpProperty XmpModifyDate{"http://ns.adobe.com/xap/1.0/", "xmp", "ModifyDate"};
constexpr TXmpProperty XmpMetadataDate{"http://ns.adobe.com/xap/1.0/", "xmp", "MetadataDate"};
// Conformance claims (PDF/A, PDF/UA) that nobody checked for a merged file.
constexpr const char* PdfaId = "http://www.aiim.org/pdfa/ns/id/";
constexpr const char* PdfuaId = "http://www.aiim.org/pdfua/ns/id/";
constexpr TXmpProperty XmpClaims[] = {
    {PdfaId, "pdfaid", "part"},  {PdfaId, "pdfaid", "conformance"}, {PdfaId, "pdfaid", "amd"},
    {PdfaId, "pdfaid", "corr"},  {PdfaId, "pdfaid", "rev"},         {PdfuaId, "pdfuaid", "part"},
    {PdfuaId, "pdfuaid", "amd"}, {PdfuaId, "pdfuaid", "corr"},      {PdfuaId, "pdfuaid", "rev"},
};

bool IsTrue(QPDFObjectHandle value)
{
    return value.isBool() && value.getBoolValue();
}

std::vector<QPDFObjectHandle> ArrayItems(QPDFObjectHandle value)
{
    return value.isArray() ? value.getArrayAsVector() : std::vector<QPDFObjectHandle>();
}

// A page label of a source, made of the output's own objects.
QPDFObjectHandle OwnLabel(QPDFObjectHandle label)
{
    QPDFObjectHandle own = QPDFObjectHandle::newDictionary();
    if (label.getKey("/S").isName())
        own.replaceKey("/S", QPDFObjectHandle::newName(label.getKey("/S").getName()));
    if (label.getKey("/P").isString())
        own.replaceKey("/P", QPDFObjectHandle::newString(label.getKey("/P").getStringValue()));
    if (label.getKey("/St").isInteger())
        own.replaceKey("/St", QPDFObjectHandle::newInteger(label.getKey("/St").getIntValue()));
    return own;
}

// Plain numbers from the output's page number, as pages without labels show.
QPDFObjectHandle PlainLabel(long long index)
{
    return QPDFObjectHandle::newDictionary(
        {{"/S", QPDFObjectHandle::newName("/D")}, {"/St", QPDFObjectHandle::newInteger(index + 1)}});
}

// Several files' layers in one default configuration: each group keeps its
// file's default state, and each file's list sits under its name, so that
// groups of the same name stay apart.
class TLayerMerge
{
public:
    void Add(QPDFObjectHandle properties, const std::string& title)
    {
        const std::vector<QPDFObjectHandle> own = AddGroups(properties.getKey("/OCGs"));
        QPDFObjectHandle config = properties.getKey("/D");
        if (!config.isDictionary())
            config = QPDFObjectHandle::newDictionary();
        AddOff(config, own);
        std::vector<QPDFObjectHandle> listed = ArrayItems(config.getKey("/Order"));
        if (!listed.empty()) {
            listed.insert(listed.begin(), QPDFObjectHandle::newUnicodeString(title));
            m_order.push_back(QPDFObjectHandle::newArray(listed));
        }
        for (auto [key, into] : {std::pair{"/RBGroups", &m_radio}, std::pair{"/Locked", &m_locked},
                                 std::pair{"/AS", &m_usage}}) {
            for (QPDFObjectHandle item : ArrayItems(config.getKey(key)))
                into->push_back(item);
        }
        AddIntents(config.getKey("/Intent"));
    }

    // The merged /OCProperties; the default configuration's name is the first file's.
    QPDFObjectHandle Properties(QPDFObjectHandle first) const
    {
        QPDFObjectHandle config = QPDFObjectHandle::newDictionary();
        QPDFObjectHandle name = first.getKey("/D");
        if (name.isDictionary() && name.getKey("/Name").isString())
            config.replaceKey("/Name", QPDFObjectHandle::newString(name.getKey("/Name").getStringValue()));
        for (auto [key, items] :
             {std::pair{"/Order", &m_order}, std::pair{"/OFF", &m_off}, std::pair{"/RBGroups", &m_radio},
              std::pair{"/Locked", &m_locked}, std::pair{"/AS", &m_usage}}) {
            if (!items->empty())
                config.replaceKey(key, QPDFObjectHandle::newArray(*items));
        }
        if (m_intents != std::set<std::string>{"/View"}) {
            QPDFObjectHandle names = QPDFObjectHandle::newArray();
            for (const std::string& intent : m_intents)
                names.appendItem(QPDFObjectHandle::newName(intent));
            config.replaceKey("/Intent", names);
        }
        return QPDFObjectHandle::newDictionary(
            {{"/OCGs", QPDFObjectHandle::newArray(m_groups)}, {"/D", config}});
    }

private:
    // The file's groups; each group once in the output's list, however many files share it.
    std::vector<QPDFObjectHandle> AddGroups(QPDFObjectHandle listed)
    {
        std::vector<QPDFObjectHandle> own;
        for (QPDFObjectHandle group : ArrayItems(listed)) {
            if (group.isIndirect() && group.isDictionary()) {
                own.push_back(group);
                if (m_seen.insert(group.getObjGen()).second)
                    m_groups.push_back(group);
            }
        }
        return own;
    }

    void AddOff(QPDFObjectHandle config, const std::vector<QPDFObjectHandle>& own)
    {
        if (!config.getKey("/BaseState").isNameAndEquals("/OFF")) {
            for (QPDFObjectHandle group : ArrayItems(config.getKey("/OFF")))
                m_off.push_back(group);
            return;
        }
        std::set<QPDFObjGen> on;
        for (QPDFObjectHandle group : ArrayItems(config.getKey("/ON")))
            on.insert(group.getObjGen());
        for (QPDFObjectHandle group : own) {
            if (!on.contains(group.getObjGen()))
                m_off.push_back(group);
        }
    }

    void AddIntents(QPDFObjectHandle intent)
    {
        if (intent.isNull())
            m_intents.insert("/View");
        for (QPDFObjectHandle name : intent.isArray() ? intent.getArrayAsVector() : std::vector{intent}) {
            if (name.isName())
                m_intents.insert(name.getName());
        }
    }

    std::vector<QPDFObjectHandle> m_groups;
    std::vector<QPDFObjectHandle> m_off;
    std::vector<QPDFObjectHandle> m_order;
    std::vector<QPDFObjectHandle> m_radio;
    std::vector<QPDFObjectHandle> m_locked;
    std::vector<QPDFObjectHandle> m_usage;
    std::set<QPDFObjGen> m_seen;
    std::set<std::string> m_intents;
};

} // namespace

QPDFObjectHandle OwnScalar(QPDFObjectHandle value)
{
    if (value.isInteger())
        return QPDFObjectHandle::newInteger(value.getIntValue());
    if (value.isName())
        return QPDFObjectHandle::newName(value.getName());
    if (value.isString())
        return QPDFObjectHandle::newString(value.getStringValue());
    if (value.isBool())
        return QPDFObjectHandle::newBool(value.getBoolValue());
    if (value.isReal())
        return QPDFObjectHandle::newReal(value.getRealValue());
    return QPDFObjectHandle::newNull();
}

QPDFObjectHandle NewNameTree(QPDF& out, const std::map<std::string, QPDFObjectHandle>& entries)
{
    constexpr std::size_t Fanout = 64;
    // A node of the level being built, with the first and last keys below it.
    struct TNode
    {
        QPDFObjectHandle Node;
        std::string First, Last;
        QPDFObjectHandle Limited()
        {
            Node.replaceKey("/Limits",
                            QPDFObjectHandle::newArray({QPDFObjectHandle::newUnicodeString(First),
                                                        QPDFObjectHandle::newUnicodeString(Last)}));
            return Node;
        }
    };
    std::vector<TNode> level;
    for (auto it = entries.begin(); it != entries.end();) {
        TNode leaf{{}, it->first, {}};
        std::vector<QPDFObjectHandle> names;
        for (std::size_t n = 0; n < Fanout && it != entries.end(); ++n, ++it) {
            leaf.Last = it->first;
            names.push_back(QPDFObjectHandle::newUnicodeString(it->first));
            names.push_back(it->second);
        }
        leaf.Node = out.makeIndirectObject(
            QPDFObjectHandle::newDictionary({{"/Names", QPDFObjectHandle::newArray(names)}}));
        level.push_back(std::move(leaf));
    }
    if (level.empty())
        return out.makeIndirectObject(
            QPDFObjectHandle::newDictionary({{"/Names", QPDFObjectHandle::newArray()}}));
    if (level.size() == 1)
        return level.front().Node;
    // Levels of up to Fanout kids each, up to a root of its own without /Limits.
    for (bool root = false; !root;) {
        root = level.size() <= Fanout;
        std::vector<TNode> up;
        for (std::size_t i = 0; i < level.size(); i += Fanout) {
            const std::size_t end = std::min(level.size(), i + Fanout);
            std::vector<QPDFObjectHandle> kids;
            for (std::size_t k = i; k < end; ++k)
                kids.push_back(level[k].Limited());
            up.push_back({out.makeIndirectObject(
                              QPDFObjectHandle::newDictionary({{"/Kids", QPDFObjectHandle::newArray(kids)}})),
                          level[i].First, level[end - 1].Last});
        }
        level = std::move(up);
    }
    return level.front().Node;
}

TDocumentSource::TDocumentSource(QPDF& pdf, const std::string& path,
                                 const std::vector<QPDFObjectHandle>& pages,
                                 const std::map<QPDFObjGen, int>& pageIndex, std::vector<std::string>& notes)
    : m_pdf(pdf), m_path(path), m_pageCount(static_cast<int>(pages.size())), m_notes(notes)
{
    QPDFObjectHandle root = pdf.getRoot();
    if (root.hasKey("/PageLabels")) {
        try {
            auto labels = std::make_unique<QPDFPageLabelDocumentHelper>(pdf);
            if (labels->hasPageLabels())
                m_labels = std::move(labels);
        } catch (const std::exception& e) {
            Note("page labels", e);
        }
    }
    QPDFObjectHandle markInfo = root.getKey("/MarkInfo");
    if (markInfo.isDictionary()) {
        m_marked = IsTrue(markInfo.getKey("/Marked"));
        m_suspects = IsTrue(markInfo.getKey("/Suspects"));
    }
    QPDFObjectHandle tree = root.getKey("/StructTreeRoot");
    if (tree.isDictionary()) {
        try {
            m_tags = std::make_unique<TTagSource>(pdf, tree, pages, pageIndex);
        } catch (const std::exception& e) {
            Note("tagging", e);
        }
    }
}

TDocumentSource::~TDocumentSource() = default;

void TDocumentSource::Note(const char* what, const std::exception& e)
{
    m_notes.push_back(m_path + ": " + what + " left out (" + e.what() + ")");
}

TDocumentParts::TDocumentParts(QPDF& out) : m_out(out) {}

TDocumentParts::~TDocumentParts() = default;

void TDocumentParts::Add(TDocumentSource& source, const TCopiedPages& copied, const std::string& title)
{
    const bool first = m_sources++ == 0;
    auto carry = [&](const char* what, auto body) {
        try {
            body();
        } catch (const std::exception& e) {
            source.Note(what, e);
        }
    };
    AddLabels(source, copied);
    if (first)
        carry("document information", [&] { AddInformation(source); });
    carry("embedded files", [&] { AddFiles(source); });
    carry("layers", [&] {
        QPDFObjectHandle properties = source.m_pdf.getRoot().getKey("/OCProperties");
        if (properties.isDictionary())
            m_layers.push_back({CopyIn(source.m_pdf, properties), title});
    });
    AddTags(source, copied);
}

void TDocumentParts::AddMorePages(TDocumentSource& source, const TCopiedPages& copied)
{
    AddLabels(source, copied);
    AddTags(source, copied);
}

void TDocumentParts::AddLabels(TDocumentSource& source, const TCopiedPages& copied)
{
    const long long at = m_pageCount;
    const auto count = static_cast<long long>(copied.Pages.size());
    m_pageCount += count;
    if (count == 0)
        return;
    const std::size_t before = m_labelNums.size();
    if (source.m_labels) {
        try {
            source.m_labels->getLabelsForPageRange(copied.First, copied.First + count - 1, at, m_labelNums);
            for (std::size_t i = before + 1; i < m_labelNums.size(); i += 2)
                m_labelNums[i] = OwnLabel(m_labelNums[i]);
            m_anyLabels = true;
            return;
        } catch (const std::exception& e) {
            m_labelNums.resize(before);
            source.Note("page labels", e);
        }
    }
    // Needed only when another source has labels: they must not run on here.
    m_labelNums.push_back(QPDFObjectHandle::newInteger(at));
    m_labelNums.push_back(PlainLabel(at));
}

void TDocumentParts::AddInformation(TDocumentSource& source)
{
    QPDFObjectHandle info = source.m_pdf.getTrailer().getKey("/Info");
    m_info = QPDFObjectHandle::newDictionary();
    if (info.isDictionary()) {
        for (const std::string& key : info.getKeys()) {
            QPDFObjectHandle value = info.getKey(key);
            if (value.isString() || value.isName() || value.isNumber() || value.isBool())
                m_info.replaceKey(key, OwnScalar(value));
        }
    }
    QPDFObjectHandle root = source.m_pdf.getRoot();
    if (root.getKey("/Lang").isString())
        m_lang = QPDFObjectHandle::newString(root.getKey("/Lang").getStringValue());
    QPDFObjectHandle intents = root.getKey("/OutputIntents");
    if (intents.isArray())
        m_outputIntents = CopyIn(source.m_pdf, intents);
    QPDFObjectHandle metadata = root.getKey("/Metadata");
    if (!metadata.isStream())
        return;
    const std::string date = QUtil::qpdf_time_to_iso8601(m_made);
    if (source.m_xmpDate != date) {
        const auto data = metadata.getStreamData(qpdf_dl_generalized);
        std::string xmp(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
        SetXmpProperty(xmp, XmpProducer, Producer);
        SetXmpProperty(xmp, XmpModifyDate, date);
        SetXmpProperty(xmp, XmpMetadataDate, date);
        source.m_xmp = std::move(xmp);
        source.m_xmpDate = date;
    }
    m_xmp = source.m_xmp;
    m_hasXmp = true;
}

void TDocumentParts::AddFiles(TDocumentSource& source)
{
    QPDFObjectHandle root = source.m_pdf.getRoot();
    QPDFObjectHandle names = root.getKey("/Names");
    QPDFObjectHandle files = names.isDictionary() ? names.getKey("/EmbeddedFiles") : QPDFObjectHandle();
    // Read whole before anything is copied: a broken tree costs its files only.
    std::vector<std::pair<std::string, QPDFObjectHandle>> found;
    if (files.isInitialized() && files.isDictionary()) {
        if (const std::string problem = NameTreeProblem(files); !problem.empty())
            throw std::runtime_error(problem);
        for (const auto& [name, fileSpec] : QPDFNameTreeObjectHelper(files, source.m_pdf))
            found.emplace_back(name, fileSpec);
    }
    for (auto& [name, fileSpec] : found) {
        if (!fileSpec.isDictionary())
            continue;
        std::string unique = name;
        for (int n = 2; m_files.contains(unique); ++n)
            unique = name + "-" + std::to_string(n);
        m_files.emplace(unique, CopyIn(source.m_pdf, fileSpec));
    }
    for (QPDFObjectHandle fileSpec : ArrayItems(root.getKey("/AF"))) {
        if (fileSpec.isDictionary())
            m_associated.push_back(CopyIn(source.m_pdf, fileSpec));
    }
}

void TDocumentParts::AddTags(TDocumentSource& source, const TCopiedPages& copied)
{
    if (copied.Pages.empty())
        return;
    bool carried = false;
    if (source.m_tags) {
        try {
            if (!m_tags)
                m_tags = std::make_unique<TTagOutput>(m_out);
            // A later file in another language keeps it on its own elements.
            QPDFObjectHandle lang = source.m_pdf.getRoot().getKey("/Lang");
            QPDFObjectHandle own;
            if (m_sources > 1 && lang.isString() &&
                (!m_lang.isInitialized() || m_lang.getStringValue() != lang.getStringValue()))
                own = QPDFObjectHandle::newString(lang.getStringValue());
            const bool whole =
                copied.First == 0 && static_cast<int>(copied.Pages.size()) == source.m_pageCount;
            m_tags->Add(*source.m_tags, copied, whole, own);
            carried = true;
        } catch (const std::exception& e) {
            source.Note("tagging", e);
        }
    }
    if (!carried)
        m_untagged.push_back(copied.Pages);
    // The output claims tagging only when all of its pages have it.
    m_allMarked = m_allMarked && carried && source.m_marked;
    m_suspects = m_suspects || source.m_suspects;
}

QPDFObjectHandle TDocumentParts::CopyIn(QPDF& source, QPDFObjectHandle object)
{
    return m_out.copyForeignObject(object.isIndirect() ? object : source.makeIndirectObject(object));
}

void TDocumentParts::Finish()
{
    QPDFObjectHandle root = m_out.getRoot();
    if (m_anyLabels)
        root.replaceKey("/PageLabels", QPDFObjectHandle::newDictionary(
                                           {{"/Nums", QPDFObjectHandle::newArray(m_labelNums)}}));
    WriteInformation(root);
    if (!m_files.empty()) {
        QPDFObjectHandle names = root.getKey("/Names");
        if (!names.isDictionary()) {
            names = QPDFObjectHandle::newDictionary();
            root.replaceKey("/Names", names);
        }
        names.replaceKey("/EmbeddedFiles", NewNameTree(m_out, m_files));
    }
    if (!m_associated.empty())
        root.replaceKey("/AF", QPDFObjectHandle::newArray(m_associated));
    WriteLayers(root);
    if (m_tags && !m_tags->Empty()) {
        // Left on pages without tags, parent tree keys would point into another file's.
        for (const std::vector<QPDFObjectHandle>& pages : m_untagged)
            TTagOutput::Untag(pages);
        m_tags->Finish(root);
        QPDFObjectHandle markInfo = QPDFObjectHandle::newDictionary();
        if (m_allMarked)
            markInfo.replaceKey("/Marked", QPDFObjectHandle::newBool(true));
        if (m_suspects)
            markInfo.replaceKey("/Suspects", QPDFObjectHandle::newBool(true));
        if (!markInfo.getKeys().empty())
            root.replaceKey("/MarkInfo", markInfo);
    }
}

void TDocumentParts::WriteInformation(QPDFObjectHandle root)
{
    if (!m_info.isInitialized())
        m_info = QPDFObjectHandle::newDictionary();
    m_info.replaceKey("/Producer", QPDFObjectHandle::newString(Producer));
    m_info.replaceKey("/ModDate", QPDFObjectHandle::newString(QUtil::qpdf_time_to_pdf_time(m_made)));
    m_out.getTrailer().replaceKey("/Info", m_out.makeIndirectObject(m_info));
    if (m_lang.isInitialized())
        root.replaceKey("/Lang", m_lang);
    if (m_outputIntents.isInitialized())
        root.replaceKey("/OutputIntents", m_outputIntents);
    if (!m_hasXmp)
        return;
    if (m_sources > 1) {
        for (const TXmpProperty& claim : XmpClaims)
            RemoveXmpProperty(m_xmp, claim);
    }
    QPDFObjectHandle stream = QPDFObjectHandle::newStream(&m_out, m_xmp);
    stream.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
    stream.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
    root.replaceKey("/Metadata", stream);
}

void TDocumentParts::WriteLayers(QPDFObjectHandle root)
{
    if (m_layers.empty())
        return;
    if (m_layers.size() == 1) {
        root.replaceKey("/OCProperties", m_layers.front().Properties);
        return;
    }
    TLayerMerge merged;
    for (const TLayers& layers : m_layers)
        merged.Add(layers.Properties, layers.Title);
    root.replaceKey("/OCProperties", merged.Properties(m_layers.front().Properties));
}
