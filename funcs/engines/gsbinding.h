// Locating and binding the Ghostscript library (libgs) at run time.
//
// The library is never linked when the program is built: each job loads it by
// path, resolves its gsapi entry points by name and unloads it again, so the
// program starts and works without Ghostscript; only jobs fail. All binding work
// runs on the job's worker thread; only one job runs at a time.
#pragma once

#include <cstdint>
#include <ghostscript/iapi.h> // types only: the library itself is opened with dlopen
#include <shared_mutex>
#include <string>
#include <string_view>
#include <vector>

struct TGsStdio; // gscallbacks.h: where an instance's page reports and error lines go

// Library path handed to the loader: set once at start-up from the GS_DLL
// environment variable (Get_GS_Dll_Path), read by every job. Tests may reassign it
// while no job runs.
extern std::string GS_Dll_Path;

// The library's file name on this platform.
#if defined(_WIN64)
inline constexpr const char* GS_DLL_FILE_NAME = "gsdll64.dll"; // a process loads only its own width
#elif defined(_WIN32)
inline constexpr const char* GS_DLL_FILE_NAME = "gsdll32.dll";
#else
inline constexpr const char* GS_DLL_FILE_NAME = "libgs.so.10";
#endif

// GS_DLL names the library itself (an existing file of any name, or a text that
// contains the library's file name) or a folder that holds it; unset or empty:
// the bare file name, so the loader's search decides.
std::string Get_GS_Dll_Path();

// The same rule applied to a configured text (the environment value): empty gives
// the bare file name. Looks at the disk.
std::string GsDllPathFromSetting(const std::string& setting);

// Asks Ghostscript for a PDF's page count (one short run). 0 when the library is
// missing, the run fails or the answer is not a number. Any file name is passed
// safely. It has callbacks of its own and reports no pages, so a running job
// sees nothing of it. (Ghostscript 10 as Debian builds
// it allows several instances; a build limited to one answers 0 while a job runs.)
std::int32_t GsCountPages(const std::string& fileName);

// Ghostscript reads its temporary folder from the environment, which the
// Ghostscript engine points at a folder of its own for a job's length: a page
// count (on the window's counting thread) holds this shared while Ghostscript
// runs, and the engine holds it alone while it changes the variable.
std::shared_mutex& GsEnvironmentLock();

// "-sOutputFile=" followed by the path with every "%" doubled: Ghostscript reads
// "%" there as a format character, and we always name exactly one file. A path
// that Ghostscript would take for a pipe ("|...") or stdout ("-") gets "./" first.
std::string GsOutputFileSwitch(std::string_view path);

// An input file name as Ghostscript must see it to open exactly that file: "./"
// first when a relative name begins with "-" or "@" (read as a switch or a file of
// further arguments on the command line) or with "%" (read as an I/O device:
// "%pipe%..." runs a shell command even under -dSAFER).
std::string GsInputFileName(const std::string& path);

// The gsapi entry points a job resolves, in the order they are looked up.
struct TGsEntryPoints
{
    PFN_gsapi_new_instance new_instance = nullptr;
    PFN_gsapi_delete_instance delete_instance = nullptr;
    PFN_gsapi_init_with_args init_with_args = nullptr;
    PFN_gsapi_run_string_end run_string_end = nullptr; // split binding only; never called
    PFN_gsapi_set_stdio set_stdio = nullptr;
    PFN_gsapi_exit exit = nullptr;
    // Optional: resolved when the library has them, null otherwise. A split runs
    // all its pieces in one instance only when both are there.
    PFN_gsapi_run_string_with_length run_string_with_length = nullptr;
    PFN_gsapi_add_control_path add_control_path = nullptr;
    // Windows: file names are UTF-8 texts, which Ghostscript otherwise reads in
    // the ANSI code page.
    PFN_gsapi_set_arg_encoding set_arg_encoding = nullptr;
};

