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

    // Converts all of in; on a byte sequence that cannot be converted,
    // appends replacement, skips one input byte, and goes on.
    bool Run(std::string_view in, std::string& out, std::string_view replacement) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.clear();
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

}  // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
    std::string out;
    Decoder().Run(bytes, out, "\xEF\xBF\xBD");
    return out;
}

bool IsCp932(std::string_view bytes) {
    std::string out;
    return Decoder().Run(bytes, out, "");
}

bool Utf8ToCp932(std::string_view text, std::string& out) {
    thread_local Converter encoder("CP932", "UTF-8");
    return encoder.Run(text, out, "?");
}

}  // namespace qm
