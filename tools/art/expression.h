#pragma once
// Eyes, brows, mouth and the small signs (tears, blush) of an expression, in
// head units (see hair.h). The eyes keep each fairy's own style, so a face
// stays recognisable whatever it feels.

#include <QPainter>

#include "cast.h"

namespace qm::art {

// The features below the fringe.
void DrawFace(QPainter& p, const Fairy& fairy, Expression expression);

// Brows and the signs drawn over the hair.
void DrawFaceMarks(QPainter& p, const Fairy& fairy, Expression expression);

// Signs a memory picture adds to any expression: tears of joy, a blush, a
// drop of sweat, an angry vein, sleep, sparkles, hearts, a tune, ! or ?,
// and a burst of light.
enum class Mark { Tears, Blush, Sweat, Anger, Zzz, Sparkles, Heart, Note, Exclaim, Question, Flash };
// "tears", "blush", ...; false for a word that is no mark.
bool MarkNamed(const QString& word, Mark& mark);
void DrawMark(QPainter& p, const Fairy& fairy, Mark mark);

}  // namespace qm::art
