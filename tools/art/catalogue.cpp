#include "catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "memory.h"
#include "portrait.h"
#include "scene.h"

namespace qm::art {

namespace {

void AddFaces(std::vector<PictureJob>& jobs) {
    for (const Fairy& fairy : Cast())
        for (int e = 0; e < kExpressionCount; ++e) {
            const auto expression = Expression(e);
            jobs.push_back({"face/" + fairy.name + "＿" + ExpressionName(expression) + ".png", kPortraitSize,
                            [&fairy, expression](QPainter& p) { DrawPortrait(p, fairy, expression); }});
        }
}

// Scenes lie behind the speech, so their lower part is darkened for it.
void AddScenes(std::vector<PictureJob>& jobs) {
    for (int s = 0; s < kSceneCount; ++s) {
        const auto scene = Scene(s);
        jobs.push_back({"img/" + SceneName(scene) + ".png", kSceneSize, [scene](QPainter& p) {
                            DrawScene(p, scene);
                            ShadeForText(p);
                        }});
    }
}

// A picture missing from the table is left black, which WriteAll refuses.
void AddMemories(std::vector<PictureJob>& jobs) {
    for (const QString& name : MemoryNames())
        jobs.push_back({"img/" + name + ".png", kMemorySize, [name](QPainter& p) {
                            if (const MemoryPlan* plan = FindPlan(name)) DrawMemory(p, *plan);
                        }});
}

}  // namespace

QStringList MemoryNames() {
    QStringList names;
    for (int a = 0; a < kFairyCount; ++a)
        for (int b = a + 1; b < kFairyCount; ++b)
            for (int c = b + 1; c < kFairyCount; ++c)
                names << QString::number(a) + QString::number(b) + QString::number(c);
    for (int f = 0; f < kFairyCount; ++f) names << "end" + QString::number(f);
    return names;
}

QString MemoryTableProblem(const MemoryTable& table) {
    if (!table.error.isEmpty()) return "memories.txt: " + table.error;
    QStringList names;
    for (const MemoryPlan& plan : table.plans) names << plan.name;
    for (const QString& name : MemoryNames())
        if (!names.contains(name)) return "memories.txt: no picture " + name;
    for (const QString& name : names)
        if (!MemoryNames().contains(name)) return "memories.txt: no event shows a picture " + name;
    return {};
}

std::vector<PictureJob> Catalogue() {
    std::vector<PictureJob> jobs;
    AddScenes(jobs);
    AddMemories(jobs);
    AddFaces(jobs);
    return jobs;
}

QImage Render(const PictureJob& job) {
    QImage image(job.size, QImage::Format_RGB32);
    // Fixed, so that the files do not depend on the screen of the machine.
    constexpr int kDotsPerMetre = 3780;  // 96 dots an inch
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    job.paint(p);
    return image;
}

QString WriteAll(const QString& gameFolder, const QStringList& only) {
    // While drawing a few pictures, the table need not be complete yet.
    const MemoryTable& table = ShippedMemoryTable();
    if (const QString problem = MemoryTableProblem(table); !problem.isEmpty() && only.isEmpty()) return problem;
    if (!table.error.isEmpty()) return "memories.txt: " + table.error;
    const QDir root(gameFolder);
    for (const char* folder : {"img", "face"})
        if (!root.mkpath(folder)) return "cannot make " + root.filePath(folder);
    // Lighter compression: files a tenth larger, written in two thirds of the time.
    constexpr int kPngQuality = 60;
    for (const PictureJob& job : Catalogue()) {
        if (!only.isEmpty() && !only.contains(QFileInfo(job.path).completeBaseName())) continue;
        if (!Render(job).save(root.filePath(job.path), "PNG", kPngQuality))
            return "cannot write " + root.filePath(job.path);
    }
    if (!only.isEmpty()) return {};
    // Last, so that a folder is only marked once all its pictures are there.
    for (const char* marker : {"img/dmy", "face/dmy"}) {
        QFile file(root.filePath(marker));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return "cannot write " + file.fileName();
    }
    return {};
}

}  // namespace qm::art
