#include "exactfixtures.h"

#include "util/testtools.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <qpdf/JSON.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>
#include <sstream>

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

// A page label as a viewer shows it, from qpdf's label for that very page.
std::string LabelText(const JSON& label)
{
    if (label.isNull())
        return "";
    const std::string style = Str(Item(label, "/S"));
    const std::string st = Str(Item(label, "/St"));
    int n = st.empty() ? 1 : std::stoi(st);
    std::string number;
    if (style == "/D") {
        number = std::to_string(n);
    } else if (style == "/r" || style == "/R") {
        static const std::pair<int, const char*> numerals[] = {
            {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
            {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
        for (const auto& [value, text] : numerals) {
            for (; n >= value; n -= value)
                number += text;
        }
        if (style == "/R")
            std::transform(number.begin(), number.end(), number.begin(), ::toupper);
    } else if (style == "/a" || style == "/A") {
        number = std::string(static_cast<std::size_t>((n - 1) / 26 + 1),
                             static_cast<char>((style == "/a" ? 'a' : 'A') + (n - 1) % 26));
    }
    return Text(Item(label, "/P")) + number;
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

bool MakeCarryingPdf(const std::string& path, char variant)
{
    const bool a = variant == 'A';
    const std::string v(1, variant);
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle font =
        pdf.makeIndirectObject(Parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"));
    QPDFObjectHandle notes = pdf.makeIndirectObject(Parse("<< /Type /OCG /Name (Notes) >>"));
    QPDFObjectHandle grid = pdf.makeIndirectObject(Parse("<< /Type /OCG /Name (Grid) >>"));
    QPDFObjectHandle form = QPDFObjectHandle::newStream(
        &pdf, "/Span << /MCID 0 >> BDC BT /F1 12 Tf 72 600 Td (Text in a form " + v + ") Tj ET EMC");
    form.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
    form.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/Form"));
    form.getDict().replaceKey("/BBox", Parse("[0 0 612 792]"));
    form.getDict().replaceKey("/StructParents", QPDFObjectHandle::newInteger(3));
    form.getDict().replaceKey(
        "/Resources",
        QPDFObjectHandle::newDictionary({{"/Font", QPDFObjectHandle::newDictionary({{"/F1", font}})}}));
    const std::string contents[] = {
        "/H1 << /MCID 0 >> BDC BT /F1 24 Tf 72 700 Td (Heading " + v +
            ") Tj ET EMC\n/P << /MCID 1 >> BDC BT /F1 12 Tf 72 650 Td (A paragraph begins) Tj ET EMC\n"
            "/OC /Notes BDC 0 0 1 rg 72 400 200 100 re f EMC",
        "/P << /MCID 0 >> BDC BT /F1 12 Tf 72 700 Td (and ends on page two) Tj ET EMC\n"
        "/Figure << /MCID 1 >> BDC 1 0 0 rg 72 500 100 100 re f EMC\n"
        "/OC /Grid BDC 0 1 0 RG 4 w 50 50 m 500 300 l S EMC",
        "/Link << /MCID 0 >> BDC BT /F1 12 Tf 72 700 Td (A link to the web) Tj ET EMC\n/Fm1 Do"};
    std::vector<QPDFObjectHandle> pages;
    for (int i = 0; i < 3; ++i) {
        QPDFObjectHandle page = pdf.makeIndirectObject(Parse("<< /Type /Page /MediaBox [0 0 612 792] >>"));
        page.replaceKey(
            "/Resources",
            QPDFObjectHandle::newDictionary(
                {{"/Font", QPDFObjectHandle::newDictionary({{"/F1", font}})},
                 {"/Properties", QPDFObjectHandle::newDictionary({{"/Notes", notes}, {"/Grid", grid}})},
                 {"/XObject", QPDFObjectHandle::newDictionary({{"/Fm1", form}})}}));
        page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, contents[i]));
        page.replaceKey("/StructParents", QPDFObjectHandle::newInteger(i));
        pdf.addPage(page, false);
        pages.push_back(page);
    }

    QPDFObjectHandle file = QPDFObjectHandle::newStream(&pdf, v + " notes");
    file.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/EmbeddedFile"));
    QPDFObjectHandle spec =
        pdf.makeIndirectObject(Parse("<< /Type /Filespec /F (notes.txt) /UF (notes.txt) >>"));
    spec.replaceKey("/EF", QPDFObjectHandle::newDictionary({{"/F", file}}));
    QPDFObjectHandle attachment = pdf.makeIndirectObject(
        Parse("<< /Type /Annot /Subtype /FileAttachment /Rect [300 700 320 720] /Contents (notes) >>"));
    attachment.replaceKey("/FS", spec);
    AddAnnot(pages[1], attachment);
    QPDFObjectHandle link =
        pdf.makeIndirectObject(Parse("<< /Type /Annot /Subtype /Link /Rect [72 695 300 715] /StructParent 4 "
                                     "/A << /S /URI /URI (https://example.org/carry) >> >>"));
    AddAnnot(pages[2], link);

    QPDFObjectHandle root = pdf.getRoot();
    root.replaceKey("/PageLabels", Parse("<< /Nums [0 << /S /r >> 2 << /S /D /P (A-) >>] >>"));
    root.replaceKey("/Lang", QPDFObjectHandle::newString(a ? "en-GB" : "de-DE"));
    root.replaceKey(
        "/Names",
        QPDFObjectHandle::newDictionary(
            {{"/EmbeddedFiles", QPDFObjectHandle::newDictionary(
                                    {{"/Names", QPDFObjectHandle::newArray(
                                                    {QPDFObjectHandle::newString("notes.txt"), spec})}})}}));
    QPDFObjectHandle config = a ? QPDFObjectHandle::newDictionary()
                                : Parse("<< /BaseState /OFF >>"); // only what /ON lists is shown
    if (!a)
        config.replaceKey("/ON", QPDFObjectHandle::newArray({grid}));
    config.replaceKey("/Order", QPDFObjectHandle::newArray({notes, grid}));
    root.replaceKey("/OCProperties",
                    QPDFObjectHandle::newDictionary(
                        {{"/OCGs", QPDFObjectHandle::newArray({notes, grid})}, {"/D", config}}));
    const std::string xmp =
        "<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
        "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
        "<rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" "
        "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" xmp:ModifyDate=\"2020-01-01T00:00:00Z\">"
        "<pdf:Producer>Fixture maker</pdf:Producer></rdf:Description>\n"
        "<rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">"
        "<pdfaid:part>2</pdfaid:part><pdfaid:conformance>B</pdfaid:conformance>"
        "</rdf:Description>\n</rdf:RDF></x:xmpmeta>\n<?xpacket end=\"w\"?>";
    QPDFObjectHandle metadata = QPDFObjectHandle::newStream(&pdf, xmp);
    metadata.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
    metadata.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
    root.replaceKey("/Metadata", metadata);
    pdf.getTrailer().replaceKey(
        "/Info",
        pdf.makeIndirectObject(Parse("<< /Title (Carry " + v +
                                     ") /Author (Plicora tests) /Subject (Carried items) /Keywords (carry) "
                                     "/Producer (Fixture maker) /ModDate (D:20200101000000Z) >>")));

    QPDFObjectHandle tree = pdf.makeIndirectObject(Parse("<< /Type /StructTreeRoot /ParentTreeNextKey 5 >>"));
    auto element = [&](const std::string& type, QPDFObjectHandle parent, int page) {
        QPDFObjectHandle e = pdf.makeIndirectObject(Parse("<< /Type /StructElem >>"));
        e.replaceKey("/S", QPDFObjectHandle::newName(type));
        e.replaceKey("/P", parent);
        if (page >= 0)
            e.replaceKey("/Pg", pages[static_cast<std::size_t>(page)]);
        return e;
    };
    QPDFObjectHandle document = element("/Document", tree, -1);
    QPDFObjectHandle heading = element("/Heading", document, 0);
    heading.replaceKey("/K", QPDFObjectHandle::newInteger(0));
    heading.replaceKey("/ID", QPDFObjectHandle::newString("h-1"));
    QPDFObjectHandle para = element("/P", document, 0);
    QPDFObjectHandle onTwo = Parse("<< /Type /MCR /MCID 0 >>");
    onTwo.replaceKey("/Pg", pages[1]);
    para.replaceKey("/K", QPDFObjectHandle::newArray({QPDFObjectHandle::newInteger(1), onTwo}));
    QPDFObjectHandle figure = element("/Figure", document, 1);
    figure.replaceKey("/K", QPDFObjectHandle::newInteger(1));
    figure.replaceKey("/Alt", QPDFObjectHandle::newString("A red square"));
    QPDFObjectHandle linkElement = element("/Link", document, 2);
    QPDFObjectHandle objr = Parse("<< /Type /OBJR >>");
    objr.replaceKey("/Obj", link);
    linkElement.replaceKey("/K", QPDFObjectHandle::newArray({QPDFObjectHandle::newInteger(0), objr}));
    QPDFObjectHandle span = element("/Span", document, 2);
    QPDFObjectHandle inForm = Parse("<< /Type /MCR /MCID 0 >>");
    inForm.replaceKey("/Stm", form);
    span.replaceKey("/K", inForm);
    document.replaceKey("/K", QPDFObjectHandle::newArray({heading, para, figure, linkElement, span}));
    tree.replaceKey("/K", document);
    tree.replaceKey(
        "/ParentTree",
        QPDFObjectHandle::newDictionary(
            {{"/Nums", QPDFObjectHandle::newArray(
                           {QPDFObjectHandle::newInteger(0), QPDFObjectHandle::newArray({heading, para}),
                            QPDFObjectHandle::newInteger(1), QPDFObjectHandle::newArray({para, figure}),
                            QPDFObjectHandle::newInteger(2), QPDFObjectHandle::newArray({linkElement}),
                            QPDFObjectHandle::newInteger(3), QPDFObjectHandle::newArray({span}),
                            QPDFObjectHandle::newInteger(4), linkElement})}}));
    tree.replaceKey("/RoleMap", QPDFObjectHandle::newDictionary(
                                    {{"/Heading", QPDFObjectHandle::newName(a ? "/H1" : "/H2")}}));
    tree.replaceKey("/IDTree", Parse("<< /Names [(h-1)] >>"));
    tree.getKey("/IDTree").getKey("/Names").appendItem(heading);
    root.replaceKey("/StructTreeRoot", tree);
    root.replaceKey("/MarkInfo", Parse("<< /Marked true >>"));
    QPDFWriter writer(pdf, path.c_str());
    writer.setMinimumPDFVersion("1.7");
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

TPdfFacts ReadPdfFacts(const std::string& path)
{
    TPdfFacts facts;
    const TRunResult run =
        RunProgram({"qpdf", "--json", "--json-key=pages", "--json-key=outlines", "--json-key=acroform",
                    "--json-key=attachments", "--json-key=qpdf", path});
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
    Item(doc, "attachments").forEachDictItem([&](const std::string& name, JSON value) {
        facts.Files.push_back(name + " -> " + Str(Item(value, "filespec")));
    });
    facts.Lang = Text(deref(Item(catalog, "/Lang")));
    Item(deref(Item(catalog, "/MarkInfo")), "/Marked").getBool(facts.Marked);
    deref(Item(deref(Item(catalog, "/StructTreeRoot")), "/RoleMap"))
        .forEachDictItem([&](const std::string& name, JSON value) { facts.RoleMap[name] = Str(value); });
    const JSON layers = deref(Item(catalog, "/OCProperties"));
    const JSON config = deref(Item(layers, "/D"));
    auto listed = [&](const char* key, const std::string& group) {
        for (const JSON& item : Items(deref(Item(config, key)))) {
            if (Str(item) == group)
                return true;
        }
        return false;
    };
    for (const JSON& group : Items(deref(Item(layers, "/OCGs")))) {
        const bool on = Str(Item(config, "/BaseState")) == "/OFF" ? listed("/ON", Str(group))
                                                                  : !listed("/OFF", Str(group));
        facts.Layers.push_back(Text(Item(deref(group), "/Name")) + (on ? " on" : " off"));
    }
    deref(Item(catalog, "/Dests")).forEachDictItem([&](const std::string& name, JSON value) {
        value = deref(value);
        facts.NamedDests[name] = destPage(Item(value, "/D").isNull() ? value : Item(value, "/D"));
    });

    for (const JSON& page : pages) {
        const std::string pos = Str(Item(page, "pageposfrom1"));
        const JSON dict = deref(Item(page, "object"));
        facts.Labels.push_back(LabelText(Item(page, "label")));
        for (JSON annot : Items(deref(Item(dict, "/Annots")))) {
            annot = deref(annot);
            if (Str(Item(annot, "/Subtype")) == "/FileAttachment")
                facts.Files.push_back("@" + pos + " -> " + Str(Item(annot, "/FS")));
        }
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

std::string MissingDocumentTools()
{
#ifdef _WIN32
    return "poppler's and pikepdf's tools are Linux programs";
#else
    for (const char* tool : {"pdfinfo", "pdftoppm"})
        if (!HaveProgram(tool))
            return std::string("needs the ") + tool + " command";
    if (RunProgram({PLICORA_PYTHON, "-c", "import pikepdf"}).ExitCode != 0)
        return std::string("needs pikepdf for ") + PLICORA_PYTHON;
    return {};
#endif
}

std::map<std::string, std::string> PdfInfo(const std::string& path)
{
    std::map<std::string, std::string> info;
    std::istringstream lines(RunProgram({"pdfinfo", "-isodates", path}).Out);
    for (std::string line; std::getline(lines, line);) {
        const auto colon = line.find(':');
        if (colon != std::string::npos)
            info[line.substr(0, colon)] = Trimmed(line.substr(colon + 1));
    }
    // Simple properties of the XMP packet: <prefix:Name>text</prefix:Name>, or
    // prefix:Name="text" in a description's tag.
    const std::string xmp = RunProgram({"pdfinfo", "-meta", path}).Out;
    for (std::size_t at = xmp.find('<'); at != std::string::npos; at = xmp.find('<', at + 1)) {
        const std::size_t end = xmp.find('>', at);
        const std::size_t close = end == std::string::npos ? end : xmp.find("</", end);
        if (close == std::string::npos)
            break;
        const std::string name = xmp.substr(at + 1, end - at - 1);
        if (name.find_first_of(" /=?!") == std::string::npos &&
            xmp.compare(close + 2, name.size(), name) == 0)
            info["XMP:" + name] = xmp.substr(end + 1, close - end - 1);
    }
    for (std::size_t eq = xmp.find("=\""); eq != std::string::npos; eq = xmp.find("=\"", eq + 1)) {
        const std::size_t begin = xmp.find_last_of(" \t\r\n", eq) + 1;
        const std::string name = xmp.substr(begin, eq - begin);
        if (name.find(':') != std::string::npos && name.rfind("xmlns:", 0) != 0 && name.rfind("rdf:", 0) != 0)
            info["XMP:" + name] = xmp.substr(eq + 2, xmp.find('"', eq + 2) - eq - 2);
    }
    return info;
}

std::vector<std::string> StructureText(const std::string& path)
{
    std::vector<std::string> lines;
    std::istringstream out(RunProgram({"pdfinfo", "-struct-text", path}).Out);
    for (std::string line; std::getline(out, line);) {
        const auto object = line.find("Object ");
        lines.push_back(object == std::string::npos ? line : line.substr(0, object) + "Object");
    }
    return lines;
}

std::vector<std::string> TagCheck(const std::string& path)
{
    std::vector<std::string> lines;
    std::istringstream out(RunProgram({PLICORA_PYTHON, PLICORA_CHECK_TAGS, path}).Out);
    for (std::string line; std::getline(out, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> PageImages(const std::string& path)
{
    const TempDir dir;
    if (RunProgram({"pdftoppm", "-r", "50", "-hide-annotations", path, dir.str() + "page"}).ExitCode != 0)
        return {};
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end()); // page-01.ppm ...: pdftoppm pads the numbers
    std::vector<std::string> images;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        images.push_back(std::to_string(bytes.size()) + ":" +
                         std::to_string(std::hash<std::string>()(bytes)));
    }
    return images;
}
