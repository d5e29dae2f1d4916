#pragma once
// The game's icon: the fairy orb, a dark glass ball in which the three
// reason colours, red, green and blue, overlap and mix to white. It is
// drawn afresh at every size, so that it stays clear at 16 px.

#include <QImage>
#include <QString>
#include <array>

namespace qm::art {

// The sizes desktops ask for, in pixels.
inline constexpr std::array<int, 7> kIconSizes = {16, 32, 48, 64, 128, 256, 512};

QImage DrawIcon(int size);

// Writes folder/SIZExSIZE/apps/NAME.png for every size, the layout of an
// icon theme. Returns what went wrong, or an empty string.
QString WriteIcons(const QString& folder, const QString& name);

}  // namespace qm::art
