// The platform layer as the rest of the core relies on it: where a path's root
// and last folder end on each system, names outside any one code page, and (on
// Windows) where the Ghostscript library is looked for.
#include "engines/gsbinding.h"
#include "output/folders.h"
#include "output/safeoutput.h"
#include "platform/platform.h"
#include "text/filenames.h"
#include "util/testtools.h"

#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <thread>
#ifdef __linux__
#include <sched.h>
#endif

#ifdef _WIN32
#include <windows.h>
#endif

using namespace testutil;

namespace {

struct PathCase
{
    const char* Path;
    std::size_t Root;
    const char* Folder;
    const char* Name;
};
void PrintTo(const PathCase& c, std::ostream* os)
{
    *os << c.Path;
}

class PathPartsTest : public testing::TestWithParam<PathCase>
{
};
TEST_P(PathPartsTest, RootFolderAndName)
{
    const PathCase& c = GetParam();
    EXPECT_EQ(plat::rootLength(c.Path), c.Root);
    EXPECT_EQ(ExtractFilePath(c.Path), c.Folder);
    EXPECT_EQ(ExtractFileName(c.Path), c.Name);
}
const PathCase PathCases[] = {
#ifdef _WIN32
    {"C:\\Users\\me\\a.pdf", 3, "C:\\Users\\me\\", "a.pdf"},
    // Qt's dialogs and drops hand over '/'
    {"c:/Users/me/a.pdf", 3, "c:/Users/me/", "a.pdf"},
    {"C:\\mixed/sep\\b.pdf", 3, "C:\\mixed/sep\\", "b.pdf"},
    {"\\\\server\\share\\dir\\a.pdf", 15, "\\\\server\\share\\dir\\", "a.pdf"},
    {"//server/share/a.pdf", 15, "//server/share/", "a.pdf"},
    {"\\\\?\\C:\\long\\a.pdf", 7, "\\\\?\\C:\\long\\", "a.pdf"},
    // relative to a drive's or the current folder
    {"C:a.pdf", 0, "C:", "a.pdf"},
    {"\\top\\a.pdf", 0, "\\top\\", "a.pdf"},
    {"dir\\a.pdf", 0, "dir\\", "a.pdf"},
    {"a.pdf", 0, "", "a.pdf"}
#else
    {"/home/me/a.pdf", 1, "/home/me/", "a.pdf"},
    // a backslash is part of a name here
    {"/home/me\\a.pdf", 1, "/home/", "me\\a.pdf"},
    {"C:/a.pdf", 0, "C:/", "a.pdf"},
    {"dir/a.pdf", 0, "dir/", "a.pdf"},
    {"a.pdf", 0, "", "a.pdf"}
#endif
};
INSTANTIATE_TEST_SUITE_P(ThisSystem, PathPartsTest, testing::ValuesIn(PathCases));

TEST(FolderChain, MadeUnderAnAbsoluteRootWithEitherSeparator)
{
    TempDir dir;
    const std::string base = plat::fsText(dir.path());
#ifdef _WIN32
    const std::string wanted = base + "\\one/two\\three";
#else
    const std::string wanted = base + "/one/two/three";
#endif
    ASSERT_TRUE(CreateFolderChain(wanted));
    EXPECT_TRUE(plat::isDirectory(wanted));
    EXPECT_FALSE(CreateFolderChain("relative/folder"));
    EXPECT_FALSE(plat::pathExists("relative"));
}

// Names that no single ANSI code page holds: Chinese, Greek and a letter outside
// the Basic Multilingual Plane (a surrogate pair in UTF-16).
TEST(WideNames, EveryFileCallReachesTheSameFile)
{
    TempDir dir;
    const std::string folder = plat::fsText(dir.path()) + plat::PathSeparator + "文件夹 Ωmega 𝄞";
    ASSERT_EQ(plat::createNewFolder(folder), 0);
    ASSERT_TRUE(plat::isDirectory(folder));
    const std::string name = folder + plat::PathSeparator + "文档 (1) %d.pdf";
    ASSERT_EQ(plat::createNewFile(name), 0);
    EXPECT_TRUE(plat::nameExists(name));
    {
        std::ofstream out(plat::fsPath(name), std::ios::binary);
        out << "%PDF-1.4 body";
    }
    EXPECT_EQ(plat::fileSize(name), 13u);
    {
        const plat::ReadOnlyFile file(name);
        ASSERT_TRUE(file.isOpen()) << plat::errorText(file.error());
        char head[8] = {};
        EXPECT_EQ(file.readAt(0, head, 8), 8);
        EXPECT_EQ(std::string(head, 8), "%PDF-1.4");
    }
    std::FILE* c = plat::openFile(name, "rb");
    ASSERT_NE(c, nullptr);
    std::fclose(c);

    const std::string moved = folder + plat::PathSeparator + "Ωmega.pdf";
    ASSERT_EQ(plat::replaceFile(name, moved), 0);
    EXPECT_FALSE(plat::nameExists(name));
    EXPECT_EQ(plat::fileIdentity(moved).has_value(), true);
    EXPECT_EQ(ExtractFileName(moved), "Ωmega.pdf");
    EXPECT_EQ(plat::fsText(plat::fsPath(moved)), moved);

    EXPECT_TRUE(plat::removeTree(folder));
    EXPECT_FALSE(plat::nameExists(folder));
}

TEST(WideNames, EnvironmentKeepsTheText)
{
    const std::string value = "C:\\Temp\\文档 Ωmega";
    plat::setEnv("PLICORA_TEST_WIDE", value);
    EXPECT_EQ(plat::getEnv("PLICORA_TEST_WIDE"), value);
    plat::setEnv("PLICORA_TEST_WIDE", "");
    EXPECT_EQ(plat::getEnv("PLICORA_TEST_WIDE"), "");
}

#ifdef __linux__
// A process kept to one core (taskset, a container) is told one, whatever the
// machine has: a second thread there would only share it.
TEST(UsableCores, FollowTheAffinity)
{
    unsigned seen = 0;
    std::thread([&] {
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(static_cast<int>(sched_getcpu()), &one);
        if (sched_setaffinity(0, sizeof one, &one) == 0)
            seen = plat::usableCores();
    }).join();
    EXPECT_EQ(seen, 1U);
    EXPECT_GE(plat::usableCores(), 1U);
}
#endif

#ifdef _WIN32

// A user name with accents is part of TEMP; Ghostscript's temporary folder needs
// a plain name, which the folder's short name is.
TEST(TempFolder, APlainShortNameStandsForATempWithAccents)
{
    TempDir dir;
    const std::string accented = plat::fsText(dir.path()) + "\\Jos\xC3\xA9 文档";
    ASSERT_EQ(plat::createNewFolder(accented), 0);
    const std::string saved = plat::getEnv("TEMP");
    plat::setEnv("TEMP", accented);
    const std::string chosen = SystemTempFolder();
    plat::setEnv("TEMP", saved);
    if (plat::shortPathName(accented) == accented)
        GTEST_SKIP() << "this volume keeps no short names";
    EXPECT_TRUE(ResolvesToSameFile(chosen, accented)) << chosen;
    for (const char c : chosen)
        EXPECT_TRUE(c >= 0x20 && c < 0x7F) << chosen;
}

TEST(GhostscriptLibraryName, MatchesTheProgramsWidth)
{
    EXPECT_STREQ(GS_DLL_FILE_NAME, sizeof(void*) == 8 ? "gsdll64.dll" : "gsdll32.dll");
}

// Writes the installer's keys under HKEY_LOCAL_MACHINE (Wine's registry, or a
// Windows where the test runs as an administrator) and removes them afterwards.
class GhostscriptRegistry : public testing::Test
{
protected:
    void SetUp() override
    {
        m_savedEnv = plat::getEnv("GS_DLL");
        plat::setEnv("GS_DLL", "");
        for (const wchar_t* key : {L"Software\\GPL Ghostscript\\9.04", L"Software\\GS\\9.04"})
            if (keyExists(key))
                GTEST_SKIP() << "a Ghostscript 9.04 installation's key is present";
        HKEY probe = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\GPL Ghostscript\\plicora-probe", 0, nullptr, 0,
                            KEY_WRITE, nullptr, &probe, nullptr) != ERROR_SUCCESS)
            GTEST_SKIP() << "HKEY_LOCAL_MACHINE is not writable here (not an administrator)";
        RegCloseKey(probe);
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, L"Software\\GPL Ghostscript\\plicora-probe");
    }
    void TearDown() override
    {
        for (const std::wstring& key : m_made)
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
        // the makers' keys too, unless something else is under them
        for (const wchar_t* maker : {L"Software\\GPL Ghostscript", L"Software\\GS"})
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, maker);
        plat::setEnv("GS_DLL", m_savedEnv);
    }
    void install(const std::wstring& key, const std::wstring& dll)
    {
        HKEY h = nullptr;
        ASSERT_EQ(
            RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr),
            ERROR_SUCCESS);
        RegSetValueExW(h, L"GS_DLL", 0, REG_SZ, reinterpret_cast<const BYTE*>(dll.c_str()),
                       static_cast<DWORD>((dll.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(h);
        m_made.insert(m_made.begin(), key); // removed newest first
    }
    static bool keyExists(const wchar_t* key)
    {
        HKEY h = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &h) != ERROR_SUCCESS)
            return false;
        RegCloseKey(h);
        return true;
    }

