#include "pdf/pdfprobe.h"

#include "platform/platform.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <vector>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define PLICORA_PROBE_X86 1
#include <immintrin.h>
#endif

namespace {

constexpr std::string_view EofKeyword = "%%EOF";
constexpr std::string_view StartXrefKeyword = "startxref";
constexpr std::string_view TrailerKeyword = "trailer";
constexpr std::string_view EncryptKeyword = "Encrypt";

// ---------------------------------------------------------------------------
// Random-access byte sources for the tail check and the encryption test: a file
// or bytes in memory, both with readAt().

// Every probe opens its file through plat::ReadOnlyFile: shared for reading only
// where the system has sharing modes, never waiting on a named pipe. Pipes and devices open
// but count as empty, which no PDF is; a folder is a failed open.

class MemorySource
{
public:
    explicit MemorySource(std::string_view bytes) : m_bytes(bytes) {}
    std::ptrdiff_t readAt(std::uint64_t offset, char* buf, std::size_t n) const
    {
        if (offset >= m_bytes.size())
            return 0;
        const std::size_t count = std::min<std::size_t>(n, m_bytes.size() - offset);
        std::memcpy(buf, m_bytes.data() + offset, count);
        return static_cast<std::ptrdiff_t>(count);
    }

private:
    std::string_view m_bytes;
};

// The last window [pos, pos + keyword size) equal to the keyword with lo <= pos and
// pos + keyword size <= hi. Reads blocks from the end backwards, each overlapping
// the previous one by keyword size - 1 bytes, so every window is seen exactly as in a
// one-window-at-a-time search, in the same order. A short read ends the search,
// as it would for the first window it cuts short.
template <class Source>
std::optional<std::uint64_t> findLastWindow(const Source& src, std::uint64_t lo, std::uint64_t hi,
                                            std::string_view keyword, std::size_t blockSize)
{
    const std::size_t m = keyword.size();
    if (hi < lo || hi - lo < m)
        return std::nullopt;
    const std::size_t largest = std::max(blockSize, m);
    // The keyword is usually near the end: start small, then grow.
    std::size_t block = std::max(std::min<std::size_t>(largest, 4096), m);
    const auto bufSize = static_cast<std::size_t>(std::min<std::uint64_t>(largest, hi - lo));
    const auto buf = std::make_unique_for_overwrite<char[]>(bufSize);
    std::uint64_t end = hi;
    for (;; block = std::min(block * 2, largest)) {
        const std::uint64_t start = end - lo > block ? end - block : lo;
        const auto len = static_cast<std::size_t>(end - start);
        if (src.readAt(start, buf.get(), len) != static_cast<std::ptrdiff_t>(len))
            return std::nullopt;
        for (std::size_t i = len - m + 1; i-- > 0;) {
            if (buf[i] == keyword[0] && std::memcmp(&buf[i], keyword.data(), m) == 0)
                return start + i;
        }
        if (start == lo)
            return std::nullopt;
        end = start + m - 1;
        if (end - lo < m)
            return std::nullopt;
    }
}

template <class Source> bool tailCheck(const Source& src, std::uint64_t size, std::size_t blockSize)
{
    if (size <= 10)
        return false;
    std::array<char, 7> last{};
    if (src.readAt(size - last.size(), last.data(), last.size()) != static_cast<std::ptrdiff_t>(last.size()))
        return false;
    const auto* const nul = std::find(last.begin(), last.end(), '\0');
    const std::string_view text(last.data(), static_cast<std::size_t>(nul - last.begin()));
    if (text.find(EofKeyword) != std::string_view::npos)
        return true;
    // The window that would end at the last byte and the one at offset 0 are left out.
    return findLastWindow(src, 1, size - 1, StartXrefKeyword, blockSize).has_value();
}

template <class Source> bool encryptionCheck(const Source& src, std::uint64_t size, std::size_t blockSize)
{
    const auto trailer = findLastWindow(src, 1, size, TrailerKeyword, blockSize);
    if (!trailer)
        return false;

    // The trailer dictionary is short: small reads suffice.
    constexpr std::size_t w = EncryptKeyword.size();
    const std::size_t block = std::clamp<std::size_t>(blockSize, 2 * w, 4096);
    std::vector<char> buf(block);
    std::uint64_t pos = *trailer + TrailerKeyword.size(); // file offset of buf[0]
    std::size_t have = 0;
    for (;;) {
        const std::ptrdiff_t got = src.readAt(pos + have, buf.data() + have, block - have);
        if (got < 0)
            return false;
        have += static_cast<std::size_t>(got);
        if (have < w)
            return false;
        for (std::size_t i = 0; i + w <= have; ++i) {
            const char* window = &buf[i];
            if (std::memcmp(window, EncryptKeyword.data(), w) == 0)
                return true;
            for (std::size_t j = 0; j + 1 < w; ++j) {
                if (window[j] == '>' && window[j + 1] == '>')
                    return false;
            }
        }
        // Keep the bytes of the windows not yet complete.
        std::memmove(buf.data(), buf.data() + have - (w - 1), w - 1);
        pos += have - (w - 1);
        have = w - 1;
    }
}

// ---------------------------------------------------------------------------
// The line scan.

// A keyword matcher that takes one byte at a time (Knuth-Morris-Pratt automaton),
// so a keyword split across read blocks is still found.
struct Keyword
{
    static constexpr std::size_t MaxLength = 11;
    std::array<std::array<std::uint8_t, 256>, MaxLength> next{};
    std::uint8_t length = 0;

