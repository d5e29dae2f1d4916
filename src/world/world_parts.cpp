#include "world/world_parts.h"

#include <charconv>
#include <sstream>

#include "ui/form.h"

namespace qm {
namespace {

// The leading integer of a text after any blanks, or 0.
int LeadingNumber(std::string_view text) {
    const auto start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return 0;
    int value = 0;
    std::from_chars(text.data() + start, text.data() + text.size(), value);
    return value;
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
            if (std::getline(counts, count, ' ')) value = LeadingNumber(count);
        part.race = LeadingNumber(RowOf(form.LstWorldItem[3], row));
    }
    return parts;
}

}  // namespace qm
