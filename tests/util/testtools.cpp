// The parts of the test tools every platform shares; running programs and the
// PDF tools themselves live in testtools_posix.cpp and testtools_win32.cpp.
#include "testtools.h"

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

} // namespace testutil