    constexpr explicit Keyword(std::string_view text)
    {
        length = static_cast<std::uint8_t>(text.size());
        const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
        next[0][at(0)] = 1;
        std::size_t restart = 0;
        for (std::size_t j = 1; j < text.size(); ++j) {
            next[j] = next[restart];
            next[j][at(j)] = static_cast<std::uint8_t>(j + 1);
            restart = next[restart][at(j)];
        }
    }
};

constexpr Keyword PageTypeNoBlank("/Type/Page");
constexpr Keyword PageTypeBlank("/Type /Page");
constexpr Keyword ParentKeyword("/Parent");
constexpr Keyword CountKeyword("/Count");

// Every keyword begins with "/" and then one of T, P, C. While no match is under
// way, a "/" followed by any other byte leaves every matcher where it was, with
// one exception: a carriage return is never part of the text, so the byte after
// it decides. (A second "/", a line feed or 0x1A after the "/" wipe out its
// effect anyway.)
constexpr bool mayStartKeyword(unsigned char next)
{
    return next == 'T' || next == 'P' || next == 'C' || next == '\r';
}

inline unsigned highestBit(std::uint64_t m)
{
    return 63U - static_cast<unsigned>(__builtin_clzll(m));
}

// Bulk pass over text in which nothing has been found on the current line: line
// feeds and 0x1A only switch `skip` (the rest of the line is skipped) on and off.
// Stops at the first "/" that may start a keyword where the text has not ended
// (found = true, skip = false), or when 64 or fewer bytes are left. 64-byte steps;
// lfSub has a bit for each line feed or 0x1A, candidates for each such "/".
inline bool settleChunk(const unsigned char*& p, std::uint64_t lfSub, std::uint64_t candidates, bool& skip)
{
    if (candidates != 0) {
        const auto i = static_cast<unsigned>(__builtin_ctzll(candidates));
        const std::uint64_t before = lfSub & ((std::uint64_t{1} << i) - 1);
        const bool textEnded = before ? p[highestBit(before)] == 0x1A : skip;
        if (!textEnded) {
            skip = false;
            p += i;
            return true;
        }
        // That "/" lies in skipped text: go on right after it.
        skip = true;
        p += i + 1;
        return false;
    }
    // Branch-free: in compressed data line feeds come at random.
    const bool lastIsSub = p[highestBit(lfSub | 1)] == 0x1A;
    const bool none = lfSub == 0;
    skip = (skip & none) | (lastIsSub & !none);
    p += 64;
    return false;
}

const unsigned char* bulkScanPortable(const unsigned char* p, const unsigned char* end, bool& skipOut,
                                      bool& found)
{
    bool skip = skipOut;
    while (end - p > 64) {
        std::uint64_t lfSub = 0;
        std::uint64_t candidates = 0;
        for (unsigned i = 0; i < 64; ++i) {
            const std::uint64_t bit = std::uint64_t{1} << i;
            lfSub |= (p[i] == '\n' || p[i] == 0x1A) ? bit : 0;
            candidates |= (p[i] == '/' && mayStartKeyword(p[i + 1])) ? bit : 0;
        }
        if (settleChunk(p, lfSub, candidates, skip)) {
            found = true;
            break;
        }
    }
    skipOut = skip;
    return p;
}

#if defined(PLICORA_PROBE_X86)
const unsigned char* bulkScanSse2(const unsigned char* p, const unsigned char* end, bool& skipOut,
                                  bool& found)
{
    bool skip = skipOut;
    const __m128i lineFeed = _mm_set1_epi8('\n');
    const __m128i sub = _mm_set1_epi8(0x1A);
    const __m128i slash = _mm_set1_epi8('/');
    const __m128i four = _mm_set1_epi8(4);
    const __m128i upperT = _mm_set1_epi8('T'); // 'P' | 4 == 'T'
    const __m128i upperC = _mm_set1_epi8('C');
    const __m128i cr = _mm_set1_epi8('\r');
    while (end - p > 64) {
        std::uint64_t lfSub = 0;
        std::uint64_t candidates = 0;
        for (int k = 0; k < 4; ++k) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
            const __m128i n = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k + 1));
            const __m128i ls = _mm_or_si128(_mm_cmpeq_epi8(v, lineFeed), _mm_cmpeq_epi8(v, sub));
            const __m128i next = _mm_or_si128(_mm_cmpeq_epi8(_mm_or_si128(n, four), upperT),
                                              _mm_or_si128(_mm_cmpeq_epi8(n, upperC), _mm_cmpeq_epi8(n, cr)));
            const __m128i c = _mm_and_si128(_mm_cmpeq_epi8(v, slash), next);
            lfSub |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(ls)))
                     << (16 * k);
            candidates |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(c)))
                          << (16 * k);
        }
        if (settleChunk(p, lfSub, candidates, skip)) {
            found = true;
            break;
        }
    }
    skipOut = skip;
    return p;
}

