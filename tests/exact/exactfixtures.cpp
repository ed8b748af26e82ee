#include "exactfixtures.h"

#include "util/testtools.h"

#include <filesystem>
#include <functional>
#include <qpdf/JSON.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

namespace testutil {

namespace {

#ifndef _WIN32
bool RunGs(const std::string& program, const std::string& path)
{
    return RunProgram({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite",
                       "-sOutputFile=" + path, program})
               .ExitCode == 0;
}
#endif

QPDFObjectHandle Parse(const std::string& text)
{
    return QPDFObjectHandle::parse(text);
}

QPDFObjectHandle Appearance(QPDF& pdf, const std::string& content, QPDFObjectHandle resources)
{
    QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf, content);
    QPDFObjectHandle dict = stream.getDict();
    dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
    dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Form"));
    dict.replaceKey("/BBox", Parse("[0 0 200 20]"));
    dict.replaceKey("/Resources", resources);
    return stream;
}

QPDFObjectHandle TextAppearance(QPDF& pdf, const std::string& text, QPDFObjectHandle resources)
{
    return Appearance(pdf, "/Tx BMC BT /Helv 12 Tf 2 5 Td (" + text + ") Tj ET EMC", resources);
}

void AddAnnot(QPDFObjectHandle page, QPDFObjectHandle annot)
{
    if (!page.getKey("/Annots").isArray())
        page.replaceKey("/Annots", QPDFObjectHandle::newArray());
    page.getKey("/Annots").appendItem(annot);
}

// JSON helpers over qpdf's own parser.
JSON Item(const JSON& j, const std::string& key)
{
    JSON found = JSON::makeNull();
    j.forEachDictItem([&](const std::string& k, JSON v) {
        if (k == key)
            found = v;
    });
    return found;
}

std::vector<JSON> Items(const JSON& j)
{
    std::vector<JSON> items;
    j.forEachArrayItem([&](JSON v) { items.push_back(v); });
    return items;
}

std::string Str(const JSON& j)
{
    std::string s;
    if (!j.getString(s))
        j.getNumber(s);
    return s;
}

// A PDF string as qpdf's JSON shows it ("u:text"), without its prefix.
std::string Text(const JSON& j)
{
    const std::string s = Str(j);
    return s.rfind("u:", 0) == 0 ? s.substr(2) : s;
}

} // namespace

bool MakeStructuredPdf(const std::string& path)
{
#ifdef _WIN32
    // Made by scripts/test-windows.sh with the gs command before the run.
    const std::string made = TestFixture("structured.pdf");
    std::error_code ec;
    return !made.empty() && std::filesystem::copy_file(U8(made), U8(path), ec);
#else
    return RunGs(PLICORA_STRUCTURED_PS, path);
#endif
}

