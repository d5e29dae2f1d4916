#include "core/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace qm {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from)
        : cd_(iconv_open(to, from)), utf8Source_(std::string_view(from) == "UTF-8") {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("no text converter from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of in, appending to out; on a byte sequence that cannot
    // be converted, appends replacement, skips one input byte, and goes on.
    bool Run(std::string_view in, std::string& out, std::string_view replacement) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        bool clean = true;
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[4096];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, dst);
            if (r != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
            clean = false;
            out.append(replacement);
            SkipOne(src, srcLeft);
        }
        return clean;
    }

private:
    // In UTF-8 a whole character is skipped, so one bad character gives
    // one replacement; in CP932 a single byte, so the next one resyncs.
    void SkipOne(char*& src, std::size_t& left) {
        std::size_t n = 1;
        while (utf8Source_ && n < left && (static_cast<unsigned char>(src[n]) & 0xC0) == 0x80) ++n;
        src += n;
        left -= n;
    }

    iconv_t cd_;
    bool utf8Source_;
};

Converter& Decoder() {
    thread_local Converter decoder("UTF-8", "CP932");
    return decoder;
}

Converter& Encoder() {
    thread_local Converter encoder("CP932", "UTF-8");
    return encoder;
}

// A byte that does not read as CP932 text stands in the text as the
// private-use character U+F700 + byte, which CP932 never reads to and which
// is written back as that byte. In UTF-8: EF, 9C + the top two bits, 80 +
// the low six.
constexpr unsigned char kStandInLead = 0xEF;
constexpr unsigned char kStandInSecond = 0x9C;

std::string StandIn(unsigned char byte) {
    return {static_cast<char>(kStandInLead), static_cast<char>(kStandInSecond | (byte >> 6)),
            static_cast<char>(0x80 | (byte & 0x3F))};
}

// The byte a stand-in at text[at] holds, or -1 when none starts there.
int StandInAt(std::string_view text, std::size_t at) {
    if (at + 2 >= text.size() || static_cast<unsigned char>(text[at]) != kStandInLead) return -1;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    const auto third = static_cast<unsigned char>(text[at + 2]);
    if ((second & 0xFC) != kStandInSecond || (third & 0xC0) != 0x80) return -1;
    return ((second & 0x03) << 6) | (third & 0x3F);
}

bool IsLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// Whether the text is written back as exactly these bytes.
bool WritesAs(std::string_view text, std::string_view bytes) {
    std::string again;
    return Utf8ToCp932(text, again) && again == bytes;
}

// One character at a time: each that reads and writes back the same stays
// text, each byte of the rest becomes a stand-in.
std::string DecodeByCharacter(std::string_view bytes) {
    std::string out;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = IsLeadByte(static_cast<unsigned char>(bytes[at])) && at + 1 < bytes.size() ? 2 : 1;
        const std::string_view unit = bytes.substr(at, length);
        std::string character;
        if (Decoder().Run(unit, character, "") && WritesAs(character, unit)) {
            out += character;
            at += length;
        } else {
            out += StandIn(static_cast<unsigned char>(bytes[at]));
            ++at;
        }
    }
    return out;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
    std::string out;
    if (Decoder().Run(bytes, out, "") && WritesAs(out, bytes)) return out;
    return DecodeByCharacter(bytes);
}

bool IsCp932(std::string_view bytes) {
    std::string out;
    return Decoder().Run(bytes, out, "");
}

bool Utf8ToCp932(std::string_view text, std::string& out) {
    out.clear();
    bool clean = true;
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const int byte = StandInAt(text, at);
        if (byte < 0) continue;
        clean = Encoder().Run(text.substr(start, at - start), out, "?") && clean;
        out += static_cast<char>(byte);
        start = at + 3;
        at += 2;
    }
    return Encoder().Run(text.substr(start), out, "?") && clean;
}

}  // namespace qm