__attribute__((target("avx2"))) const unsigned char*
bulkScanAvx2(const unsigned char* p, const unsigned char* end, bool& skipOut, bool& found)
{
    bool skip = skipOut;
    const __m256i lineFeed = _mm256_set1_epi8('\n');
    const __m256i sub = _mm256_set1_epi8(0x1A);
    const __m256i slash = _mm256_set1_epi8('/');
    const __m256i four = _mm256_set1_epi8(4);
    const __m256i upperT = _mm256_set1_epi8('T'); // 'P' | 4 == 'T'
    const __m256i upperC = _mm256_set1_epi8('C');
    const __m256i cr = _mm256_set1_epi8('\r');
    while (end - p > 64) {
        const __m256i v0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        const __m256i v1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
        const __m256i n0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 1));
        const __m256i n1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 33));
        const __m256i ls0 = _mm256_or_si256(_mm256_cmpeq_epi8(v0, lineFeed), _mm256_cmpeq_epi8(v0, sub));
        const __m256i ls1 = _mm256_or_si256(_mm256_cmpeq_epi8(v1, lineFeed), _mm256_cmpeq_epi8(v1, sub));
        const __m256i next0 =
            _mm256_or_si256(_mm256_cmpeq_epi8(_mm256_or_si256(n0, four), upperT),
                            _mm256_or_si256(_mm256_cmpeq_epi8(n0, upperC), _mm256_cmpeq_epi8(n0, cr)));
        const __m256i next1 =
            _mm256_or_si256(_mm256_cmpeq_epi8(_mm256_or_si256(n1, four), upperT),
                            _mm256_or_si256(_mm256_cmpeq_epi8(n1, upperC), _mm256_cmpeq_epi8(n1, cr)));
        const __m256i c0 = _mm256_and_si256(_mm256_cmpeq_epi8(v0, slash), next0);
        const __m256i c1 = _mm256_and_si256(_mm256_cmpeq_epi8(v1, slash), next1);
        const std::uint64_t lfSub =
            static_cast<std::uint32_t>(_mm256_movemask_epi8(ls0)) |
            static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(ls1))) << 32;
        std::uint64_t candidates = 0;
        if (!_mm256_testz_si256(_mm256_or_si256(c0, c1), _mm256_or_si256(c0, c1))) {
            candidates = static_cast<std::uint32_t>(_mm256_movemask_epi8(c0)) |
                         static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(c1)))
                             << 32;
        }
        if (settleChunk(p, lfSub, candidates, skip)) {
            found = true;
            break;
        }
    }
    skipOut = skip;
    return p;
}
#endif

using BulkScan = const unsigned char* (*)(const unsigned char*, const unsigned char*, bool&, bool&);

BulkScan chooseBulkScan()
{
#if defined(PLICORA_PROBE_X86)
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") ? bulkScanAvx2 : bulkScanSse2;
#else
    return bulkScanPortable;
#endif
}

std::atomic<BulkScan> forcedBulkScan{nullptr};

