#include "score.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <sstream>

#include "timbre.h"

namespace qm::bgm {

namespace {

constexpr int kSemitoneOfLetter[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G above C

// A comment starts with a # that begins a word, so that C#4 stays a pitch.
std::string StripComment(const std::string& line) {
    for (size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1]))))
            return line.substr(0, i);
    return line;
}

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
    std::string ringWord, toneWord;
    if (!(words >> voice.name >> voice.gain >> ringWord >> voice.ring) || ringWord != "ring" || voice.gain <= 0 ||
        voice.ring < 0)
        throw ScoreError(line, "expected: voice NAME GAIN ring BEATS [tone TIMBRE]");
    if (words >> toneWord) {
        if (toneWord != "tone" || !(words >> voice.tone))
            throw ScoreError(line, "expected: voice NAME GAIN ring BEATS [tone TIMBRE]");
        if (!FindTimbre(voice.tone)) throw ScoreError(line, "no such timbre: " + voice.tone);
    }
    score.voices.push_back(voice);
}

// How loud the voice being read plays: a mark, or a hairpin from one mark
// to the next over some beats, in decibels so that it swells evenly.
struct Dynamic {
    double fromDb = 0, toDb = 0;
    double start = 0, beats = 0;

    double LevelAt(double beat) const {
        const double t = beats > 0 ? std::clamp((beat - start) / beats, 0.0, 1.0) : 1;
        return std::pow(10.0, (fromDb + (toDb - fromDb) * t) / 20);
    }
};

double Decibels(double level) { return 20 * std::log10(level); }

void ParseDynamicLine(std::istringstream& words, const Score& score, Dynamic& dynamic, int line) {
    if (score.voices.empty()) throw ScoreError(line, "a dynamic before the first voice line");
    std::string mark, overWord;
    if (!(words >> mark) || DynamicLevel(mark) == 0)
        throw ScoreError(line, "expected: dynamic pp|p|mp|mf|f|ff [over BEATS]");
    const double now = VoiceLength(score.voices.back());
    Dynamic next{Decibels(dynamic.LevelAt(now)), Decibels(DynamicLevel(mark)), now, 0};
    if (words >> overWord && (overWord != "over" || !(words >> next.beats) || next.beats <= 0))
        throw ScoreError(line, "expected: dynamic MARK over BEATS");
    dynamic = next;
}

// One or more notes: PITCH BEATS, PITCH BEATS, ...
void ParseNoteLine(const std::string& first, std::istringstream& words, Score& score, const Dynamic& dynamic,
                   int line) {
    if (score.voices.empty()) throw ScoreError(line, "a note before the first voice line");
    Voice& voice = score.voices.back();
    std::string chord = first;
    do {
        Note note;
        if (!(words >> note.beats) || note.beats <= 0) throw ScoreError(line, "expected: PITCH BEATS");
        note.frequencies = ParseChord(chord, line);
        note.start = VoiceLength(voice);
        note.level = dynamic.LevelAt(note.start);
        voice.notes.push_back(note);
    } while (words >> chord);
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

double DynamicLevel(const std::string& mark) {
    static const std::pair<const char*, double> kMarks[] = {{"pp", 0.25}, {"p", 0.4},  {"mp", 0.55},
                                                            {"mf", 0.7},  {"f", 0.85}, {"ff", 1.0}};
    for (const auto& [name, level] : kMarks)
        if (mark == name) return level;
    return 0;
}

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
    Dynamic dynamic;
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
            dynamic = Dynamic();
        } else if (first == "dynamic") {
            ParseDynamicLine(words, score, dynamic, line);
        } else {
            ParseNoteLine(first, words, score, dynamic, line);
            noteLines.back().resize(score.voices.back().notes.size(), line);
        }
        std::string extra;
        if (words >> extra) throw ScoreError(line, "unexpected: " + extra);
    }
    CheckEnd(score, noteLines, line);
    return score;
}

}  // namespace qm::bgm
