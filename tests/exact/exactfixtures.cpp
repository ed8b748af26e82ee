#include "exactfixtures.h"

#include "util/testtools.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <qpdf/JSON.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>
#include <sstream>

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

// A page label as a viewer shows it, from qpdf's label for that very page
// (decimal and lower-case roman numbers are enough here).
std::string LabelText(const JSON& label)
{
    const std::string start = Str(Item(label, "/St"));
    int n = start.empty() ? 1 : std::stoi(start);
    std::string number = Str(Item(label, "/S")) == "/D" ? std::to_string(n) : "";
    for (const auto& [value, roman] : {std::pair{10, "x"}, {9, "ix"}, {5, "v"}, {4, "iv"}, {1, "i"}}) {
        for (; Str(Item(label, "/S")) == "/r" && n >= value; n -= value)
            number += roman;
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
    const std::string v(1, variant);
    auto stream = [](const std::string& dict, const std::string& data) {
        return "<< " + dict + " /Length " + std::to_string(data.size()) + " >> stream\n" + data +
               "\nendstream";
    };
    const std::string xmp =
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
        "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
        "<rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" "
        "xmlns:xmp=\"http://ns.adobe.com/"
        "xap/1.0/\" xmp:ModifyDate=\"2020-01-01T00:00:00Z\"><pdf:Producer>Fixture maker</pdf:Producer>"
        "</rdf:Description><rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">"
        "<pdfaid:part>2</pdfaid:part></rdf:Description></rdf:RDF></x:xmpmeta>";
    // Objects 1 to 25 in order; the cross-reference table is qpdf's to make.
    const std::vector<std::string> objects = {
        "<< /Type /Catalog /Pages 2 0 R /Lang (" + std::string(variant == 'A' ? "en-GB" : "de-DE") +
            ") /PageLabels << /Nums [0 << /S /r >> 2 << /S /D /P (A-) >>] >> "
            "/Names << /EmbeddedFiles << /Names [(notes.txt) 9 0 R] >> >> /Metadata 10 0 R "
            "/OCProperties << /OCGs [5 0 R 6 0 R] /D << /Order [5 0 R 6 0 R] " +
            (variant == 'A' ? "" : "/BaseState /OFF /ON [6 0 R] ") +
            ">> >> /StructTreeRoot 11 0 R /MarkInfo << /Marked true >> >>",
        "<< /Type /Pages /Kids [20 0 R 21 0 R 22 0 R] /Count 3 >>",
        "<< /Font << /F1 4 0 R >> /Properties << /Notes 5 0 R /Grid 6 0 R >> /XObject << /Fm1 7 0 R >> >>",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
        "<< /Type /OCG /Name (Notes) >>",
        "<< /Type /OCG /Name (Grid) >>",
        stream("/Type /XObject /Subtype /Form /BBox [0 0 612 792] /StructParents 3 /Resources << /Font << "
               "/F1 4 0 R "
               ">> >>",
               "/Span << /MCID 0 >> BDC BT /F1 12 Tf 72 600 Td (Text in a form " + v + ") Tj ET EMC"),
        stream("/Type /EmbeddedFile", v + " notes"),
        "<< /Type /Filespec /F (notes.txt) /UF (notes.txt) /EF << /F 8 0 R >> >>",
        stream("/Type /Metadata /Subtype /XML", xmp),
        std::string("<< /Type /StructTreeRoot /K 12 0 R /ParentTreeNextKey 5 /ParentTree << /Nums [0 [13 0 R "
                    "14 0 R] 1 [14 0 R 15 0 R] 2 [16 0 R] 3 [17 0 R] 4 16 0 R] >> /RoleMap << /Heading /H") +
            (variant == 'A' ? "1" : "2") + " >> /IDTree << /Names [(h-1) 13 0 R] >> >>",
        "<< /Type /StructElem /S /Document /P 11 0 R /K [13 0 R 14 0 R 15 0 R 16 0 R 17 0 R] >>",
        "<< /Type /StructElem /S /Heading /P 12 0 R /Pg 20 0 R /K 0 /ID (h-1) >>",
        "<< /Type /StructElem /S /P /P 12 0 R /Pg 20 0 R /K [1 << /Type /MCR /Pg 21 0 R /MCID 0 >>] >>",
        "<< /Type /StructElem /S /Figure /P 12 0 R /Pg 21 0 R /K 1 /Alt (A red square) >>",
        "<< /Type /StructElem /S /Link /P 12 0 R /Pg 22 0 R /K [0 << /Type /OBJR /Obj 19 0 R >>] >>",
        "<< /Type /StructElem /S /Span /P 12 0 R /Pg 22 0 R /K << /Type /MCR /Stm 7 0 R /MCID 0 >> >>",
        "<< /Type /Annot /Subtype /FileAttachment /Rect [300 700 320 720] /FS 9 0 R /Contents (notes) >>",
        "<< /Type /Annot /Subtype /Link /Rect [72 695 300 715] /StructParent 4 /A << /S /URI /URI "
        "(https://example.org/carry) >> >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources 3 0 R /Contents 23 0 R "
        "/StructParents 0 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources 3 0 R /Contents 24 0 R "
        "/StructParents 1 "
        "/Annots [18 0 R] >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources 3 0 R /Contents 25 0 R "
        "/StructParents 2 "
        "/Annots [19 0 R] >>",
        stream("",
               "/H1 << /MCID 0 >> BDC BT /F1 24 Tf 72 700 Td (Heading " + v +
                   ") Tj ET EMC /P << /MCID 1 >> BDC BT /F1 12 Tf 72 650 Td (A paragraph begins) Tj ET EMC "
                   "/OC /Notes BDC 0 0 1 rg 72 400 200 100 re f EMC"),
        stream(
            "",
            "/P << /MCID 0 >> BDC BT /F1 12 Tf 72 700 Td (and ends on page two) Tj ET EMC /Figure << /MCID "
            "1 >> BDC 1 0 0 rg 72 500 100 100 re f EMC /OC /Grid BDC 0 1 0 RG 4 w 50 50 m 500 300 l S EMC"),
        stream("", "/Link << /MCID 0 >> BDC BT /F1 12 Tf 72 700 Td (A link to the web) Tj ET EMC /Fm1 Do"),
        "<< /Title (Carry " + v + ") /Author (Plicora tests) /Subject (Carried items) /Keywords (carry) >>"};
    std::string text = "%PDF-1.7\n";
    for (std::size_t i = 0; i < objects.size(); ++i)
        text += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    text += "trailer << /Size 27 /Root 1 0 R /Info 26 0 R >>\n%%EOF\n";
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile("carry", text.data(), text.size());
        QPDFWriter writer(pdf, path.c_str());
        writer.write();
        return pdf.getAllPages().size() == 3;
    } catch (const std::exception&) {
        return false;
    }
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
    std::map<std::string, std::string> attachments; // filespec -> name
    Item(doc, "attachments").forEachDictItem([&](const std::string& name, JSON value) {
        attachments[Str(Item(value, "filespec"))] = name;
        facts.Files.push_back(name + ": " + RunProgram({"qpdf", "--show-attachment=" + name, path}).Out);
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
                facts.Files.push_back("@" + pos + " -> " + attachments[Str(Item(annot, "/FS"))]);
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
    info["XMP"] = RunProgram({"pdfinfo", "-meta", path}).Out;
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

} // namespace testutil