// One loaded library with its entry points and at most one interpreter instance.
// The destructor releases whatever is still held (instance first, then library),
// so nothing of Ghostscript stays loaded on any path out of a job.
class TGsBinding
{
public:
    TGsBinding() = default;
    TGsBinding(const TGsBinding&) = delete;
    TGsBinding& operator=(const TGsBinding&) = delete;
    ~TGsBinding();

    // Loads the library from path and resolves the entry points; the split form
    // also requires gsapi_run_string_end. False (and nothing held) on failure.
    bool Load(const std::string& path, bool forSplit);
    bool Loaded() const { return m_library != nullptr; }
    // The loaded library and the current instance; null when none is held.
    void* Library() const { return m_library; }
    void* Instance() const { return m_instance; }

    // Creates a fresh instance with the engine's stdio callbacks (GS_StdIn,
    // GS_StdOut, GS_StdErr), which report to stdio; it must outlive the instance.
    // Deletes any instance still held first. False on a non-zero code; no
    // instance is held then.
    bool NewInstance(TGsStdio& stdio);
    // The same with other callbacks and a caller handle (a run of our own whose
    // output must not become job notices).
    using StdInFn = int(GSDLLCALLPTR)(void*, char*, int);
    using StdOutFn = int(GSDLLCALLPTR)(void*, const char*, int);
    bool NewInstance(void* callerHandle, StdInFn in, StdOutFn out, StdOutFn err);
    // One run of the current instance: gsapi_init_with_args, then gsapi_exit
    // (always, as Ghostscript requires after an init, but only its code after a
    // successful init is reported). Codes are -1 when no instance exists. The
    // instance cannot be run again afterwards (Ghostscript 10 refuses it).
    struct RunCodes
    {
        int Init = -1;
        int Exit = -1;
    };
    RunCodes RunInstance(const std::vector<std::string>& args);
    // Whether the loaded library can run PostScript text in an instance and
    // permit single files under -dSAFER (gsapi_run_string_with_length and
    // gsapi_add_control_path).
    bool CanRunStrings() const { return m_api.run_string_with_length && m_api.add_control_path; }
    // Whether AddControlPath can be called (Ghostscript 9.50 and later).
    bool CanAddControlPath() const { return m_api.add_control_path != nullptr; }
    // For an instance that runs PostScript afterwards: gsapi_init_with_args only;
    // gsapi_exit follows in DeleteInstance. Ghostscript's code, -1 when no
    // instance exists or it was initialised before.
    int InitInstance(const std::vector<std::string>& args);
    // Runs PostScript text in the initialised instance; Ghostscript's code (0 or
    // negative), -1 when it cannot be called.
    int RunString(std::string_view text);
    // Permits reading or writing exactly that file under -dSAFER
    // (GS_PERMIT_FILE_READING / GS_PERMIT_FILE_WRITING); Ghostscript's code, -1
    // when it cannot be called.
    int AddControlPath(int type, const std::string& path);
    // Deletes the instance (after gsapi_exit when it was initialised and not yet
    // exited). Nothing when none is held.
    void DeleteInstance();
    // Deletes the instance and unloads the library; true when the loader reports
    // success (false also when nothing was loaded).
    bool Unload();

private:
    void* m_library = nullptr;
    void* m_instance = nullptr;
    TGsEntryPoints m_api;
    bool m_initCalled = false;
    bool m_exitCalled = false;
};

// A complete merge run: load, new instance, callbacks reporting to stdio, one
// gsapi_init_with_args, gsapi_exit, delete, unload. True when
// gsapi_init_with_args returned 0.
bool Run_GS(const std::vector<std::string>& args, TGsStdio& stdio);

// Why the last library load on this thread failed ("" when it succeeded): the
// library's path and the loader's reason, or which entry point it lacks.
std::string GsLoadErrorText();

// Opens a split binding: library loaded, all six entry points resolved, an
// instance made with the callbacks installed, reporting to stdio. On failure
// everything already made is released and false returned.
bool Load_GS(TGsBinding& binding, TGsStdio& stdio);

// Deletes the binding's instance if one is left and unloads its library; true
// when the loader reports success.
bool Free_GS(TGsBinding& binding);