// Chosen once; a function-local static so that probes from other static
// initialisers find it ready.
BulkScan bulkScan()
{
    static const BulkScan chosen = chooseBulkScan();
    const BulkScan forced = forcedBulkScan.load(std::memory_order_relaxed);
    return forced ? forced : chosen;
}

// The next line feed, 0x1A or "/" that may start a keyword, or end.
const unsigned char* nextEvent(const unsigned char* p, const unsigned char* end)
{
#if defined(PLICORA_PROBE_X86)
    const __m128i lineFeed = _mm_set1_epi8('\n');
    const __m128i sub = _mm_set1_epi8(0x1A);
    const __m128i slash = _mm_set1_epi8('/');
    while (end - p > 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        auto bits = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi8(v, lineFeed), _mm_cmpeq_epi8(v, sub)), _mm_cmpeq_epi8(v, slash))));
        for (; bits != 0; bits &= bits - 1) {
            const unsigned char* at = p + __builtin_ctz(bits);
            if (*at != '/' || mayStartKeyword(at[1]))
                return at;
        }
        p += 16;
    }
#endif
    for (; p < end; ++p) {
        if (*p == '\n' || *p == 0x1A || (*p == '/' && (p + 1 == end || mayStartKeyword(p[1]))))
            return p;
    }
    return p;
}

class LineScanner
{
public:
    // False once the result is settled (a root count beyond range): reading may stop.
    bool feed(const char* data, std::size_t size)
    {
        const auto* p = reinterpret_cast<const unsigned char*>(data);
        const auto* end = p + size;
        while (p < end) {
            if (m_skipToLineEnd || idle()) {
                p = fastScan(p, end);
                if (!p)
                    return false;
                if (p == end)
                    return true;
                if (const unsigned char* after = passKeywordAt(p, end)) {
                    p = after;
                    continue;
                }
            }
            const unsigned char c = *p++;
            if (c == '\n') {
                if (!endLine())
                    return false;
            } else if (c == 0x1A) {
                m_skipToLineEnd = true;
            } else if (c != '\r') {
                step(c);
            }
        }
        return true;
    }

    std::int32_t finish()
    {
        // A last line without a line feed is still a line.
        if (!endLine())
            return 0;
        if (m_rootLines == 1)
            return m_rootCount;
        return static_cast<std::int32_t>(
            std::min<std::int64_t>(m_pageLines, std::numeric_limits<std::int32_t>::max()));
    }

private:
    enum class CountPhase : std::uint8_t
    {
        Seek,
        SeekDigit,
        Digits,
        Done
    };

    struct Match
    {
        std::uint8_t state = 0;
        bool found = false;
        bool awaitingNext = false; // found, and the character after it not seen yet
        unsigned char nextChar = 0;

        // Returns true when this byte completes the keyword.
        bool advance(const Keyword& k, unsigned char c)
        {
            state = k.next[state][c];
            if (state == k.length) {
                state = 0;
                found = true;
                awaitingNext = true;
                return true;
            }
            return false;
        }
    };

    // Runs while no keyword match is under way. Returns the first byte that needs
    // step(), the end, or nullptr when the result became 0.
    const unsigned char* fastScan(const unsigned char* p, const unsigned char* end)
    {
        while (p < end) {
            if (m_touched) {
                // The current line holds something: its end must be settled.
                p = finishTouchedLine(p, end);
                if (!p || p == end || m_touched)
                    return p;
            }
            bool found = false;
            p = bulkScan()(p, end, m_skipToLineEnd, found);
            if (found)
                return p;
            for (; p < end; ++p) {
                const unsigned char c = *p;
                if (c == '\n')
                    m_skipToLineEnd = false;
                else if (c == 0x1A)
                    m_skipToLineEnd = true;
                else if (c == '/' && !m_skipToLineEnd && (p + 1 == end || mayStartKeyword(p[1])))
                    return p;
            }
        }
        return p;
    }

    // At a "/" reached while no match is under way: when the next bytes, free of
    // carriage returns, spell a whole keyword, records it and returns the byte after
    // it; when they spell none, no keyword starts here and the "/" is passed. Any
    // keyword further on begins at a later "/". nullptr: go byte by byte instead.
    const unsigned char* passKeywordAt(const unsigned char* p, const unsigned char* end)
    {
        constexpr std::size_t longest = 11;
        if (static_cast<std::size_t>(end - p) < longest || std::memchr(p + 1, '\r', longest - 1))
            return nullptr;
        const auto is = [p](std::string_view k) { return std::memcmp(p, k.data(), k.size()) == 0; };
        const auto found = [this](Match& m) {
            m_touched = true;
            if (!m.found) {
                m.found = true;
                m.awaitingNext = true;
            }
        };
        if (is("/Type/Page")) {
            found(m_typeNoBlank);
            return p + 10;
        }
        if (is("/Type /Page")) {
            found(m_typeBlank);
            return p + 11;
        }
        if (is("/Parent")) {
            found(m_parent);
            return p + 7;
        }
        if (is("/Count")) {
            m_touched = true;
            if (m_countPhase == CountPhase::Seek)
                m_countPhase = CountPhase::SeekDigit;
            return p + 6;
        }
        return p + 1;
    }

