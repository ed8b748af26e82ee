#include "engines/gsbinding.h"

#include "engines/gscallbacks.h"
#include "platform/platform.h"
#include "text/strutil.h"

#include <climits>
#include <ghostscript/gserrors.h>

namespace {

#ifdef _WIN32
// "10.02.1" before "9.56.1": dotted numbers compared part by part; a name that
// is not such a number sorts below every number.
bool NewerVersion(const std::string& a, const std::string& b)
{
    auto parts = [](const std::string& text) {
        std::vector<long> numbers;
        std::size_t at = 0;
        while (at <= text.size()) {
            const std::size_t dot = std::min(text.find('.', at), text.size());
            const std::string part = text.substr(at, dot - at);
            if (part.empty() || part.find_first_not_of("0123456789") != std::string::npos || part.size() > 9)
                return std::vector<long>{};
            numbers.push_back(std::stol(part));
            at = dot + 1;
        }
        return numbers;
    };
    return parts(a) > parts(b);
}

// The installer records the library under one of two keys; only the first key
// that opens is read. Installed versions are newer than the 9.04 those keys
// name: when neither opens, the newest version key under either maker's key is
// read the same way.
std::string RegistryGsDll()
{
    const char* const keys[] = {"Software\\GPL Ghostscript\\9.04", "Software\\GS\\9.04"};
    for (const char* key : keys) {
        if (std::optional<std::string> value = plat::readRegistryValue(false, key, "GS_DLL"))
            return *value;
    }
    std::string newest;
    std::string newestKey;
    for (const char* maker : {"Software\\GPL Ghostscript", "Software\\GS"}) {
        for (const std::string& version : plat::registrySubkeys(false, maker)) {
            if (newestKey.empty() || NewerVersion(version, newest)) {
                newest = version;
                newestKey = std::string(maker) + "\\" + version;
            }
        }
    }
    return newestKey.empty() ? std::string() : plat::readRegistryString(false, newestKey, "GS_DLL");
}
#endif

// Why the last load on this thread failed, for a job's failure message.
thread_local std::string t_loadError;

// An entry point the library may lack: null then, and no reason for a failure.
template <typename Fn> bool ResolveOptional(void* library, const char* name, Fn& fn)
{
    fn = reinterpret_cast<Fn>(plat::librarySymbol(library, name));
    return fn != nullptr;
}

template <typename Fn> bool Resolve(void* library, const char* name, Fn& fn)
{
    if (!ResolveOptional(library, name, fn) && t_loadError.empty())
        t_loadError = std::string("it has no ") + name + ", so it is not a Ghostscript library";
    return fn != nullptr;
}

} // namespace

std::string GS_Dll_Path = Get_GS_Dll_Path();

std::string GsDllPathFromSetting(const std::string& setting)
{
    if (setting.empty())
        return GS_DLL_FILE_NAME;
    // What is there decides first: a library under any name (libgs.so, a
    // build of one's own), or a folder.
    if (plat::isDirectory(setting))
        return IncludeTrailingSeparator(setting) + GS_DLL_FILE_NAME;
    if (plat::pathExists(setting) || setting.find(GS_DLL_FILE_NAME) != std::string::npos)
        return setting;
    return IncludeTrailingSeparator(setting) + GS_DLL_FILE_NAME;
}

std::string Get_GS_Dll_Path()
{
    const std::string fromEnvironment = plat::getEnv("GS_DLL");
#ifdef _WIN32
    // GS_DLL, as on other systems, comes before what the installer recorded.
    if (fromEnvironment.empty())
        return GsDllPathFromSetting(RegistryGsDll());
#endif
    return GsDllPathFromSetting(fromEnvironment);
}

std::string GsOutputFileSwitch(std::string_view path)
{
    std::string result = "-sOutputFile=";
    result.reserve(result.size() + path.size() + 6);
    // Ghostscript sends output named "|command" to a shell (even under -dSAFER)
    // and output named "-" to its stdout; "./" keeps such a relative name a file.
    if ((!path.empty() && path.front() == '|') || path == "-")
        result += "./";
    for (char c : path) {
        result += c;
        if (c == '%')
            result += '%';
    }
    return result;
}

std::string GsInputFileName(const std::string& path)
{
    if (!path.empty() && (path.front() == '-' || path.front() == '@' || path.front() == '%'))
        return "./" + path;
    return path;
}

