#include "core/save_contents.h"

#include <limits>

#include "core/game_state.h"
#include "core/save_numbers.h"

namespace qm {
namespace {

constexpr const char* kNumbers = "all.dat";
constexpr const char* kItems = "lstkan.dat";
constexpr const char* kDish = "lstitem.dat";
constexpr const char* kWorld = "lstworld.dat";

// all.dat: affection, points used, game length, the three slots' red, green
// and blue, the selected slot; then the solo counts, which older saves lack.
constexpr std::size_t kRequiredNumbers = 20;
constexpr int kWorldColumns = 4;

std::vector<std::string> NumberLines(const GameState& s) {
    std::vector<std::string> lines;
    for (const std::int16_t value : s.Affection) lines.push_back(SaveNumber(value));
    lines.push_back(SaveNumber(s.PointsUsed));
    lines.push_back(SaveNumber(s.PointLimit));
    for (const auto& slot : s.SlotColour)
        for (const std::int16_t value : slot) lines.push_back(SaveNumber(value));
    lines.push_back(SaveNumber(s.SelectedSlot));
    for (const std::int16_t value : s.SoloCount) lines.push_back(SaveNumber(value));
    return lines;
}

std::vector<std::string> ItemLines(const std::vector<EmotionItem>& items) {
    std::vector<std::string> lines;
    for (const EmotionItem& item : items) lines.push_back(item.row);
    return lines;
}

std::vector<std::string> WorldLines(const std::vector<WorldPart>& world) {
    std::vector<std::string> lines;
    for (const WorldPart& part : world) {
        const WorldColumns columns = ColumnsOf(part);
        std::string line = columns[0];
        for (int column = 1; column < kWorldColumns; ++column) line += "," + columns[column];
        lines.push_back(line);
    }
    return lines;
}

// Reads the numbers of all.dat in their order, each checked against its
// range; the first that does not fit is the problem.
class NumberReader {
public:
    NumberReader(const std::vector<std::string>& lines, std::string path) : lines_(lines), path_(std::move(path)) {}

    template <class T>
    bool Next(T& value, int lowest = std::numeric_limits<T>::min(), int highest = std::numeric_limits<T>::max()) {
        const auto number = at_ < lines_.size() ? ReadSaveNumber(lines_[at_], lowest, highest) : std::nullopt;
        if (!number) return false;
        value = static_cast<T>(*number);
        ++at_;
        return true;
    }

    LoadProblem Problem(const std::string& range) const {
        return {path_ + " の" + std::to_string(at_ + 1) + "行目", "数が範囲（" + range + "）の外です。"};
    }

private:
    const std::vector<std::string>& lines_;
    std::string path_;
    std::size_t at_ = 0;
};

std::optional<LoadProblem> ReadNumbers(const std::vector<std::string>& lines, const std::string& path,
                                       SavedGame& saved) {
    if (lines.size() < kRequiredNumbers)
        return LoadProblem{path, "行が足りません（" + std::to_string(kRequiredNumbers) + "行必要です）。"};
    NumberReader reader(lines, path);
    const std::string range16 = "-32768～32767";
    for (auto& value : saved.affection)
        if (!reader.Next(value)) return reader.Problem(range16);
    if (!reader.Next(saved.pointsUsed) || !reader.Next(saved.pointLimit)) return reader.Problem(range16);
    for (auto& slot : saved.slotColour)
        for (auto& value : slot)
            if (!reader.Next(value)) return reader.Problem(range16);
    // The selected slot picks one of three boxes; anything else would point
    // at no box at all.
    if (!reader.Next(saved.selectedSlot, 1, 3)) return reader.Problem("1～3");
    for (auto& value : saved.soloCount) {
        if (!reader.Next(value)) break;
        ++saved.soloCountsRead;
    }
    return std::nullopt;
}

std::optional<LoadProblem> ReadWorld(const std::vector<std::string>& lines, const std::string& path, SavedGame& saved) {
    for (std::size_t row = 0; row < lines.size(); ++row) {
        WorldColumns columns;
        std::size_t start = 0;
        int column = 0;
        for (; column < kWorldColumns && start != std::string::npos; ++column) {
            const std::size_t comma = lines[row].find(',', start);
            columns[column] = lines[row].substr(start, comma == std::string::npos ? comma : comma - start);
            start = comma == std::string::npos ? comma : comma + 1;
        }
        if (column < kWorldColumns)
            return LoadProblem{path + " の" + std::to_string(row + 1) + "行目", "「,」で区切った項目が4つありません。"};
        saved.world.push_back(WorldPartOf(std::move(columns)));
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> SaveFileNames() { return {kNumbers, kItems, kDish, kWorld}; }

std::vector<FileLines> SaveFilesOf(const GameState& s) {
    return {
        {kNumbers, NumberLines(s)},
        {kItems, ItemLines(s.Items)},
        {kDish, ItemLines(s.Dish)},
        {kWorld, WorldLines(s.World)},
    };
}

std::variant<SavedGame, LoadProblem> ReadSavedGame(TextFiles& files, int number, const std::string& folder) {
    std::array<std::vector<std::string>, 4> contents;
    const auto names = SaveFileNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        auto lines = ReadLines(files, number, folder + names[i]);
        if (!lines) return LoadProblem{folder + names[i], "ファイルを読めませんでした。"};
        contents[i] = std::move(*lines);
    }
    SavedGame saved;
    if (auto problem = ReadNumbers(contents[0], folder + kNumbers, saved)) return *problem;
    for (std::string& row : contents[1]) saved.items.push_back(ItemOfRow(std::move(row)));
    for (std::string& row : contents[2]) saved.dish.push_back(ItemOfRow(std::move(row)));
    if (auto problem = ReadWorld(contents[3], folder + kWorld, saved)) return *problem;
    return saved;
}

}  // namespace qm
