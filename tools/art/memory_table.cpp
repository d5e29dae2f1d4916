#include "memory_table.h"

#include <QFile>
#include <QStringList>
#include <map>
#include <stdexcept>

#include "props.h"

namespace qm::art {

namespace {

struct TableError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const QString& what) { throw TableError(what.toStdString()); }

double Number(const QString& text, const QString& key) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok) Fail(key + " wants a number, not " + text);
    return value;
}

QPointF Point(const QString& text, const QString& key) {
    const QStringList xy = text.split(',');
    if (xy.size() != 2) Fail(key + " wants X,Y, not " + text);
    return {Number(xy[0], key), Number(xy[1], key)};
}

// An arm by name, or as UPPER/FORE degrees, or one angle for a straight arm.
Arm ArmOf(const QString& word) {
    static const std::map<QString, Arm> kArms = {
        {"down", Straight(12)},   {"out", Straight(60)},   {"wave", Straight(125, 1.2)}, {"up", Straight(140, 1.45)},
        {"point", Straight(100)}, {"reach", Straight(75)}, {"hold", {35, -60}},          {"chest", {20, -110}},
        {"mouth", {110, -105}},   {"eye", {120, -120}},    {"head", {160, 170}},         {"hips", {60, -30}},
        {"fist", {95, 175, 1.2}}, {"across", {15, -95}},   {"behind", {0, 0, 1, false}},
    };
    if (const auto found = kArms.find(word); found != kArms.end()) return found->second;
    const QStringList parts = word.split('/');
    if (parts.size() == 1) return Straight(Number(word, "arms"));
    if (parts.size() == 2) return {Number(parts[0], "arms"), Number(parts[1], "arms")};
    Fail("no such arm: " + word);
}

Expression FaceOf(const QString& word) {
    static const std::map<QString, Expression> kFaces = {
        {"normal", Expression::Normal}, {"smile", Expression::Smile},         {"angry", Expression::Angry},
        {"cry", Expression::Crying},    {"surprised", Expression::Surprised}, {"sleep", Expression::Asleep},
        {"open", Expression::Open},
    };
    if (const auto found = kFaces.find(word); found != kFaces.end()) return found->second;
    Fail("no such face: " + word);
}

Posture PostureOf(const QString& word) {
    static const std::map<QString, Posture> kPostures = {
        {"stand", Posture::Stand}, {"sit", Posture::Sit}, {"kneel", Posture::Kneel}, {"lie", Posture::Lie}};
    if (const auto found = kPostures.find(word); found != kPostures.end()) return found->second;
    Fail("no such pose: " + word);
}

Anchor AnchorOf(const QString& word) {
    static const std::map<QString, Anchor> kAnchors = {{"left", Anchor::LeftHand},   {"right", Anchor::RightHand},
                                                       {"hands", Anchor::BothHands}, {"head", Anchor::HeadTop},
                                                       {"mouth", Anchor::Mouth},     {"lap", Anchor::Lap}};
    if (const auto found = kAnchors.find(word); found != kAnchors.end()) return found->second;
    Fail("no such place on a fairy: " + word);
}

int FairyNamed(const QString& name) {
    for (int f = 0; f < kFairyCount; ++f)
        if (Cast()[f].name == name) return f;
    Fail("no such fairy: " + name);
}

// key=value words after the first two; a word without = is a flag.
std::map<QString, QString> Settings(const QStringList& words, int from) {
    std::map<QString, QString> settings;
    for (int i = from; i < words.size(); ++i) {
        const int equals = words[i].indexOf('=');
        const QString key = equals < 0 ? words[i] : words[i].left(equals);
        if (!settings.emplace(key, equals < 0 ? QString() : words[i].mid(equals + 1)).second)
            Fail(key + " given twice");
    }
    return settings;
}

// Takes a setting out, so that whatever is left over was not understood.
QString Take(std::map<QString, QString>& settings, const QString& key) {
    const auto found = settings.find(key);
    if (found == settings.end()) return {};
    const QString value = found->second.isEmpty() ? key : found->second;
    settings.erase(found);
    return value;
}

void RequireNothingLeft(const std::map<QString, QString>& settings) {
    if (!settings.empty()) Fail("not understood: " + settings.begin()->first);
}