bool MakeFormPdf(const std::string& dir, const std::string& path, const std::string& name)
{
    const std::string plain = dir + "form-plain.pdf";
    if (!MakeTestPdf(plain, {"Form page one", "Form page two"}))
        return false;
    QPDF pdf;
    pdf.processFile(plain.c_str());
    std::vector<QPDFObjectHandle> pages = pdf.getAllPages();
    QPDFObjectHandle helv = pdf.makeIndirectObject(
        Parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>"));
    QPDFObjectHandle dr = Parse("<< /Font << >> >>");
    dr.getKey("/Font").replaceKey("/Helv", helv);
    dr = pdf.makeIndirectObject(dr);

    QPDFObjectHandle text =
        pdf.makeIndirectObject(Parse("<< /FT /Tx /T (name) /DA (/Helv 12 Tf 0 g) /Type /Annot /Subtype "
                                     "/Widget /F 4 /Rect [72 500 272 520] >>"));
    text.replaceKey("/V", QPDFObjectHandle::newString(name));
    text.replaceKey("/AP", QPDFObjectHandle::newDictionary({{"/N", TextAppearance(pdf, name, dr)}}));
    text.replaceKey("/P", pages[0]);
    AddAnnot(pages[0], text);

    QPDFObjectHandle box =
        pdf.makeIndirectObject(Parse("<< /FT /Btn /T (agree) /V /Yes /AS /Yes /Type /Annot "
                                     "/Subtype /Widget /F 4 /Rect [72 450 92 470] >>"));
    box.replaceKey(
        "/AP",
        QPDFObjectHandle::newDictionary(
            {{"/N", QPDFObjectHandle::newDictionary({{"/Yes", Appearance(pdf, "0 0 1 rg 2 2 16 16 re f", dr)},
                                                     {"/Off", Appearance(pdf, "", dr)}})}}));
    box.replaceKey("/P", pages[1]);
    AddAnnot(pages[1], box);

    QPDFObjectHandle shared =
        pdf.makeIndirectObject(Parse("<< /FT /Tx /T (shared) /V (Both) /DA (/Helv 12 Tf 0 g) /Kids [] >>"));
    for (QPDFObjectHandle page : pages) {
        QPDFObjectHandle widget =
            pdf.makeIndirectObject(Parse("<< /Type /Annot /Subtype /Widget /F 4 /Rect [72 400 272 420] >>"));
        widget.replaceKey("/Parent", shared);
        widget.replaceKey("/P", page);
        widget.replaceKey("/AP", QPDFObjectHandle::newDictionary({{"/N", TextAppearance(pdf, "Both", dr)}}));
        shared.getKey("/Kids").appendItem(widget);
        AddAnnot(page, widget);
    }

    QPDFObjectHandle form = Parse("<< /DA (/Helv 0 Tf 0 g) >>");
    form.replaceKey("/Fields", QPDFObjectHandle::newArray({text, box, shared}));
    form.replaceKey("/DR", dr);
    pdf.getRoot().replaceKey("/AcroForm", pdf.makeIndirectObject(form));
    QPDFWriter writer(pdf, path.c_str());
    writer.write();
    return true;
}

bool MakeSharedResourcesPdf(const std::string& path)
{
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle fonts = Parse("<< >>");
    fonts.replaceKey("/F1",
                     pdf.makeIndirectObject(Parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>")));
    fonts.replaceKey("/F2",
                     pdf.makeIndirectObject(Parse("<< /Type /Font /Subtype /Type1 /BaseFont /Courier >>")));
    QPDFObjectHandle resources = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary({{"/Font", fonts}}));
    for (const char* content :
         {"BT /F1 24 Tf 72 700 Td (Shared one) Tj ET", "BT /F2 24 Tf 72 700 Td (Shared two) Tj ET"}) {
        QPDFObjectHandle page = pdf.makeIndirectObject(Parse("<< /Type /Page /MediaBox [0 0 612 792] >>"));
        page.replaceKey("/Resources", resources);
        page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, content));
        pdf.addPage(page, false);
    }
    QPDFWriter writer(pdf, path.c_str());
    writer.write();
    return true;
}

bool MakePackedPdf(const std::string& source, const std::string& path)
{
    return RunProgram({"qpdf", "--object-streams=generate", "--min-version=1.7", source, path}).ExitCode == 0;
}

bool MakeOwnerOnlyPdf(const std::string& source, const std::string& path)
{
    return RunProgram({"qpdf", "--encrypt", "", "owner-secret", "256", "--", source, path}).ExitCode == 0;
}

bool QpdfCheckPasses(const std::string& path)
{
    return RunProgram({"qpdf", "--check", path}).ExitCode == 0;
}

