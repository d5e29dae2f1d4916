#include "rules/names.h"

#include <string_view>

#include "core/random_source.h"

namespace qm {
namespace {

// Names are drawn from the first 46 letters only: the last, "ー", never
// comes. Every letter takes three bytes in UTF-8.
constexpr std::string_view kNameAlphabet =
    "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをんー";
constexpr std::size_t kLetterBytes = 3;
constexpr int kDrawnLetters = kNameAlphabet.size() / kLetterBytes - 1;
static_assert(kDrawnLetters == 46);

}  // namespace

std::string MakeName(RandomSource& random, int length) {
    std::string name;
    for (int i = 0; i < length; ++i)
        name += kNameAlphabet.substr(random.Draw(kDrawnLetters) * kLetterBytes, kLetterBytes);
    return name;
}

}  // namespace qm
