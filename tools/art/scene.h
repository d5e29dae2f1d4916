#pragma once
// The scene pictures behind the speech, and the places memory pictures are
// set in, painted on a canvas of 640 x 480.

#include <QPainter>
#include <QSize>
#include <QString>

namespace qm::art {

constexpr QSize kSceneSize(640, 480);

enum class Scene {
    Game,
    Chronicle,
    Forest,
    Lake,
    Hill,
    Night,
    Flowers,
    Town,
    Snow,
    Rain,
    Bonfire,
    NightLake,
    NightField,
    Sunset,
    River,
    Dawn,
    LastDay
};
constexpr int kSceneCount = 17;

// The picture name the game's scripts use ("game", "par", "forest", ...),
// and back; returns false for a name that is no scene.
QString SceneName(Scene scene);
bool SceneNamed(const QString& name, Scene& scene);

// A memory picture may show a place at another time of day.
enum class Light { Own, Dawn, Day, Dusk, Night, Overcast };
// "own", "dawn", "day", "dusk", "night", "overcast"; false for another word.
bool LightNamed(const QString& word, Light& light);

void DrawScene(QPainter& p, Scene scene, Light light = Light::Own);

// Darkens the lower part, where white speech text lies over the scene.
void ShadeForText(QPainter& p);

}  // namespace qm::art