TQpdfFacts ReadQpdfFacts(const std::string& path)
{
    TQpdfFacts facts;
    const TRunResult run = RunProgram({"qpdf", "--json", "--json-key=pages", "--json-key=outlines",
                                       "--json-key=acroform", "--json-key=qpdf", path});
    if (run.ExitCode != 0 && run.ExitCode != 3)
        return facts;
    const JSON doc = JSON::parse(run.Out);
    const std::vector<JSON> qpdf = Items(Item(doc, "qpdf"));
    if (qpdf.size() != 2)
        return facts;
    facts.Version = Str(Item(qpdf[0], "pdfversion"));
    const JSON objects = qpdf[1];
    auto deref = [&](JSON j) {
        const std::string ref = Str(j);
        if (ref.size() > 2 && ref.compare(ref.size() - 2, 2, " R") == 0)
            return Item(Item(objects, "obj:" + ref), "value");
        return j;
    };

    std::map<std::string, int> pageOf;
    std::vector<JSON> pages = Items(Item(doc, "pages"));
    for (const JSON& page : pages)
        pageOf[Str(Item(page, "object"))] = std::stoi(Str(Item(page, "pageposfrom1")));
    auto destPage = [&](JSON dest) {
        const std::vector<JSON> items = Items(deref(dest));
        return items.empty() ? 0 : pageOf[Str(items[0])];
    };

    const JSON root = deref(Item(Item(objects, "trailer"), "value"));
    const JSON catalog = deref(Item(root, "/Root"));
    std::function<void(JSON)> walkTree = [&](JSON node) {
        node = deref(node);
        const std::vector<JSON> names = Items(Item(node, "/Names"));
        for (std::size_t i = 0; i + 1 < names.size(); i += 2) {
            JSON value = deref(names[i + 1]);
            if (!Item(value, "/D").isNull())
                value = Item(value, "/D");
            facts.NamedDests[Text(names[i])] = destPage(value);
        }
        for (const JSON& kid : Items(Item(node, "/Kids")))
            walkTree(kid);
    };
    walkTree(Item(deref(Item(catalog, "/Names")), "/Dests"));
    deref(Item(catalog, "/Dests")).forEachDictItem([&](const std::string& name, JSON value) {
        value = deref(value);
        facts.NamedDests[name] = destPage(Item(value, "/D").isNull() ? value : Item(value, "/D"));
    });

    for (const JSON& page : pages) {
        const std::string pos = Str(Item(page, "pageposfrom1"));
        const JSON dict = deref(Item(page, "object"));
        for (JSON annot : Items(deref(Item(dict, "/Annots")))) {
            annot = deref(annot);
            if (Str(Item(annot, "/Subtype")) != "/Link")
                continue;
            JSON dest = Item(annot, "/Dest");
            const JSON action = deref(Item(annot, "/A"));
            if (Str(Item(action, "/S")) == "/URI") {
                facts.Links.push_back(pos + " -> " + Text(Item(action, "/URI")));
                continue;
            }
            if (Str(Item(action, "/S")) == "/GoTo")
                dest = Item(action, "/D");
            const std::string name = Text(deref(dest));
            const int target = facts.NamedDests.contains(name) ? facts.NamedDests[name] : destPage(dest);
            facts.Links.push_back(pos + " -> " + std::to_string(target));
        }
        std::vector<std::string> fonts;
        deref(Item(deref(Item(dict, "/Resources")), "/Font"))
            .forEachDictItem([&](const std::string& k, JSON) { fonts.push_back(k); });
        facts.PageFonts.push_back(fonts);
    }

    std::function<void(JSON, int)> walkOutlines = [&](JSON items, int depth) {
        for (const JSON& item : Items(items)) {
            const JSON kids = Item(item, "kids");
            bool open = true;
            Item(item, "open").getBool(open);
            const std::string page = Str(Item(item, "destpageposfrom1"));
            facts.Bookmarks.push_back(std::string(static_cast<std::size_t>(depth) * 2, ' ') +
                                      Str(Item(item, "title")) + " @" + (page.empty() ? "0" : page) +
                                      (!open && !Items(kids).empty() ? " (closed)" : ""));
            walkOutlines(kids, depth + 1);
        }
    };
    walkOutlines(Item(doc, "outlines"), 0);

    for (const JSON& field : Items(Item(Item(doc, "acroform"), "fields"))) {
        facts.Fields.push_back(Text(Item(field, "fullname")) + "=" + Text(Item(field, "value")) + " @" +
                               Str(Item(field, "pageposfrom1")));
    }
    facts.Loaded = true;
    return facts;
}

} // namespace testutil
