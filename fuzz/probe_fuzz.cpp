// Fuzz entry point for the probe: the in-memory line scan, tail check and
// encryption test must never fault, must not depend on how the bytes are split
// into blocks, and must agree with the literal one-window-at-a-time rules.
#include "core/probe_oracle.h"
#include "pdf/pdfprobe.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "probe disagreement: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Block sizes from the input's length: small ones cut every keyword somewhere.
    const std::size_t small = 1 + size % 13;
    const std::size_t medium = 9 + size % 61;

    using pdfprobe_detail::ScanVariant;
    const std::int32_t pages = probe_oracle::scan(bytes);
    check(pages >= 0, "negative page count");
    for (ScanVariant v : {ScanVariant::Portable, ScanVariant::Sse2, ScanVariant::Avx2}) {
        if (!pdfprobe_detail::UseScanVariant(v))
            continue;
        check(ScanPdfPageLines(bytes.data(), bytes.size()) == pages, "scan against the literal rules");
        check(pdfprobe_detail::ScanPdfPageLinesChunked(bytes, small) == pages, "scan, small blocks");
        check(pdfprobe_detail::ScanPdfPageLinesChunked(bytes, medium) == pages, "scan, medium blocks");
    }
    pdfprobe_detail::UseScanVariant(ScanVariant::Automatic);

    const bool tail = pdfprobe_detail::CheckPdfTailBytes(bytes);
    check(pdfprobe_detail::CheckPdfTailBytes(bytes, small) == tail, "tail, small blocks");
    check(pdfprobe_detail::CheckPdfTailBytes(bytes, medium) == tail, "tail, medium blocks");
    check(probe_oracle::tailCheck(bytes) == tail, "tail against the literal rules");

    const bool encrypted = pdfprobe_detail::IsPdfEncryptedBytes(bytes);
    check(pdfprobe_detail::IsPdfEncryptedBytes(bytes, small) == encrypted, "encryption, small blocks");
    check(pdfprobe_detail::IsPdfEncryptedBytes(bytes, medium) == encrypted, "encryption, medium blocks");
    check(probe_oracle::encrypted(bytes) == encrypted, "encryption against the literal rules");
    return 0;
}
