#include "cast.h"

namespace qm::art {

const std::array<Fairy, kFairyCount>& Cast() {
    static const std::array<Fairy, kFairyCount> cast = {{
        {"ササン", Hair::LongStraight, Outfit::LongDress, EyeStyle::Calm, QColor(0xfbf9f4), QColor(0xd6d2e4),
         QColor(0xffffff), QColor(0xdcd8ec), QColor(0xf5dc94), QColor(0x8a84b8), QColor(0xe6f0ff), QColor(0xc9d3ee)},
        {"マー", Hair::Curls, Outfit::LeafDress, EyeStyle::Sleepy, QColor(0x74c05a), QColor(0x4b9440), QColor(0xa6d884),
         QColor(0x6cab58), QColor(0x3d8a3a), QColor(0x3e7f3a), QColor(0xd8f5c0), QColor(0xdcefc8)},
        {"ガブガブ", Hair::Spiky, Outfit::Tunic, EyeStyle::Bright, QColor(0xe8453a), QColor(0xa92828), QColor(0xee5e4c),
         QColor(0xb63a30), QColor(0xffd36e), QColor(0xb8321f), QColor(0xffd2c4), QColor(0xffdccc), true},
        {"ニィムディム", Hair::Bob, Outfit::Robe, EyeStyle::HalfClosed, QColor(0x27397c), QColor(0x16224f),
         QColor(0x2f52ad), QColor(0x1c3274), QColor(0xffe27a), QColor(0x3a5bc0), QColor(0xcad6ff), QColor(0xc8d2f2)},
        {"ンィ", Hair::None, Outfit::Orb, EyeStyle::Dot, QColor(0xffe14d), QColor(0xf0b52a), QColor(0xffe14d),
         QColor(0xf0b52a), QColor(0xfff6b0), QColor(0x5a4a20), QColor(0xfff7c8), QColor(0xe4dcf6)},
        {"ドーゥー", Hair::Ribboned, Outfit::RuffledDress, EyeStyle::Lashed, QColor(0xf59ac2), QColor(0xd5689b),
         QColor(0xf8b6d2), QColor(0xdc7fa8), QColor(0xe84d8c), QColor(0xc2407a), QColor(0xffdcec), QColor(0xfde0ea)},
        {"ジョダン", Hair::Wavy, Outfit::WaveDress, EyeStyle::Sly, QColor(0x7fd8ea), QColor(0x3fa9c6), QColor(0xa8e8f2),
         QColor(0x5fbdd4), QColor(0xeafcff), QColor(0x2e9bb8), QColor(0xd6f6ff), QColor(0xd4f1f6)},
        {"ハブキィ", Hair::FeatherHood, Outfit::FeatherCloak, EyeStyle::Glint, QColor(0x2a2630), QColor(0x121016),
         QColor(0x2a2630), QColor(0x121016), QColor(0x4d475c), QColor(0xf3d9a0), QColor(0x3a3542), QColor(0xe2dbe9)},
    }};
    return cast;
}

QString ExpressionName(Expression e) {
    switch (e) {
        case Expression::Normal:
            return "普通";
        case Expression::Smile:
            return "笑";
        case Expression::Angry:
            return "怒";
        case Expression::Crying:
            return "泣";
        case Expression::Surprised:
            return "驚";
        case Expression::Asleep:
        case Expression::Open:
            break;
    }
    return {};
}

QColor Skin() { return QColor(0xffe8da); }
QColor SkinShade() { return QColor(0xe9b8a6); }

}  // namespace qm::art
