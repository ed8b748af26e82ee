// The parts of the test tools every platform shares; running programs and the
// PDF tools themselves live in testtools_posix.cpp and testtools_win32.cpp.
#include "testtools.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <ostream>
#include <random>
#include <stdexcept>

namespace testutil {

void PrintTo(const TextCase& c, std::ostream* os)
{
    *os << '"' << c.In << '"';
}

std::filesystem::path U8(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string TestFixture(const std::string& name)
{
    const char* folder = std::getenv("PLICORA_TEST_FIXTURES");
    if (!folder || !*folder)
        return {};
    const std::filesystem::path path = U8(folder) / U8(name);
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) ? Utf8(path) : std::string();
}

bool MakeTestPdf(const std::string& path, const std::vector<std::string>& pageTexts)
{
    static std::mutex lock;
    static const TempDir made;
    static std::map<std::vector<std::string>, std::string> copies;
    const std::lock_guard guard(lock);
    auto it = copies.find(pageTexts);
    if (it == copies.end()) {
        const std::string copy = made.str() + std::to_string(copies.size()) + ".pdf";
        if (!WriteTestPdf(copy, pageTexts))
            return WriteTestPdf(path, pageTexts); // fails the same way, for the caller's path
        it = copies.emplace(pageTexts, copy).first;
    }
    // Written as a new program would write it: std::filesystem::copy_file takes
    // any two files for the same one on Windows (no inode numbers).
    std::ifstream in(U8(it->second), std::ios::binary);
    std::ofstream out(U8(path), std::ios::binary | std::ios::trunc);
    out << in.rdbuf();
    return in && out.flush().good();
}

bool MakeTestPdf(const std::string& path, int pages, const std::string& before, const std::string& after)
{
    std::vector<std::string> texts;
    for (int n = 1; n <= pages; ++n)
        texts.push_back(before + std::to_string(n) + after);
    return MakeTestPdf(path, texts);
}

bool MakeEncryptedPdf(const std::string& source, const std::string& path)
{
    return RunProgram({"qpdf", "--encrypt", "user", "owner", "256", "--", source, path}).ExitCode == 0;
}

int PdfPageCount(const std::string& path)
{
    const TRunResult r = RunProgram({"qpdf", "--show-npages", path});
    return r.ExitCode == 0 ? std::atoi(r.Out.c_str()) : -1;
}

std::vector<std::string> PdfPageTexts(const std::string& path)
{
    std::vector<std::string> texts;
    for (int page = 1, pages = PdfPageCount(path); page <= pages; ++page)
        texts.push_back(PdfPageText(path, page));
    return texts;
}

TempDir::TempDir()
{
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto p = std::filesystem::temp_directory_path() / ("plicora-test-" + std::to_string(rd()));
        if (std::filesystem::create_directory(p)) {
            m_path = p;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

std::string TempDir::str() const
{
    return Utf8(m_path) + static_cast<char>(std::filesystem::path::preferred_separator);
}

std::string TempDir::write(const std::string& name, const std::string& bytes) const
{
    const auto p = m_path / U8(name);
    std::ofstream(p, std::ios::binary) << bytes;
    return Utf8(p);
}

std::string LiteralString(const std::string& text)
{
    std::string escaped = "(";
    for (const char c : text) {
        if (c == '(' || c == ')' || c == '\\')
            escaped += '\\';
        escaped += c;
    }
    return escaped + ")";
}

std::string Trimmed(const std::string& text)
{
    const auto b = text.find_first_not_of(" \t\r\n\f");
    const auto e = text.find_last_not_of(" \t\r\n\f");
    return b == std::string::npos ? std::string() : text.substr(b, e - b + 1);
}

std::string HostilePdf(THostile kind, int depth)
{
    // Object n is objects[n - 1]; 1 catalog, 2 page-tree root, 3 and 4 the pages.
    std::vector<std::string> objects{"", "", "", ""};
    const auto ref = [](std::size_t n) { return std::to_string(n) + " 0 R"; };
    const auto add = [&](const std::string& body) {
        objects.push_back(body);
        return objects.size();
    };
    const std::string page = "/Type /Page /MediaBox [0 0 200 200] /Parent ";
    std::string catalog = "<< /Type /Catalog /Pages 2 0 R";
    std::string page1 = "<< " + page + "2 0 R", rootKids = "3 0 R 4 0 R";
    std::size_t page2Parent = 2;
    const std::size_t first = objects.size() + 1; // the first added object
    const bool nested = kind != THostile::PageTreeLoop && kind != THostile::OutlineLoop;
    for (int i = 0; nested && i < depth; ++i) {
        const std::string up = i == 0 ? "" : " /Parent " + ref(first + i - 1);
        const std::string down = i + 1 < depth ? ref(first + i + 1) : "";
        switch (kind) {
        case THostile::PageTree:
            add("<< /Type /Pages /Count 1 /Kids [" + (down.empty() ? "4 0 R" : down) + "]" +
                (i == 0 ? " /Parent 2 0 R" : up) + " >>");
            break;
        case THostile::Fields:
            add("<< /T (f" + std::to_string(i) + ") /Kids [" + (down.empty() ? ref(first + depth) : down) +
                "]" + up + " >>");
            break;
        case THostile::NameTree:
            add(down.empty() ? "<< /Names [(a) [3 0 R /Fit]] /Limits [(a) (a)] >>"
                             : "<< /Kids [" + down + "]" + (i == 0 ? "" : " /Limits [(a) (a)]") + " >>");
            break;
        case THostile::Outlines:
            add("<< " + (i == 0 ? std::string("/Type /Outlines") : "/Title (b) /Dest [3 0 R /Fit]" + up) +
                (down.empty() ? "" : " /First " + down + " /Last " + down + " /Count 1") + " >>");
            break;
        case THostile::PageTreeLoop:
        case THostile::OutlineLoop:
            break;
        }
    }
    switch (kind) {
    case THostile::PageTree:
        rootKids = "3 0 R " + ref(first);
        page2Parent = first + depth - 1;
        break;
    case THostile::Fields: {
        const std::size_t widget =
            add("<< /Type /Annot /Subtype /Widget /FT /Tx /Rect [10 10 100 30] /P 3 0 R "
                "/Parent " +
                ref(first + depth - 1) + " >>");
        catalog += " /AcroForm << /Fields [" + ref(first) + "] >>";
        page1 += " /Annots [" + ref(widget) + "]";
        break;
    }
    case THostile::NameTree:
        catalog += " /Names << /Dests " + ref(first) + " >>";
        break;
    case THostile::Outlines:
        catalog += " /Outlines " + ref(first);
        break;
    case THostile::PageTreeLoop:
        rootKids = "3 0 R " + ref(add("<< /Type /Pages /Count 1 /Parent 2 0 R /Kids [2 0 R] >>"));
        break;
    case THostile::OutlineLoop: // 5 the root, 6 the first bookmark, 7 its kid
        add("<< /Type /Outlines /First 6 0 R /Last 6 0 R >>");
        add("<< /Title (a) /Parent 5 0 R /First 7 0 R /Last 7 0 R /Dest [3 0 R /Fit] >>");
        add("<< /Title (b) /Parent 6 0 R /Next 7 0 R /Dest [4 0 R /Fit] >>");
        catalog += " /Outlines 5 0 R";
        break;
    }
    objects[0] = catalog + " >>";
    objects[1] = "<< /Type /Pages /Count 2 /Kids [" + rootKids + "] >>";
    objects[2] = page1 + " >>";
    objects[3] = "<< " + page + ref(page2Parent) + " >>";
    return BuildPdf(objects);
}

std::string Padded(std::size_t offset)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%010zu", offset);
    return buf;
}

std::string BuildPdf(const std::vector<std::string>& objects, const std::string& eol)
{
    std::string pdf = "%PDF-1.4" + eol;
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj" + eol + objects[i] + eol + "endobj" + eol;
    }
    const std::size_t xref = pdf.size();
    pdf += "xref" + eol + "0 " + std::to_string(objects.size() + 1) + eol;
    // Entries are 20 bytes whatever the line end.
    const std::string end = eol == "\r\n" ? "\r\n" : " " + eol;
    pdf += "0000000000 65535 f" + end;
    for (const std::size_t at : offsets)
        pdf += Padded(at) + " 00000 n" + end;
    pdf += "trailer" + eol + "<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R >>" + eol +
           "startxref" + eol + std::to_string(xref) + eol + "%%EOF" + eol;
    return pdf;
}

} // namespace testutil
