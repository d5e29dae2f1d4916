#pragma once
// The picture files the game's scripts and screens name, with their sizes.

#include <QSize>
#include <QString>
#include <map>

namespace qm::art::testing {

inline std::map<QString, QSize> ExpectedPictures() {
    std::map<QString, QSize> pictures;
    for (const char* scene : {"game", "par", "forest", "lake", "hill", "night", "flowers", "town", "snow", "rain",
                              "bonfire", "nightlake", "nightfield", "sunset", "river", "dawn", "lastday"})
        pictures[QString("img/") + scene + ".png"] = QSize(640, 480);
    for (char a = '0'; a <= '7'; ++a)
        for (char b = a + 1; b <= '7'; ++b)
            for (char c = b + 1; c <= '7'; ++c) pictures[QString("img/") + a + b + c + ".png"] = QSize(480, 360);
    for (char f = '0'; f <= '7'; ++f) pictures[QString("img/end") + f + ".png"] = QSize(480, 360);
    for (const char* name : {"ササン", "マー", "ガブガブ", "ニィムディム", "ンィ", "ドーゥー", "ジョダン", "ハブキィ"})
        for (const char* mood : {"普通", "笑", "怒", "泣", "驚"})
            pictures[QString("face/") + name + "＿" + mood + ".png"] = QSize(160, 160);
    return pictures;
}

}  // namespace qm::art::testing
