// quillmere-bgm SCORE OUT: synthesises the background music from its note
// list into a WAV file.

#include <fstream>
#include <iostream>

#include "score.h"
#include "synth.h"
#include "wav.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: quillmere-bgm SCORE OUT.wav\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "quillmere-bgm: cannot read " << argv[1] << "\n";
        return 1;
    }
    try {
        constexpr int kSampleRate = 22050;
        const qm::bgm::Score score = qm::bgm::ParseScore(in);
        std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
        qm::bgm::WriteWav(out, qm::bgm::Render(score, kSampleRate), kSampleRate);
        if (!out) {
            std::cerr << "quillmere-bgm: cannot write " << argv[2] << "\n";
            return 1;
        }
    } catch (const qm::bgm::ScoreError& e) {
        std::cerr << argv[1] << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
