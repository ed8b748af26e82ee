// A stand-in for the Ghostscript library: exports the gsapi functions a job uses,
// records every call and argument vector, and answers with codes and output
// chunks the test configures through the stub_* functions. It behaves like
// Ghostscript 10 where the job depends on it: one init per instance, and a run
// that succeeds writes a real PDF (blank pages, by libqpdf) to the -sOutputFile
// name: pages first..last of a split run, or all the inputs' pages of a merge.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <ghostscript/iapi.h>
#include <iterator>
#include <mutex>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#define STUB_EXPORT extern "C" __declspec(dllexport)
#else
#define STUB_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

struct Instance
{
    void* caller = nullptr;
    int(GSDLLCALLPTR out)(void*, const char*, int) = nullptr;
    int(GSDLLCALLPTR err)(void*, const char*, int) = nullptr;
    bool initCalled = false;
    bool utf8Args = false; // gsapi_set_arg_encoding(GS_ARG_ENCODING_UTF8)
};

struct State
{
    std::mutex mutex;
    int newInstanceCode = 0;
    int setStdioCode = 0;
    int exitCode = 0;
    int failInitAt = -1;
    int failInitCode = -1;
    bool pageReports = false;
    int extraPages = 0;   // added to what a run should write
    bool damaged = false; // the last cross-reference entry written wrong
    std::vector<std::pair<int, std::string>> chunks;
    std::vector<std::vector<std::string>> calls;
    std::string log;
    int live = 0;
};

State& state()
{
    static State s;
    return s;
}

int pageSwitch(const std::vector<std::string>& args, const char* prefix)
{
    for (const std::string& a : args)
        if (a.rfind(prefix, 0) == 0)
            return std::atoi(a.c_str() + std::strlen(prefix));
    return 0;
}

// A PDF of `pages` blank pages; false when it cannot be written.
bool writePdf(const std::string& path, int pages)
{
    try {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFPageDocumentHelper doc(pdf);
        for (int i = 0; i < pages; ++i)
            doc.addPage(
                pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 200 200] >>")),
                false);
        QPDFWriter writer(pdf, path.c_str());
        writer.write();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

int countPages(const std::string& path)
{
    try {
        QPDF pdf;
        pdf.processFile(path.c_str());
        return static_cast<int>(pdf.getAllPages().size());
    } catch (const std::exception&) {
        return -1;
    }
}

// The file Ghostscript would write: the switch's path with "%%" read as "%".
std::string outputFile(const std::vector<std::string>& args)
{
    static const std::string prefix = "-sOutputFile=";
    for (const std::string& a : args) {
        if (a.rfind(prefix, 0) != 0)
            continue;
        std::string path;
        for (std::size_t i = prefix.size(); i < a.size(); ++i) {
            path += a[i];
            if (a[i] == '%' && i + 1 < a.size() && a[i + 1] == '%')
                ++i;
        }
        return path;
    }
    return {};
}

// As pdfwrite sometimes writes them: the last entry of the cross-reference
// table names an offset where another object begins.
bool misplaceLastObject(const std::string& path)
{
    std::string pdf;
    {
        std::ifstream in(path, std::ios::binary);
        pdf.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::size_t trailer = pdf.rfind("trailer");
    if (trailer == std::string::npos || trailer < 20)
        return false;
    pdf.replace(trailer - 20, 10, "0000000009");
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(out << pdf);
}

// What a successful run writes; false when an input cannot be read or the
// output cannot be written, as Ghostscript fails then. A run without an output
// switch (a page count) writes nothing.
bool writeOutput(const std::vector<std::string>& args, int extraPages, bool damaged)
{
    const std::string out = outputFile(args);
    if (out.empty())
        return true;
    int pages = 0;
    if (pageSwitch(args, "-dFirstPage=") > 0) {
        pages = pageSwitch(args, "-dLastPage=") - pageSwitch(args, "-dFirstPage=") + 1;
    } else {
        const auto inputs = std::find(args.begin(), args.end(), "-f");
        const auto program = std::find(inputs, args.end(), "-c");
        for (auto it = inputs == args.end() ? inputs : inputs + 1; it != program; ++it) {
            const int n = countPages(*it);
            if (n < 0)
                return false;
            pages += n;
        }
    }
    pages += extraPages;
    return pages >= 0 && writePdf(out, pages) && (!damaged || misplaceLastObject(out));
}

} // namespace

STUB_EXPORT int gsapi_new_instance(void** pinstance, void* caller_handle)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.log += "new ";
    if (s.newInstanceCode != 0)
        return s.newInstanceCode;
    auto* inst = new Instance;
    inst->caller = caller_handle;
    *pinstance = inst;
    ++s.live;
    return 0;
}

STUB_EXPORT void gsapi_delete_instance(void* instance)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.log += "delete ";
    delete static_cast<Instance*>(instance);
    --s.live;
}

STUB_EXPORT int gsapi_set_stdio(void* instance, int(GSDLLCALLPTR)(void*, char*, int),
                                int(GSDLLCALLPTR out)(void*, const char*, int),
                                int(GSDLLCALLPTR err)(void*, const char*, int))
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.log += "stdio ";
    auto* inst = static_cast<Instance*>(instance);
    inst->out = out;
    inst->err = err;
    return s.setStdioCode;
}

