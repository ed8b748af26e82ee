// Shared helpers of the Ghostscript bridge tests: merge-list rows, a recording
// notice sink, the stub library's control functions, and what a job leaves in
// an output folder.
#pragma once

#include "engines/gsbinding.h"
#include "job/job.h"
#include "job/jobinputs.h"
#include "platform/platform.h"
#include "util/testtools.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <mutex>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace gstest {

struct Notice
{
    std::intptr_t w;
    std::intptr_t l;
    bool operator==(const Notice&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Notice& n)
{
    const char* name = n.l == GSN_TOTAL   ? "TOTAL"
                       : n.l == GSN_DONE  ? "DONE"
                       : n.l == GSN_PAGE  ? "PAGE"
                       : n.l == GSN_PIECE ? "PIECE"
                                          : "?";
    return os << name << "(" << n.w << ")";
}

inline Notice Total(std::intptr_t w)
{
    return {w, GSN_TOTAL};
}
inline Notice Done(std::intptr_t w)
{
    return {w, GSN_DONE};
}
inline Notice Page(std::intptr_t w)
{
    return {w, GSN_PAGE};
}
inline Notice Piece(std::intptr_t w)
{
    return {w, GSN_PIECE};
}

class RecordingSink : public IGsNotifySink
{
public:
    void PostNotify(std::intptr_t wParam, std::intptr_t lParam) noexcept override
    {
        std::lock_guard lock(m_mutex);
        m_notices.push_back({wParam, lParam});
    }
    std::vector<Notice> Notices() const
    {
        std::lock_guard lock(m_mutex);
        return m_notices;
    }
    // Only the notices of the given kinds, in order.
    std::vector<Notice> Only(std::initializer_list<std::intptr_t> kinds) const
    {
        std::vector<Notice> result;
        for (const Notice& n : Notices())
            for (auto k : kinds)
                if (n.l == k)
                    result.push_back(n);
        return result;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<Notice> m_notices;
};

// A merge-list row of a file and its page count, as counted before the job
// (no stamp: the job reads the file again).
inline TMergeListRow Row(std::int32_t pages, const std::string& path)
{
    return {path, pages, 1024};
}

// The stub Ghostscript library, held open by the test so that its recorded state
// survives the job's own load and unload of it.
class StubGs
{
public:
    explicit StubGs(const std::string& path) : Path(path), m_handle(plat::openLibrary(path))
    {
        if (m_handle)
            Reset();
    }
    ~StubGs()
    {
        if (m_handle)
            plat::closeLibrary(m_handle);
    }
    StubGs(const StubGs&) = delete;
    StubGs& operator=(const StubGs&) = delete;

    bool Ok() const { return m_handle != nullptr; }
    void Reset() { Fn<void (*)()>("stub_reset")(); }
    void SetCodes(int newInstance, int setStdio, int exitCode)
    {
        Fn<void (*)(int, int, int)>("stub_set_codes")(newInstance, setStdio, exitCode);
    }
    void FailInitAt(int index, int code) { Fn<void (*)(int, int)>("stub_fail_init_at")(index, code); }
    void AddChunk(int stream, const std::string& text)
    {
        Fn<void (*)(int, const char*, int)>("stub_add_chunk")(stream, text.data(),
                                                              static_cast<int>(text.size()));
    }
    void PageReports(bool on) { Fn<void (*)(int)>("stub_set_page_reports")(on ? 1 : 0); }
    void ExtraPages(int pages) { Fn<void (*)(int)>("stub_set_extra_pages")(pages); }
    // Runs write a damaged cross-reference table, as pdfwrite sometimes does.
    void Damaged(bool on) { Fn<void (*)(int)>("stub_set_damaged")(on ? 1 : 0); }
    // The stub's own PDF writer (blank pages) and page counter (-1: unreadable).
    bool WritePdf(const std::string& path, int pages)
    {
        return Fn<int (*)(const char*, int)>("stub_write_pdf")(path.c_str(), pages) == 0;
    }
    int CountPages(const std::string& path)
    {
        return Fn<int (*)(const char*)>("stub_count_pages")(path.c_str());
    }
    int InitCount() { return Fn<int (*)()>("stub_init_count")(); }
    int LiveInstances() { return Fn<int (*)()>("stub_live_instances")(); }
    std::vector<std::string> Args(int call)
    {
        auto fn = Fn<int (*)(int, char*, int)>("stub_call_args");
        const int n = fn(call, nullptr, 0);
        if (n < 0)
            return {};
        std::string buf(static_cast<std::size_t>(n) + 1, '\0');
        fn(call, buf.data(), n + 1);
        buf.resize(static_cast<std::size_t>(n));
        std::vector<std::string> args;
        for (std::size_t at = 0, nl; (nl = buf.find('\n', at)) != std::string::npos; at = nl + 1)
            args.push_back(buf.substr(at, nl - at));
        return args;
    }
    std::string Log()
    {
        auto fn = Fn<int (*)(char*, int)>("stub_log");
        std::string buf(static_cast<std::size_t>(fn(nullptr, 0)) + 1, '\0');
        fn(buf.data(), static_cast<int>(buf.size()));
        buf.resize(buf.size() - 1);
        return buf;
    }

    std::string Path;

private:
    template <typename F> F Fn(const char* name)
    {
        auto f = reinterpret_cast<F>(plat::librarySymbol(m_handle, name));
        if (!f)
            throw std::runtime_error(std::string("stub lacks ") + name);
        return f;
    }
    void* m_handle;
};

// Every name in a folder, hidden ones included, sorted: a temporary left behind
// shows up here.
inline std::vector<std::string> Listing(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(testutil::Utf8(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

// An output switch that names a job's temporary: ".plicora-" with six letters or
// digits and ".pdf", in folder (given with its trailing "/"), every "%" doubled.
inline testing::AssertionResult NamesTemporaryIn(const std::string& outputSwitch, const std::string& folder)
{
    const std::string prefix = "-sOutputFile=";
    if (outputSwitch.rfind(prefix, 0) != 0)
        return testing::AssertionFailure() << outputSwitch << " is no output switch";
    std::string path;
    for (std::size_t i = prefix.size(); i < outputSwitch.size(); ++i) {
        if (outputSwitch[i] == '%' && (i + 1 == outputSwitch.size() || outputSwitch[++i] != '%'))
            return testing::AssertionFailure() << outputSwitch << " has a single %";
        path += outputSwitch[i];
    }
    const std::filesystem::path p = testutil::U8(path);
    // Either separator may end a folder on Windows.
    if (p.parent_path() != testutil::U8(folder).parent_path())
        return testing::AssertionFailure() << path << " is not in " << folder;
    if (!std::regex_match(p.filename().string(), std::regex(R"(\.plicora-[a-z0-9]{6}\.pdf)")))
        return testing::AssertionFailure() << path << " is not a temporary's name";
    return testing::AssertionSuccess();
}

// Why the end-to-end tests cannot run with the real library here ("" when they
// can): the checker programs or the library are missing (under Wine: the gs
// command always, being a Linux program).
inline std::string RealGhostscriptMissing()
{
    if (!testutil::HaveProgram("gs") || !testutil::HaveProgram("qpdf") || !testutil::HaveProgram("pdftotext"))
        return "gs, qpdf or pdftotext missing";
    void* lib = plat::openLibrary(GS_DLL_FILE_NAME);
    if (!lib)
        return std::string(GS_DLL_FILE_NAME) + " missing";
    plat::closeLibrary(lib);
    return {};
}

} // namespace gstest
