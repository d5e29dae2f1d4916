#include "world/world_parts.h"

#include <charconv>
#include <limits>
#include <sstream>

#include "core/save_numbers.h"

namespace qm {
namespace {

// The columns come back from the save as text: they read as its numbers
// do, and anything beyond an int as 0.
int NumberOf(std::string_view text) {
    return ReadSaveNumber(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()).value_or(0);
}

}  // namespace

EmotionItem MakeItem(int emotion, std::string_view emotionName) {
    return {emotion, std::to_string(emotion) + " " + std::string(emotionName)};
}

EmotionItem ItemOfRow(std::string row) {
    const int emotion = EmotionOfItem(row);
    return {emotion, std::move(row)};
}

int EmotionOfItem(std::string_view item) {
    const std::string_view first = item.substr(0, item.find(' '));
    int value = -1;
    const auto [end, error] = std::from_chars(first.data(), first.data() + first.size(), value);
    return error == std::errc() && end == first.data() + first.size() ? value : -1;
}

WorldColumns ColumnsOf(const WorldPart& part) {
    if (part.saved) return *part.saved;
    std::string counts;
    for (const int count : part.counts) counts += (counts.empty() ? "" : " ") + std::to_string(count);
    // A part made in play has the race of an option button.
    const std::string race = part.race >= 0 && part.race < kRaces ? std::string(kRaceNames[part.race]) : "";
    return {part.name + "【" + race + "】", part.name, counts, std::to_string(part.race)};
}

WorldPart WorldPartOf(WorldColumns columns) {
    WorldPart part;
    part.name = columns[1];
    std::istringstream counts(columns[2]);
    std::string count;
    for (int& value : part.counts)
        if (std::getline(counts, count, ' ')) value = NumberOf(count);
    part.race = NumberOf(columns[3]);
    part.saved = std::move(columns);
    return part;
}

}  // namespace qm