Figure ReadFigure(const QStringList& words) {
    Figure figure;
    figure.fairy = FairyNamed(words[1]);
    auto settings = Settings(words, 2);
    const QString at = Take(settings, "at");
    if (at.isEmpty()) Fail("a fairy needs at=X,Y");
    figure.feet = Point(at, "at");
    if (const QString v = Take(settings, "size"); !v.isEmpty()) figure.size = Number(v, "size");
    if (const QString v = Take(settings, "turn"); !v.isEmpty()) figure.turn = figure.pose.turned = Number(v, "turn");
    if (const QString v = Take(settings, "fly"); !v.isEmpty()) figure.lift = Number(v, "fly");
    Pose& pose = figure.pose;
    if (const QString v = Take(settings, "pose"); !v.isEmpty()) pose.posture = PostureOf(v);
    if (const QString v = Take(settings, "arms"); !v.isEmpty()) {
        const QStringList arms = v.split(',');
        if (arms.size() != 2) Fail("arms wants LEFT,RIGHT, not " + v);
        pose.left = ArmOf(arms[0]);
        pose.right = ArmOf(arms[1]);
    }
    if (const QString v = Take(settings, "face"); !v.isEmpty()) pose.expression = FaceOf(v);
    if (const QString v = Take(settings, "tilt"); !v.isEmpty()) pose.headTilt = Number(v, "tilt");
    if (const QString v = Take(settings, "wings"); !v.isEmpty()) {
        const QStringList wings = v.split(',');
        pose.wingFlap = Number(wings[0], "wings");
        if (wings.size() > 1) pose.wingSpan = Number(wings[1], "wings");
    }
    if (const QString v = Take(settings, "marks"); !v.isEmpty())
        for (const QString& word : v.split('+')) {
            Mark mark;
            if (!MarkNamed(word, mark)) Fail("no such mark: " + word);
            pose.marks.push_back(mark);
        }
    pose.glowing = !Take(settings, "glow").isEmpty();
    pose.headwear = Take(settings, "bare").isEmpty();
    RequireNothingLeft(settings);
    return figure;
}

Prop ReadProp(const QStringList& words, const std::vector<Item>& items, bool (*isProp)(const QString&)) {
    Prop prop;
    prop.name = words[1];
    if (!isProp(prop.name)) Fail("no such thing to draw: " + prop.name);
    auto settings = Settings(words, 2);
    if (const QString v = Take(settings, "at"); !v.isEmpty()) prop.at = Point(v, "at");
    if (const QString v = Take(settings, "size"); !v.isEmpty()) prop.size = Number(v, "size");
    if (const QString v = Take(settings, "turn"); !v.isEmpty()) prop.turn = Number(v, "turn");
    prop.mirrored = !Take(settings, "flip").isEmpty();
    if (const QString v = Take(settings, "on"); !v.isEmpty()) {
        const QStringList holder = v.split(':');
        if (holder.size() != 2) Fail("on wants FAIRY:PLACE, not " + v);
        const int fairy = FairyNamed(holder[0]);
        for (int i = int(items.size()) - 1; i >= 0 && prop.holder < 0; --i)
            if (items[i].isFigure && items[i].figure.fairy == fairy) prop.holder = i;
        if (prop.holder < 0) Fail(holder[0] + " is not in the picture before this line");
        prop.anchor = AnchorOf(holder[1]);
    }
    RequireNothingLeft(settings);
    return prop;
}

MemoryPlan ReadHeading(const QStringList& words) {
    MemoryPlan plan;
    plan.name = words[0];
    if (words.size() < 2 || !SceneNamed(words[1], plan.scene))
        Fail("a picture's line wants NAME SCENE, the scene one of the scene pictures");
    auto settings = Settings(words, 2);
    if (const QString v = Take(settings, "light"); !v.isEmpty() && !LightNamed(v, plan.light))
        Fail("no such light: " + v);
    if (const QString v = Take(settings, "weather"); !v.isEmpty() && !WeatherNamed(v, plan.weather))
        Fail("no such weather: " + v);
    RequireNothingLeft(settings);
    return plan;
}

QString WithoutComment(const QString& line) {
    for (int i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || line[i - 1].isSpace())) return line.left(i);
    return line;
}

}  // namespace

MemoryTable ReadMemoryTable(const QString& text, bool (*isProp)(const QString&)) {
    MemoryTable table;
    const QStringList lines = text.split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = WithoutComment(lines[n]);
        const QStringList words = line.simplified().split(' ', Qt::SkipEmptyParts);
        if (words.isEmpty()) continue;
        try {
            if (!line[0].isSpace()) {
                for (const MemoryPlan& plan : table.plans)
                    if (plan.name == words[0]) Fail(words[0] + " is already in the table");
                table.plans.push_back(ReadHeading(words));
                continue;
            }
            if (table.plans.empty()) Fail("an indented line before the first picture");
            std::vector<Item>& items = table.plans.back().items;
            if (words[0] == "fairy" && words.size() > 1) {
                items.push_back({true, ReadFigure(words), {}});
            } else if (words[0] == "prop" && words.size() > 1) {
                items.push_back({false, {}, ReadProp(words, items, isProp)});
            } else {
                Fail("expected: fairy NAME ... or prop NAME ...");
            }
        } catch (const TableError& e) {
            table.error = "line " + QString::number(n + 1) + ": " + QString::fromStdString(e.what());
            table.plans.clear();
            return table;
        }
    }
    return table;
}

const MemoryTable& ShippedMemoryTable() {
    static const MemoryTable table = [] {
        QFile file(":/art/memories.txt");
        if (!file.open(QIODevice::ReadOnly)) return MemoryTable{{}, "the memory table is not built in"};
        return ReadMemoryTable(QString::fromUtf8(file.readAll()), IsProp);
    }();
    return table;
}

const MemoryPlan* FindPlan(const QString& name) {
    for (const MemoryPlan& plan : ShippedMemoryTable().plans)
        if (plan.name == name) return &plan;
    return nullptr;
}

}  // namespace qm::art
