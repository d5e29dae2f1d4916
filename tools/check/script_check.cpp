#include "script_check.h"

#include <optional>

#include "rules/script_lines.h"

namespace qm::check {
namespace {

// Walks an event the way the runner steps it. Scripts do not branch, so
// the walk sees every line the game executes and the picture the event
// holds at each of them.
class ScriptWalk {
public:
    ScriptWalk(const std::string& file, const std::string& picture, Report& report, Named& named)
        : file_(file), picture_(picture), report_(report), named_(named) {}

    // False once the line has ended the event.
    bool Step(const std::string& line, int number) {
        const Place here{file_, number};
        switch (KindOf(line)) {
            case LineKind::Speaker:
                if (const auto face = FaceOf(line)) named_.faces.emplace(*face, here);
                return true;
            case LineKind::Emotion:
                CountItem(line, here);
                return true;
            case LineKind::Scene:
                if (const auto scene = Needed(line, here, ">img without a scene name"))
                    named_.scenes.emplace(*scene, here);
                return true;
            case LineKind::PictureNow:
                if (const auto name = PictureNameOf(line)) picture_ = *name;
                Award(here);
                return true;
            case LineKind::Chain:
                if (const auto event = Needed(line, here, ">ive without an event name"))
                    named_.chains.emplace_back(*event, here);
                return false;
            case LineKind::EndOfScript:
                Award(here);
                return false;
            case LineKind::Chronicle:
            case LineKind::EndingBranch:
                return false;
            default:
                return true;
        }
    }

    // The file ran out: the runner acts as if "tugi" followed.
    void End() { Award({file_}); }

private:
    void CountItem(const std::string& line, const Place& here) {
        const int emotion = EmotionOf(line);
        if (emotion < 0)
            report_.Add(here, ">k> without an emotion digit 0 to 4");
        else
            ++report_.tally->items[emotion];
    }

    // The argument of a tag that needs one; a tag without it is reported.
    std::optional<std::string> Needed(const std::string& line, const Place& here, const char* problem) {
        std::string argument = ArgumentOf(line);
        if (!argument.empty()) return argument;
        report_.Add(here, problem);
        return std::nullopt;
    }

    void Award(const Place& here) {
        if (!picture_.empty()) named_.memoryPictures.emplace(picture_, here);
    }

    const std::string& file_;
    std::string picture_;
    Report& report_;
    Named& named_;
};

}  // namespace

void CheckScript(const std::string& file, const std::vector<std::string>& lines, const std::string& startPicture,
                 Report& report, Named& named) {
    ++report.tally->events;
    report.tally->lines += static_cast<int>(lines.size());
    ScriptWalk walk(file, startPicture, report, named);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (walk.Step(lines[i], number)) continue;
        const std::size_t unread = lines.size() - number;
        if (unread == 1) report.Add({file, number}, "ends the event, so the line after it is never read");
        if (unread > 1)
            report.Add({file, number},
                       "ends the event, so the " + std::to_string(unread) + " lines after it are never read");
        return;
    }
    walk.End();
}

}  // namespace qm::check
