#include "world/world_parts.h"

#include <charconv>
#include <limits>
#include <sstream>

#include "core/save_numbers.h"
#include "ui/form.h"

namespace qm {
namespace {

// The rows come back from the save as text: they read as its numbers do,
// and anything beyond an int as 0.
int NumberOf(std::string_view text) {
    return ReadSaveNumber(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()).value_or(0);
}

std::string RowOf(const Control& list, std::size_t row) { return row < list.list.size() ? list.list[row] : ""; }

}  // namespace

int EmotionOfItem(std::string_view item) {
    const std::string_view first = item.substr(0, item.find(' '));
    int value = -1;
    const auto [end, error] = std::from_chars(first.data(), first.data() + first.size(), value);
    return error == std::errc() && end == first.data() + first.size() ? value : -1;
}

void AppendWorldPart(Form& form, const WorldPart& part) {
    std::string counts;
    for (const int count : part.counts) counts += (counts.empty() ? "" : " ") + std::to_string(count);
    form.LstWorldItem[0].list.push_back(part.name + "【" + form.OptKan[part.race].caption + "】");
    form.LstWorldItem[1].list.push_back(part.name);
    form.LstWorldItem[2].list.push_back(counts);
    form.LstWorldItem[3].list.push_back(std::to_string(part.race));
}

std::vector<WorldPart> WorldPartsOf(const Form& form) {
    std::vector<WorldPart> parts(form.LstWorldItem[0].list.size());
    for (std::size_t row = 0; row < parts.size(); ++row) {
        WorldPart& part = parts[row];
        part.name = RowOf(form.LstWorldItem[1], row);
        std::istringstream counts(RowOf(form.LstWorldItem[2], row));
        std::string count;
        for (int& value : part.counts)
            if (std::getline(counts, count, ' ')) value = NumberOf(count);
        part.race = NumberOf(RowOf(form.LstWorldItem[3], row));
    }
    return parts;
}

}  // namespace qm