private:
    std::string m_savedEnv;
    std::vector<std::wstring> m_made;
};

TEST_F(GhostscriptRegistry, NewestInstalledVersionWhenThe904KeysAreAbsent)
{
    install(L"Software\\GPL Ghostscript\\9.56.1", L"C:\\gs\\gs9.56.1\\bin\\gsdll64.dll");
    install(L"Software\\GPL Ghostscript\\10.02.1", L"C:\\gs\\gs10.02.1\\bin\\gsdll64.dll");
    install(L"Software\\GPL Ghostscript\\10.0.0", L"C:\\gs\\gs10.0.0\\bin");
    EXPECT_EQ(Get_GS_Dll_Path(), "C:\\gs\\gs10.02.1\\bin\\gsdll64.dll");

    // the 9.04 key, when there, is read first as before
    install(L"Software\\GS\\9.04", L"D:\\Ghostscript 文档\\bin");
    EXPECT_EQ(Get_GS_Dll_Path(), "D:\\Ghostscript 文档\\bin\\gsdll64.dll");

    // and GS_DLL comes before both
    plat::setEnv("GS_DLL", "E:\\own\\gsdll64.dll");
    EXPECT_EQ(Get_GS_Dll_Path(), "E:\\own\\gsdll64.dll");
}

TEST_F(GhostscriptRegistry, NoKeyLeavesTheBareName)
{
    EXPECT_EQ(Get_GS_Dll_Path(), "gsdll64.dll");
}

#endif

} // namespace