// ---------------------------------------------------------------------------

TGsBinding::~TGsBinding()
{
    Unload();
}

bool TGsBinding::Load(const std::string& path, bool forSplit)
{
    Unload();
    t_loadError.clear();
    m_library = plat::openLibrary(path);
    if (!m_library) {
        t_loadError = plat::libraryError();
        if (t_loadError.empty())
            t_loadError = "the loader gave no reason";
        t_loadError = "\"" + path + "\": " + t_loadError;
        return false;
    }
    // Looked up in this order; the first one missing fails the binding.
    const bool ok = Resolve(m_library, "gsapi_new_instance", m_api.new_instance) &&
                    Resolve(m_library, "gsapi_delete_instance", m_api.delete_instance) &&
                    Resolve(m_library, "gsapi_init_with_args", m_api.init_with_args) &&
                    (!forSplit || Resolve(m_library, "gsapi_run_string_end", m_api.run_string_end)) &&
                    Resolve(m_library, "gsapi_set_stdio", m_api.set_stdio) &&
                    Resolve(m_library, "gsapi_exit", m_api.exit);
    if (!ok) {
        t_loadError = "\"" + path + "\": " + t_loadError;
        Unload();
        return false;
    }
    ResolveOptional(m_library, "gsapi_run_string_with_length", m_api.run_string_with_length);
    ResolveOptional(m_library, "gsapi_add_control_path", m_api.add_control_path);
#ifdef _WIN32
    ResolveOptional(m_library, "gsapi_set_arg_encoding", m_api.set_arg_encoding);
#endif
    return true;
}

bool TGsBinding::NewInstance(TGsStdio& stdio)
{
    return NewInstance(&stdio, GS_StdIn, GS_StdOut, GS_StdErr);
}

bool TGsBinding::NewInstance(void* callerHandle, StdInFn in, StdOutFn out, StdOutFn err)
{
    DeleteInstance();
    if (!m_library)
        return false;
    void* instance = nullptr;
    if (m_api.new_instance(&instance, callerHandle) != 0 || !instance)
        return false;
    m_instance = instance;
    m_initCalled = m_exitCalled = false;
    if (m_api.set_stdio(m_instance, in, out, err) != 0) {
        DeleteInstance();
        return false;
    }
    if (m_api.set_arg_encoding && m_api.set_arg_encoding(m_instance, GS_ARG_ENCODING_UTF8) != 0) {
        DeleteInstance();
        return false;
    }
    return true;
}

