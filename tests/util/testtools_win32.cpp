// Windows, as the tests run under Wine: programs through CreateProcessW, qpdf
// in-process through libqpdf's QPDFJob, test PDFs made and read with libqpdf (no
// Linux program can run from inside Wine).
#include "testtools.h"

#include <memory>
#include <qpdf/Pl_OStream.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFJob.hh>
#include <qpdf/QPDFLogger.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFUsage.hh>
#include <qpdf/QPDFWriter.hh>
#include <sstream>
#include <windows.h>

namespace testutil {

namespace {

std::wstring Wide(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

// One argument as the C runtime's command-line parser reads it back: quoted when
// it holds blanks or quotes (or is empty), backslashes doubled only before a quote.
std::wstring Quoted(const std::wstring& arg)
{
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos)
        return arg;
    std::wstring quoted = L"\"";
    for (auto it = arg.begin();; ++it) {
        std::size_t backslashes = 0;
        for (; it != arg.end() && *it == L'\\'; ++it)
            ++backslashes;
        if (it == arg.end()) {
            quoted.append(backslashes * 2, L'\\');
            break;
        }
        quoted.append(*it == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        quoted += *it;
    }
    return quoted + L"\"";
}

// The program's full name: as given (with '\' separators) when it names a folder,
// else searched on PATH with ".exe" added; "" when not found.
std::wstring ProgramPath(const std::string& name)
{
    std::wstring wide = Wide(name);
    if (wide.find_first_of(L"\\/:") != std::wstring::npos) {
        for (wchar_t& c : wide)
            if (c == L'/')
                c = L'\\';
        return wide;
    }
    wchar_t found[MAX_PATH * 4];
    const DWORD n = ::SearchPathW(nullptr, wide.c_str(), L".exe", MAX_PATH * 4, found, nullptr);
    return n > 0 && n < MAX_PATH * 4 ? std::wstring(found, n) : std::wstring();
}

// The parent's environment with the given entries replaced or added, as a block
// for CreateProcessW. Names compare without regard to case, as Windows does.
std::wstring ChildEnvironment(const std::map<std::string, std::string>& env)
{
    std::wstring block;
    const auto sameName = [](const std::wstring& entry, const std::wstring& name) {
        return entry.size() > name.size() && entry[name.size()] == L'=' &&
               ::CompareStringOrdinal(entry.c_str(), static_cast<int>(name.size()), name.c_str(),
                                      static_cast<int>(name.size()), TRUE) == CSTR_EQUAL;
    };
    wchar_t* strings = ::GetEnvironmentStringsW();
    for (const wchar_t* e = strings; e && *e; e += std::wcslen(e) + 1) {
        const std::wstring entry = e;
        bool replaced = false;
        for (const auto& item : env)
            replaced = replaced || sameName(entry, Wide(item.first));
        if (!replaced)
            block += entry + L'\0';
    }
    if (strings)
        ::FreeEnvironmentStringsW(strings);
    for (const auto& [name, value] : env)
        block += Wide(name) + L'=' + Wide(value) + L'\0';
    return block + L'\0';
}

struct HandleCloser
{
    void operator()(void* h) const
    {
        if (h && h != INVALID_HANDLE_VALUE)
            ::CloseHandle(h);
    }
};
using Handle = std::unique_ptr<void, HandleCloser>;

// A file the child writes its output to, gone when closed. Files rather than
// pipes, so a chatty child can never block on a full pipe while we wait for it.
Handle CaptureFile()
{
    wchar_t folder[MAX_PATH + 1];
    wchar_t name[MAX_PATH + 1];
    if (!::GetTempPathW(MAX_PATH + 1, folder) || !::GetTempFileNameW(folder, L"plt", 0, name))
        return Handle(nullptr);
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE h = ::CreateFileW(name, GENERIC_READ | GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &sa, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    return Handle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

std::string ReadAll(HANDLE file)
{
    std::string text;
    LARGE_INTEGER start{};
    ::SetFilePointerEx(file, start, nullptr, FILE_BEGIN);
    char buf[4096];
    for (DWORD n = 0; ::ReadFile(file, buf, sizeof buf, &n, nullptr) && n > 0;)
        text.append(buf, n);
    return text;
}

// The qpdf command's main, in-process: its own logger, so nothing of the job's
// output settings reaches the library's default logger the code under test uses.
TRunResult RunQpdf(const std::vector<std::string>& argv)
{
    TRunResult result;
    // Data qpdf writes to standard output (--json, a "-" output) goes through its
    // own pipeline; messages through the other two.
    std::ostringstream out, err, saved;
    std::vector<const char*> args;
    for (const std::string& arg : argv)
        args.push_back(arg.c_str());
    args.push_back(nullptr);
    try {
        QPDFJob job;
        std::shared_ptr<QPDFLogger> log = QPDFLogger::create();
        log->setOutputStreams(&out, &err);
        log->setSave(std::make_shared<Pl_OStream>("saved", saved), false);
        job.setLogger(log);
        job.initializeFromArgv(args.data());
        job.run();
        result.ExitCode = job.getExitCode();
    } catch (const QPDFUsage& e) {
        err << "qpdf: " << e.what() << "\n";
        result.ExitCode = QPDFJob::EXIT_ERROR;
    } catch (const std::exception& e) {
        err << "qpdf: " << e.what() << "\n";
        result.ExitCode = QPDFJob::EXIT_ERROR;
    }
    result.Out = saved.str() + out.str();
    result.Err = err.str();
    return result;
}

// The strings of the text-showing operators, one line per text object.
class TextCollector : public QPDFObjectHandle::ParserCallbacks
{
public:
    void handleObject(QPDFObjectHandle obj, std::size_t, std::size_t) override
    {
        if (!obj.isOperator()) {
            m_operands.push_back(obj);
            return;
        }
        const std::string op = obj.getOperatorValue();
        if ((op == "Tj" || op == "'" || op == "\"") && !m_operands.empty() && m_operands.back().isString())
            m_text += m_operands.back().getStringValue();
        else if (op == "TJ" && !m_operands.empty() && m_operands.back().isArray())
            for (QPDFObjectHandle item : m_operands.back().getArrayAsVector())
                if (item.isString())
                    m_text += item.getStringValue();
        if (op == "ET")
            m_text += '\n';
        m_operands.clear();
    }
    void handleEOF() override {}
    const std::string& text() const { return m_text; }

private:
    std::vector<QPDFObjectHandle> m_operands;
    std::string m_text;
};

} // namespace

TRunResult RunProgram(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env)
{
    TRunResult result;
    if (argv.empty())
        return result;
    if (argv[0] == "qpdf")
        return RunQpdf(argv);

    const std::wstring program = ProgramPath(argv[0]);
    if (program.empty()) {
        result.ExitCode = 127;
        result.Err = "cannot run " + argv[0];
        return result;
    }
    std::wstring commandLine = Quoted(program);
    for (std::size_t i = 1; i < argv.size(); ++i)
        commandLine += L' ' + Quoted(Wide(argv[i]));

    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    Handle in(::CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, OPEN_EXISTING, 0,
                            nullptr));
    Handle out = CaptureFile();
    Handle err = CaptureFile();
    if (!in || in.get() == INVALID_HANDLE_VALUE || !out || !err)
        throw std::runtime_error("cannot create capture files");

    // Only these three handles go to the child: other threads may be starting
    // programs of their own at the same time.
    HANDLE inherited[] = {in.get(), out.get(), err.get()};
    SIZE_T size = 0;
    ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::vector<char> attributes(size);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
    const bool listed = ::InitializeProcThreadAttributeList(list, 1, 0, &size) &&
                        ::UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, inherited,
                                                    sizeof inherited, nullptr, nullptr);
    STARTUPINFOEXW start{};
    start.StartupInfo.cb = sizeof start;
    start.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    start.StartupInfo.hStdInput = in.get();
    start.StartupInfo.hStdOutput = out.get();
    start.StartupInfo.hStdError = err.get();
    if (listed)
        start.lpAttributeList = list;

    std::wstring environment = ChildEnvironment(env);
    PROCESS_INFORMATION process{};
    const DWORD flags =
        CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW | (listed ? EXTENDED_STARTUPINFO_PRESENT : 0);
    const BOOL started = ::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, flags,
                                          environment.data(), nullptr, &start.StartupInfo, &process);
    if (listed)
        ::DeleteProcThreadAttributeList(list);
    if (!started) {
        result.ExitCode = 127;
        result.Err = "cannot run " + argv[0] + " (error " + std::to_string(::GetLastError()) + ")";
        return result;
    }
    Handle processHandle(process.hProcess);
    Handle threadHandle(process.hThread);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    if (::GetExitCodeProcess(process.hProcess, &code))
        result.ExitCode = static_cast<int>(code);
    result.Out = ReadAll(out.get());
    result.Err = ReadAll(err.get());
    return result;
}

bool HaveProgram(const std::string& name)
{
    return name == "qpdf" || !ProgramPath(name).empty();
}

std::string MissingTestTools()
{
    return {};
}

bool WriteTestPdf(const std::string& path, const std::vector<std::string>& pageTexts)
{
    try {
        QPDF pdf;
        pdf.emptyPDF();
        QPDFObjectHandle font = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>"));
        QPDFObjectHandle resources = pdf.makeIndirectObject(
            QPDFObjectHandle::newDictionary({{"/Font", QPDFObjectHandle::newDictionary({{"/F1", font}})}}));
        for (const std::string& text : pageTexts) {
            QPDFObjectHandle page =
                pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 612 792] >>"));
            page.replaceKey("/Resources", resources);
            page.replaceKey("/Contents", QPDFObjectHandle::newStream(
                                             &pdf, "BT /F1 24 Tf 72 700 Td " + LiteralString(text) +
                                                       " Tj ET\n100 100 m 300 400 l 400 100 l h f\n"));
            pdf.addPage(page, false);
        }
        QPDFWriter writer(pdf, path.c_str());
        writer.write();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::string PdfPageText(const std::string& path, int page)
{
    try {
        QPDF pdf;
        pdf.processFile(path.c_str());
        const std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
        if (page < 1 || static_cast<std::size_t>(page) > pages.size())
            return {};
        TextCollector text;
        QPDFPageObjectHelper(pages[static_cast<std::size_t>(page) - 1]).parseContents(&text);
        return Trimmed(text.text());
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace testutil