STUB_EXPORT int gsapi_set_arg_encoding(void* instance, int encoding)
{
    static_cast<Instance*>(instance)->utf8Args = encoding == GS_ARG_ENCODING_UTF8;
    return 0;
}

namespace {

// An argument as Ghostscript reads it, in UTF-8: on Windows, arguments not
// declared UTF-8 are in the ANSI code page.
std::string argumentText(const char* arg, bool utf8)
{
#ifdef _WIN32
    if (!utf8) {
        const int n = ::MultiByteToWideChar(CP_ACP, 0, arg, -1, nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(n), L'\0');
        ::MultiByteToWideChar(CP_ACP, 0, arg, -1, wide.data(), n);
        const int m = ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string text(static_cast<std::size_t>(m), '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), m, nullptr, nullptr);
        text.resize(text.empty() ? 0 : text.size() - 1);
        return text;
    }
#else
    (void)utf8;
#endif
    return arg;
}

} // namespace

STUB_EXPORT int gsapi_init_with_args(void* instance, int argc, char** argv)
{
    State& s = state();
    auto* inst = static_cast<Instance*>(instance);
    std::vector<std::pair<int, std::string>> emit;
    int code = 0;
    {
        std::lock_guard lock(s.mutex);
        s.log += "init ";
        std::vector<std::string> args;
        for (int i = 0; i < argc; ++i)
            args.push_back(argumentText(argv[i], inst->utf8Args));
        const int index = static_cast<int>(s.calls.size());
        s.calls.push_back(args);
        if (inst->initCalled)
            return -100; // what Ghostscript 10 answers
        inst->initCalled = true;
        if (index == s.failInitAt)
            return s.failInitCode;
        if (!writeOutput(args, s.extraPages, s.damaged))
            return -100;
        emit = s.chunks;
        if (s.pageReports) {
            for (int p = pageSwitch(args, "-dFirstPage="); p > 0 && p <= pageSwitch(args, "-dLastPage="); ++p)
                emit.emplace_back(1, "Page " + std::to_string(p) + "\n");
        }
        code = 0;
    }
    // Outside the lock, as the real library calls back while it runs.
    for (const auto& [stream, text] : emit) {
        auto fn = stream == 2 ? inst->err : inst->out;
        if (fn)
            fn(inst->caller, text.data(), static_cast<int>(text.size()));
    }
    return code;
}

STUB_EXPORT int gsapi_exit(void*)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.log += "exit ";
    return s.exitCode;
}

#ifndef STUB_NO_RUN_STRING_END
STUB_EXPORT int gsapi_run_string_end(void*, int, int*)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.log += "run_string_end ";
    return 0;
}
#endif

// --- control, looked up by the tests with dlsym -----------------------------

STUB_EXPORT void stub_reset()
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.newInstanceCode = s.setStdioCode = s.exitCode = 0;
    s.failInitAt = -1;
    s.failInitCode = -1;
    s.pageReports = false;
    s.extraPages = 0;
    s.damaged = false;
    s.chunks.clear();
    s.calls.clear();
    s.log.clear();
}

STUB_EXPORT void stub_set_codes(int newInstance, int setStdio, int exitCode)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.newInstanceCode = newInstance;
    s.setStdioCode = setStdio;
    s.exitCode = exitCode;
}

STUB_EXPORT void stub_fail_init_at(int index, int code)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.failInitAt = index;
    s.failInitCode = code;
}

STUB_EXPORT void stub_add_chunk(int stream, const char* text, int len)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.chunks.emplace_back(stream, std::string(text, static_cast<std::size_t>(len)));
}

STUB_EXPORT void stub_set_page_reports(int on)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.pageReports = on != 0;
}

// A run that succeeds writes this many pages more (or fewer) than it should.
STUB_EXPORT void stub_set_extra_pages(int pages)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.extraPages = pages;
}

STUB_EXPORT void stub_set_damaged(int on)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.damaged = on != 0;
}

STUB_EXPORT int stub_init_count()
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    return static_cast<int>(s.calls.size());
}

// Copies the call's arguments joined by '\n' into buf; returns the full length.
STUB_EXPORT int stub_call_args(int call, char* buf, int size)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (call < 0 || call >= static_cast<int>(s.calls.size()))
        return -1;
    std::string joined;
    for (const std::string& a : s.calls[static_cast<std::size_t>(call)])
        joined += a + '\n';
    if (size > 0) {
        const std::size_t n = std::min(joined.size(), static_cast<std::size_t>(size - 1));
        std::memcpy(buf, joined.data(), n);
        buf[n] = '\0';
    }
    return static_cast<int>(joined.size());
}

STUB_EXPORT int stub_log(char* buf, int size)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (size > 0) {
        const std::size_t n = std::min(s.log.size(), static_cast<std::size_t>(size - 1));
        std::memcpy(buf, s.log.data(), n);
        buf[n] = '\0';
    }
    return static_cast<int>(s.log.size());
}

STUB_EXPORT int stub_live_instances()
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    return s.live;
}

// Helpers for the tests: the stub's own PDF writer and page counter.
STUB_EXPORT int stub_write_pdf(const char* path, int pages)
{
    return writePdf(path, pages) ? 0 : -1;
}

STUB_EXPORT int stub_count_pages(const char* path)
{
    return countPages(path);
}