namespace {

// Ghostscript takes non-const pointers; it does not write through them.
int InitWith(PFN_gsapi_init_with_args init, void* instance, const std::vector<std::string>& args)
{
    std::vector<std::string> copies(args);
    std::vector<char*> argv;
    argv.reserve(copies.size() + 1);
    for (std::string& a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    return init(instance, static_cast<int>(copies.size()), argv.data());
}

} // namespace

int TGsBinding::InitInstance(const std::vector<std::string>& args)
{
    if (!m_instance || m_initCalled || args.size() > static_cast<std::size_t>(INT_MAX))
        return -1;
    m_initCalled = true;
    return InitWith(m_api.init_with_args, m_instance, args);
}

int TGsBinding::RunString(std::string_view text)
{
    if (!m_instance || !m_initCalled || m_exitCalled || !m_api.run_string_with_length ||
        text.size() > static_cast<std::size_t>(INT_MAX))
        return -1;
    int exitCode = 0;
    return m_api.run_string_with_length(m_instance, text.data(), static_cast<unsigned>(text.size()), 0,
                                        &exitCode);
}

int TGsBinding::AddControlPath(int type, const std::string& path)
{
    if (!m_instance || !m_api.add_control_path)
        return -1;
    return m_api.add_control_path(m_instance, type, path.c_str());
}

TGsBinding::RunCodes TGsBinding::RunInstance(const std::vector<std::string>& args)
{
    RunCodes codes;
    if (!m_instance || m_initCalled || args.size() > static_cast<std::size_t>(INT_MAX))
        return codes;
    m_initCalled = true;
    codes.Init = InitWith(m_api.init_with_args, m_instance, args);
    codes.Exit = m_api.exit(m_instance);
    m_exitCalled = true;
    return codes;
}

void TGsBinding::DeleteInstance()
{
    if (!m_instance)
        return;
    // Ghostscript requires gsapi_exit before deleting an instance it initialised.
    if (m_initCalled && !m_exitCalled)
        m_api.exit(m_instance);
    m_api.delete_instance(m_instance);
    m_instance = nullptr;
    m_initCalled = m_exitCalled = false;
}

bool TGsBinding::Unload()
{
    DeleteInstance();
    if (!m_library)
        return false;
    const bool ok = plat::closeLibrary(m_library);
    m_library = nullptr;
    m_api = {};
    return ok;
}

// ---------------------------------------------------------------------------

bool Run_GS(const std::vector<std::string>& args, TGsStdio& stdio)
{
    TGsBinding binding;
    if (!binding.Load(GS_Dll_Path, false) || !binding.NewInstance(stdio))
        return false;
    return binding.RunInstance(args).Init == 0;
}

bool Load_GS(TGsBinding& binding, TGsStdio& stdio)
{
    if (!binding.Load(GS_Dll_Path, true))
        return false;
    if (!binding.NewInstance(stdio)) {
        binding.Unload();
        return false;
    }
    return true;
}

bool Free_GS(TGsBinding& binding)
{
    return binding.Unload();
}

// ---------------------------------------------------------------------------
// Page count of a PDF the line scan cannot read (page dictionaries inside
// compressed object streams).

namespace {

constexpr std::string_view CountMarker = "PLICORA-PAGES=";

int GSDLLCALL CountStdIn(void* /*handle*/, char* /*buf*/, int /*len*/)
{
    return 0;
}

int GSDLLCALL CountStdOut(void* handle, const char* str, int len)
{
    if (handle && str && len > 0) {
        auto& out = *static_cast<std::string*>(handle);
        // The answer is a short line; a broken file may produce pages of warnings.
        if (out.size() < 1 << 20)
            out.append(str, static_cast<std::size_t>(len));
    }
    return len;
}

int GSDLLCALL CountStdErr(void* /*handle*/, const char* /*str*/, int len)
{
    return len;
}

std::int32_t ParseCount(const std::string& out)
{
    const auto at = out.rfind(CountMarker);
    if (at == std::string::npos)
        return 0;
    const auto from = at + CountMarker.size();
    auto to = from;
    while (to < out.size() && out[to] >= '0' && out[to] <= '9')
        ++to;
    if (to == from)
        return 0;
    try {
        const std::int32_t n = StrToInt(std::string_view(out).substr(from, to - from));
        return n > 0 ? n : 0;
    } catch (const EConvertError&) {
        return 0;
    }
}

} // namespace

std::shared_mutex& GsEnvironmentLock()
{
    static std::shared_mutex lock;
    return lock;
}

std::int32_t GsCountPages(const std::string& fileName)
{
    if (fileName.empty())
        return 0;
    const std::string name = GsInputFileName(fileName);
    // Taken before the binding, so that the instance is gone when it is released.
    const std::shared_lock environment(GsEnvironmentLock());
    TGsBinding binding;
    if (!binding.Load(GS_Dll_Path, false))
        return 0;
    std::string out;
    if (!binding.NewInstance(&out, CountStdIn, CountStdOut, CountStdErr))
        return 0;

    // The name travels as the value of a -s switch, which Ghostscript takes byte
    // for byte, and reaches PostScript as the string /File: no quoting to escape.
    std::vector<std::string> args{"verezeri", "-q", "-dNODISPLAY", "-dNOPAUSE", "-dBATCH", "-dSAFER"};
    // -dSAFER refuses to read files not named on the command line. The exact-path
    // call is preferred: --permit-file-read splits its value at ':'. A library
    // without either (before 9.50) reads any file under -dSAFER.
    if (binding.CanAddControlPath() && binding.AddControlPath(GS_PERMIT_FILE_READING, name) != 0)
        args.push_back("--permit-file-read=" + name);
    args.push_back("-sFile=" + name);
    args.push_back("-c");
    args.push_back("File (r) file runpdfbegin pdfpagecount (" + std::string(CountMarker) +
                   ") print = flush quit");

    const TGsBinding::RunCodes codes = binding.RunInstance(args);
    if (codes.Init != 0 && codes.Init != gs_error_Quit)
        return 0;
    return ParseCount(out);
}

std::string GsLoadErrorText()
{
    return t_loadError;
}
