// The memory table: how a picture's line and the lines under it become a
// plan, the line a mistake is reported on, and the shipped table drawing
// every memory picture with its own fairies and something of its story.

#include "memory_table.h"

#include <gtest/gtest.h>

#include <set>

#include "catalogue.h"
#include "props.h"

namespace qm::art {
namespace {

bool AnyOfTwoProps(const QString& name) { return name == "book" || name == "moon"; }

MemoryTable Read(const QString& text) { return ReadMemoryTable(text, AnyOfTwoProps); }

// The line number a table's mistake names, or 0 if it was read.
int ErrorLine(const QString& text) {
    const MemoryTable table = Read(text);
    if (table.error.isEmpty()) return 0;
    EXPECT_TRUE(table.plans.empty());
    return table.error.section(':', 0, 0).mid(5).toInt();  // "line N: ..."
}

int FairyIndex(const QString& name) {
    for (int f = 0; f < kFairyCount; ++f)
        if (Cast()[f].name == name) return f;
    return -1;
}

TEST(MemoryTableTest, APictureLineAndTheThingsInIt) {
    const MemoryTable table = Read(
        "# a comment\n"
        "034 night light=dusk weather=snow\n"
        "  prop moon at=379,69 size=1.5 turn=10 flip  # the moon\n"
        "  fairy ササン at=130,330 size=0.9 turn=90 fly=12 pose=sit arms=hold,20/-90 face=sleep tilt=8 "
        "wings=10,1.5 marks=zzz+tears glow bare\n"
        "  fairy ニィムディム at=280,334\n"
        "  prop book on=ササン:hands at=0,-2\n"
        "\n"
        "end3 nightlake\n");
    ASSERT_TRUE(table.error.isEmpty()) << table.error.toStdString();
    ASSERT_EQ(table.plans.size(), 2u);
    const MemoryPlan& plan = table.plans[0];
    EXPECT_EQ(plan.name, "034");
    EXPECT_EQ(plan.scene, Scene::Night);
    EXPECT_EQ(plan.light, Light::Dusk);
    EXPECT_EQ(plan.weather, Weather::Snow);
    ASSERT_EQ(plan.items.size(), 4u);
    const Prop& moon = plan.items[0].prop;
    EXPECT_FALSE(plan.items[0].isFigure);
    EXPECT_EQ(moon.at, QPointF(379, 69));
    EXPECT_EQ(moon.size, 1.5);
    EXPECT_EQ(moon.turn, 10);
    EXPECT_TRUE(moon.mirrored);
    EXPECT_EQ(moon.holder, -1);
    const Figure& sasan = plan.items[1].figure;
    EXPECT_EQ(sasan.fairy, FairyIndex("ササン"));
    EXPECT_EQ(sasan.feet, QPointF(130, 330));
    EXPECT_EQ(sasan.lift, 12);
    EXPECT_EQ(sasan.pose.posture, Posture::Sit);
    EXPECT_EQ(sasan.pose.right.upper, 20);
    EXPECT_EQ(sasan.pose.right.fore, -90);
    EXPECT_EQ(sasan.pose.expression, Expression::Asleep);
    EXPECT_EQ(sasan.pose.wingSpan, 1.5);
    EXPECT_EQ(sasan.pose.marks, (std::vector<Mark>{Mark::Zzz, Mark::Tears}));
    EXPECT_EQ(sasan.pose.turned, 90);  // so that the signs stay upright
    EXPECT_TRUE(sasan.pose.glowing);
    EXPECT_FALSE(sasan.pose.headwear);
    // Unset, a fairy stands plainly at size 1.
    const Figure& nimdim = plan.items[2].figure;
    EXPECT_EQ(nimdim.size, 1);
    EXPECT_EQ(nimdim.pose.posture, Posture::Stand);
    EXPECT_EQ(nimdim.pose.expression, Expression::Normal);
    // A held thing hangs on its holder.
    const Prop& book = plan.items[3].prop;
    EXPECT_EQ(book.holder, 1);
    EXPECT_EQ(book.anchor, Anchor::BothHands);
    EXPECT_EQ(book.at, QPointF(0, -2));
    EXPECT_EQ(table.plans[1].scene, Scene::NightLake);
    EXPECT_TRUE(table.plans[1].items.empty());
}

TEST(MemoryTableTest, MistakesNameTheirLine) {
    const QString head = "012 forest\n";
    EXPECT_EQ(ErrorLine(head + "  fairy ササン at=1,2\n"), 0);
    EXPECT_EQ(ErrorLine("012 meadow\n"), 1);
    EXPECT_EQ(ErrorLine("012\n"), 1);
    EXPECT_EQ(ErrorLine("012 forest light=noon\n"), 1);
    EXPECT_EQ(ErrorLine("012 forest weather=hail\n"), 1);
    EXPECT_EQ(ErrorLine("012 forest colour=red\n"), 1);
    EXPECT_EQ(ErrorLine("  fairy ササン at=1,2\n012 forest\n"), 1);
    EXPECT_EQ(ErrorLine(head + "\n013 lake\n012 hill\n"), 4);
    EXPECT_EQ(ErrorLine(head + "  fairy ササン\n"), 2);
    EXPECT_EQ(ErrorLine(head + "  fairy タロー at=1,2\n"), 2);
    EXPECT_EQ(ErrorLine(head + "  fairy ササン at=1\n"), 2);
    EXPECT_EQ(ErrorLine(head + "  fairy ササン at=1,2 size=big\n"), 2);
    EXPECT_EQ(ErrorLine(head + "  fairy ササン at=1,2 pose=dance\n"), 2);
    EXPECT_EQ(ErrorLine(head + "  fairy ササン at=1,2 arms=down\n"), 2);
    EXPECT_EQ(ErrorLine(head + "  fairy ササン at=1,2 arms=down,flap\n"), 2);
    EXPECT_EQ(ErrorLine(head + "  fairy ササン at=1,2 face=grin\n"), 2);
    EXPECT_EQ(ErrorLine(head + "  fairy ササン at=1,2 marks=zzz+stars\n"), 2);
    EXPECT_EQ(ErrorLine(head + "  fairy ササン at=1,2 at=3,4\n"), 2);
    EXPECT_EQ(ErrorLine(head + "  fairy ササン at=1,2 hat=on\n"), 2);
    EXPECT_EQ(ErrorLine(head + "  prop lantern at=1,2\n"), 2);
    EXPECT_EQ(ErrorLine(head + "  prop book on=マー:hands\n"), 2);  // マー is not in the picture
    EXPECT_EQ(ErrorLine(head + "  fairy マー at=1,2\n  prop book on=マー:foot\n"), 3);
    EXPECT_EQ(ErrorLine(head + "  prop book on=マー\n"), 2);
    EXPECT_EQ(ErrorLine(head + "  dance\n"), 2);
}

TEST(MemoryTableTest, AMissingOrStrayPictureKeepsTheTableFromBeingDrawn) {
    EXPECT_EQ(MemoryTableProblem(Read("012 forest\n  fairy マー\n")).left(21), "memories.txt: line 2:");
    QString all;
    for (const QString& name : MemoryNames()) all += name + " hill\n";
    EXPECT_EQ(MemoryTableProblem(Read(all)), "");
    EXPECT_EQ(MemoryTableProblem(Read(QString(all).replace("end4 hill\n", ""))), "memories.txt: no picture end4");
    EXPECT_EQ(MemoryTableProblem(Read(all + "end8 hill\n")), "memories.txt: no event shows a picture end8");
}

// The fairies a memory picture's name says were there: "027" is fairies 0,
// 2 and 7, "end3" fairy 3 alone.
std::set<int> FairiesOfName(const QString& name) {
    std::set<int> fairies;
    for (QChar digit : name.startsWith("end") ? name.mid(3) : name) fairies.insert(digit.digitValue());
    return fairies;
}

// Each picture shows its own fairies, inside the picture, and something of
// its story: a thing from it, or someone sitting, lying, flying, spreading
// wings or showing a sign of what they feel.
TEST(MemoryTableTest, EveryShippedPictureShowsItsFairiesWithSomethingOfItsStory) {
    const MemoryTable& table = ShippedMemoryTable();
    ASSERT_EQ(MemoryTableProblem(table), "");
    const QRectF picture(0, 0, 480, 360);
    for (const MemoryPlan& plan : table.plans) {
        std::set<int> shown;
        bool story = false;  // a thing of the story, or someone doing something
        for (const Item& item : plan.items) {
            if (!item.isFigure) {
                story = true;
                continue;
            }
            const Figure& figure = item.figure;
            EXPECT_TRUE(shown.insert(figure.fairy).second) << plan.name.toStdString() << ": a fairy twice";
            EXPECT_TRUE(picture.contains(figure.feet)) << plan.name.toStdString();
            const Pose plain;
            story = story || figure.pose.posture != plain.posture || figure.lift > 0 ||
                    figure.pose.wingSpan != plain.wingSpan || !figure.pose.marks.empty();
        }
        EXPECT_EQ(shown, FairiesOfName(plan.name)) << plan.name.toStdString();
        EXPECT_TRUE(story) << plan.name.toStdString();
    }
}

// The farewells each have a place and a light of their own.
TEST(MemoryTableTest, EveryFarewellHasAPlaceOfItsOwn) {
    std::set<std::pair<Scene, Light>> places;
    for (int f = 0; f < kFairyCount; ++f) {
        const MemoryPlan* plan = FindPlan("end" + QString::number(f));
        ASSERT_NE(plan, nullptr);
        EXPECT_TRUE(places.insert({plan->scene, plan->light}).second) << f;
    }
}

}  // namespace
}  // namespace qm::art