    // Moves to the end of a line that holds something and settles it. Returns the
    // byte after its line feed, a "/" that needs step(), the end, or nullptr when
    // the result became 0.
    const unsigned char* finishTouchedLine(const unsigned char* p, const unsigned char* end)
    {
        while (p < end) {
            if (m_skipToLineEnd) {
                const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
                if (!lf)
                    return end;
                return endLine() ? static_cast<const unsigned char*>(lf) + 1 : nullptr;
            }
            p = nextEvent(p, end);
            if (p == end)
                return p;
            if (*p == '\n')
                return endLine() ? p + 1 : nullptr;
            if (*p == '/')
                return p;
            m_skipToLineEnd = true;
            ++p;
        }
        return p;
    }

    bool idle() const
    {
        return (m_typeNoBlank.state | m_typeBlank.state | m_parent.state | m_count.state) == 0 &&
               !m_typeNoBlank.awaitingNext && !m_typeBlank.awaitingNext &&
               (m_countPhase == CountPhase::Seek || m_countPhase == CountPhase::Done);
    }

    void step(unsigned char c)
    {
        m_touched = true;
        if (m_typeNoBlank.awaitingNext) {
            m_typeNoBlank.awaitingNext = false;
            m_typeNoBlank.nextChar = c;
            if (c != 's') {
                // The first "/Type/Page" decides the line and it is a page line.
                m_skipToLineEnd = true;
                return;
            }
        }
        if (m_typeBlank.awaitingNext) {
            m_typeBlank.awaitingNext = false;
            m_typeBlank.nextChar = c;
        }
        if (!m_typeNoBlank.found)
            m_typeNoBlank.advance(PageTypeNoBlank, c);
        if (!m_typeBlank.found)
            m_typeBlank.advance(PageTypeBlank, c);
        if (!m_parent.found)
            m_parent.advance(ParentKeyword, c);

        const bool digit = c >= '0' && c <= '9';
        switch (m_countPhase) {
        case CountPhase::Seek:
            if (m_count.advance(CountKeyword, c))
                m_countPhase = CountPhase::SeekDigit;
            break;
        case CountPhase::SeekDigit:
            if (digit) {
                m_countPhase = CountPhase::Digits;
                m_countValue = static_cast<std::uint64_t>(c - '0');
            }
            break;
        case CountPhase::Digits:
            if (digit) {
                if (m_countValue <= static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
                    m_countValue = m_countValue * 10 + static_cast<std::uint64_t>(c - '0');
            } else {
                m_countPhase = CountPhase::Done;
            }
            break;
        case CountPhase::Done:
            break;
        }
        if (m_typeNoBlank.found && !m_typeNoBlank.awaitingNext && m_parent.found)
            m_skipToLineEnd = true; // a page-tree node below the root: nothing to count
    }

    // Settles the line that just ended; false when the whole result became 0.
    bool endLine()
    {
        if (!m_touched) {
            m_skipToLineEnd = false;
            return true;
        }
        const Match* type = m_typeNoBlank.found ? &m_typeNoBlank : m_typeBlank.found ? &m_typeBlank : nullptr;
        if (type) {
            if (type->awaitingNext || type->nextChar != 's') {
                ++m_pageLines;
            } else if (!m_parent.found &&
                       (m_countPhase == CountPhase::Digits || m_countPhase == CountPhase::Done)) {
                if (m_countValue > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
                    m_dead = true;
                } else {
                    ++m_rootLines;
                    m_rootCount = static_cast<std::int32_t>(m_countValue);
                }
            }
        }
        m_typeNoBlank = {};
        m_typeBlank = {};
        m_parent = {};
        m_count = {};
        m_countPhase = CountPhase::Seek;
        m_countValue = 0;
        m_skipToLineEnd = false;
        m_touched = false;
        return !m_dead;
    }

    Match m_typeNoBlank;
    Match m_typeBlank;
    Match m_parent;
    Match m_count;
    CountPhase m_countPhase = CountPhase::Seek;
    std::uint64_t m_countValue = 0;
    bool m_skipToLineEnd = false;
    bool m_touched = false; // step() saw a byte of this line
    bool m_dead = false;

    std::int64_t m_pageLines = 0;
    std::int64_t m_rootLines = 0;
    std::int32_t m_rootCount = 0;
};

std::int32_t scanFile(const std::string& fileName, std::size_t blockSize)
{
    try {
        const plat::ReadOnlyFile file(fileName);
        if (!file.isOpen() || !file.isRegular())
            return 0;
        file.adviseSequential();
        const std::size_t bufSize = std::max<std::size_t>(blockSize, 1);
        const auto buf = std::make_unique_for_overwrite<char[]>(bufSize);
        LineScanner scanner;
        for (std::uint64_t offset = 0;;) {
            const std::ptrdiff_t r = file.readAt(offset, buf.get(), bufSize);
            if (r < 0)
                return 0;
            if (r == 0)
                break;
            if (!scanner.feed(buf.get(), static_cast<std::size_t>(r)))
                return 0;
            offset += static_cast<std::uint64_t>(r);
        }
        return scanner.finish();
    } catch (...) {
        return 0;
    }
}

std::string openErrorText(const std::string& fileName, int error)
{
    return "Cannot open file \"" + fileName + "\". " + plat::errorText(error);
}

} // namespace

