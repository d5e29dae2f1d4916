#include "score.h"

#include <cmath>
#include <sstream>

namespace qm::bgm {

namespace {

constexpr int kSemitoneOfLetter[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G above C

std::string StripComment(const std::string& line) { return line.substr(0, line.find('#')); }

std::vector<double> ParseChord(const std::string& text, int line) {
    std::vector<double> frequencies;
    if (text == "-") return frequencies;
    std::istringstream pitches(text);
    std::string pitch;
    while (std::getline(pitches, pitch, '+')) {
        const double f = PitchFrequency(pitch);
        if (f == 0) throw ScoreError(line, "not a pitch: " + pitch);
        frequencies.push_back(f);
    }
    return frequencies;
}

double VoiceLength(const Voice& voice) {
    return voice.notes.empty() ? 0 : voice.notes.back().start + voice.notes.back().beats;
}

void ParseVoiceLine(std::istringstream& words, Score& score, int line) {
    Voice voice;
    std::string ringWord;
    if (!(words >> voice.name >> voice.gain >> ringWord >> voice.ring) || ringWord != "ring" || voice.gain <= 0 ||
        voice.ring < 0)
        throw ScoreError(line, "expected: voice NAME GAIN ring BEATS");
    score.voices.push_back(voice);
}

void ParseNoteLine(const std::string& chord, std::istringstream& words, Score& score, int line) {
    if (score.voices.empty()) throw ScoreError(line, "a note before the first voice line");
    Voice& voice = score.voices.back();
    Note note;
    if (!(words >> note.beats) || note.beats <= 0) throw ScoreError(line, "expected: PITCH BEATS");
    note.frequencies = ParseChord(chord, line);
    note.start = VoiceLength(voice);
    voice.notes.push_back(note);
}

// The end is only known once every voice has been read, so the lines of the
// notes that ring past it are kept until then.
void CheckEnd(Score& score, const std::vector<std::vector<int>>& noteLines, int lastLine) {
    if (score.tempo <= 0) throw ScoreError(lastLine, "no tempo line");
    if (score.voices.empty()) throw ScoreError(lastLine, "no voice");
    score.beats = VoiceLength(score.voices.front());
    for (size_t v = 0; v < score.voices.size(); ++v) {
        const Voice& voice = score.voices[v];
        if (std::abs(VoiceLength(voice) - score.beats) > 1e-9)
            throw ScoreError(lastLine, "voice " + voice.name + " lasts " + std::to_string(VoiceLength(voice)) +
                                           " beats, " + score.voices.front().name + " " + std::to_string(score.beats));
        for (size_t n = 0; n < voice.notes.size(); ++n) {
            const Note& note = voice.notes[n];
            if (!note.frequencies.empty() && note.start + note.beats + voice.ring > score.beats)
                throw ScoreError(noteLines[v][n], "this note rings past the end of the piece: end with a longer rest");
        }
    }
}

}  // namespace

double PitchFrequency(const std::string& pitch) {
    if (pitch.size() < 2 || pitch.size() > 3 || pitch[0] < 'A' || pitch[0] > 'G') return 0;
    int semitone = kSemitoneOfLetter[pitch[0] - 'A'];
    if (pitch.size() == 3) {
        if (pitch[1] == '#')
            ++semitone;
        else if (pitch[1] == 'b')
            --semitone;
        else
            return 0;
    }
    const char octave = pitch.back();
    if (octave < '0' || octave > '8') return 0;
    const int fromA4 = (octave - '4') * 12 + semitone - 9;
    return 440.0 * std::pow(2.0, fromA4 / 12.0);
}

Score ParseScore(std::istream& in) {
    Score score;
    std::vector<std::vector<int>> noteLines;
    std::string text;
    int line = 0;
    while (std::getline(in, text)) {
        ++line;
        std::istringstream words(StripComment(text));
        std::string first;
        if (!(words >> first)) continue;
        if (first == "tempo") {
            if (!(words >> score.tempo) || score.tempo <= 0) throw ScoreError(line, "expected: tempo BPM");
        } else if (first == "voice") {
            ParseVoiceLine(words, score, line);
            noteLines.emplace_back();
        } else {
            ParseNoteLine(first, words, score, line);
            noteLines.back().push_back(line);
        }
        std::string extra;
        if (words >> extra) throw ScoreError(line, "unexpected: " + extra);
    }
    CheckEnd(score, noteLines, line);
    return score;
}

}  // namespace qm::bgm
