#pragma once
// The eight fairies as the pictures show them: their colours and the traits
// that make each one recognisable, and the five expressions of a face.

#include <QColor>
#include <QString>
#include <array>

namespace qm::art {

enum class Hair { LongStraight, Curls, Spiky, Bob, None, Ribboned, Wavy, FeatherHood };
enum class Outfit { LongDress, LeafDress, Tunic, Robe, Orb, RuffledDress, WaveDress, FeatherCloak };
enum class EyeStyle { Calm, Sleepy, Bright, HalfClosed, Dot, Lashed, Sly, Glint };
// The first five are the faces beside the speech; the last two only appear
// in memory pictures (asleep, and eyes wide open with a quiet smile).
enum class Expression { Normal, Smile, Angry, Crying, Surprised, Asleep, Open };

struct Fairy {
    QString name;
    Hair hair;
    Outfit outfit;
    EyeStyle eyes;
    QColor hairColour, hairShade;
    QColor dress, dressShade;
    QColor accent;  // halo, sprouts, belt, stars, ribbons, bubbles, feather sheen
    QColor eyeColour;
    QColor wingTint;
    QColor backdrop;  // behind the face picture
    bool fang = false;
};

constexpr int kFairyCount = 8;
const std::array<Fairy, kFairyCount>& Cast();

constexpr int kExpressionCount = 5;  // those with a face picture
// The word the game's face file names use for an expression (empty for
// those without a face picture).
QString ExpressionName(Expression e);

// Skin and the line drawn around it, shared by every fairy with a face.
QColor Skin();
QColor SkinShade();

}  // namespace qm::art