namespace pdfprobe_detail {

bool CheckPdfTailBytes(std::string_view bytes, std::size_t blockSize)
{
    return tailCheck(MemorySource(bytes), bytes.size(), blockSize);
}

bool IsPdfEncryptedBytes(std::string_view bytes, std::size_t blockSize)
{
    return encryptionCheck(MemorySource(bytes), bytes.size(), blockSize);
}

std::int32_t ScanPdfPageLinesChunked(std::string_view bytes, std::size_t blockSize)
{
    const std::size_t block = std::max<std::size_t>(blockSize, 1);
    LineScanner scanner;
    for (std::size_t at = 0; at < bytes.size(); at += block) {
        if (!scanner.feed(bytes.data() + at, std::min(block, bytes.size() - at)))
            return 0;
    }
    return scanner.finish();
}

bool UseScanVariant(ScanVariant variant)
{
    switch (variant) {
    case ScanVariant::Automatic:
        forcedBulkScan = nullptr;
        return true;
    case ScanVariant::Portable:
        forcedBulkScan = bulkScanPortable;
        return true;
#if defined(PLICORA_PROBE_X86)
    case ScanVariant::Sse2:
        forcedBulkScan = bulkScanSse2;
        return true;
    case ScanVariant::Avx2:
        if (!__builtin_cpu_supports("avx2"))
            return false;
        forcedBulkScan = bulkScanAvx2;
        return true;
#else
    case ScanVariant::Sse2:
    case ScanVariant::Avx2:
        return false;
#endif
    }
    return false;
}

bool CheckPdfTail(const std::string& fileName, std::size_t blockSize)
{
    const plat::ReadOnlyFile file(fileName);
    if (!file.isOpen())
        throw EPdfOpenError(openErrorText(fileName, file.error()));
    try {
        return tailCheck(file, file.size(), blockSize);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

std::int32_t ScanPdfPageLines(const std::string& fileName, std::size_t blockSize)
{
    return scanFile(fileName, blockSize);
}

bool IsPdfEncrypted(const std::string& fileName, std::size_t blockSize)
{
    try {
        const plat::ReadOnlyFile file(fileName);
        if (!file.isOpen())
            return false;
        return encryptionCheck(file, file.size(), blockSize);
    } catch (...) {
        return false;
    }
}

} // namespace pdfprobe_detail

bool CheckPdfTail(const std::string& fileName)
{
    return pdfprobe_detail::CheckPdfTail(fileName, pdfprobe_detail::DefaultBlockSize);
}

std::int32_t ScanPdfPageLines(const std::string& fileName)
{
    return scanFile(fileName, pdfprobe_detail::DefaultBlockSize);
}

std::int32_t ScanPdfPageLines(const char* data, std::size_t size)
{
    if (!data)
        return 0;
    LineScanner scanner;
    if (!scanner.feed(data, size))
        return 0;
    return scanner.finish();
}

bool IsPdfEncrypted(const std::string& fileName)
{
    return pdfprobe_detail::IsPdfEncrypted(fileName, pdfprobe_detail::DefaultBlockSize);
}
