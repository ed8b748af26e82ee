// The light PDF probe: page count and encryption from a file's raw bytes.
// Plain functions without state; each call opens its file and closes it on every
// path. The front door (job/frontdoor.h) runs them for the window and the
// command line, and GetPdfPageCount there adds Ghostscript's count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Raised only when the tail check cannot open the file. what() is the whole
// message: Cannot open file "<path>". <system reason>
class EPdfOpenError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// True when the file ends the way a PDF ends ("%%EOF" in its last 7 bytes, or
// "startxref" found by the backward search). Throws EPdfOpenError when the file
// cannot be opened; false for every other failure.
bool CheckPdfTail(const std::string& fileName);

// The line scan alone (no tail check, no fallback): the page count from the
// file's text lines, 0 when none is found or on any read failure. Never throws.
std::int32_t ScanPdfPageLines(const std::string& fileName);

// The same line scan over bytes already in memory (what the fuzzer drives).
std::int32_t ScanPdfPageLines(const char* data, std::size_t size);

// True when "Encrypt" lies wholly between the file's last "trailer" and the first
// ">>" after it. Never throws; any failure gives false.
bool IsPdfEncrypted(const std::string& fileName);

// Internals exposed for tests, the fuzzer and the benchmark only. The block size
// is how many bytes one read fetches; the results never depend on it.
namespace pdfprobe_detail {

inline constexpr std::size_t DefaultBlockSize = 256 * 1024;

// The tail check and the encryption test over bytes in memory.
bool CheckPdfTailBytes(std::string_view bytes, std::size_t blockSize = DefaultBlockSize);
bool IsPdfEncryptedBytes(std::string_view bytes, std::size_t blockSize = DefaultBlockSize);

// The line scan fed in pieces of blockSize bytes, as the file reader feeds it.
std::int32_t ScanPdfPageLinesChunked(std::string_view bytes, std::size_t blockSize);

// The line scan's bulk pass comes in variants by instruction set; the fastest the
// processor supports is used. Tests force each in turn (not thread-safe; false when
// the processor lacks it). Every variant gives the same results.
enum class ScanVariant
{
    Automatic,
    Portable,
    Sse2,
    Avx2
};
bool UseScanVariant(ScanVariant variant);

// The file-based functions with a chosen block size.
bool CheckPdfTail(const std::string& fileName, std::size_t blockSize);
std::int32_t ScanPdfPageLines(const std::string& fileName, std::size_t blockSize);
bool IsPdfEncrypted(const std::string& fileName, std::size_t blockSize);

} // namespace pdfprobe_detail
