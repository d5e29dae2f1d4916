#pragma once
// The background music's score: a tempo and voices of notes, read from a
// note list that people can edit (see melody.txt for the format).

#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace qm::bgm {

struct Note {
    double start = 0;                 // in beats from the start of the piece
    double beats = 0;                 // written length
    std::vector<double> frequencies;  // in Hz; empty for a rest
    double level = 1;                 // the dynamic it is played at, 1 for ff
};

struct Voice {
    std::string name;
    double gain = 1;
    double ring = 0;              // beats a note keeps sounding after its written end
    std::string tone = "string";  // the timbre's name (timbre.h)
    std::vector<Note> notes;
};

struct Score {
    double tempo = 0;  // beats per minute
    double beats = 0;  // length of the piece
    std::vector<Voice> voices;

    double Seconds(double beat) const { return beat * 60.0 / tempo; }
};

// A mistake in the note list, with the line it was found on.
class ScoreError : public std::runtime_error {
public:
    ScoreError(int line, const std::string& what)
        : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

// "A4" is 440 Hz; a letter, an optional # or b, an octave digit. Returns 0
// for anything else.
double PitchFrequency(const std::string& pitch);

// The level of a dynamic mark from pp to ff, or 0 for anything else.
double DynamicLevel(const std::string& mark);

// Every voice must last as long as the others, and no note may ring past the
// end, so that the piece ends in silence and loops without a click.
Score ParseScore(std::istream& in);

}  // namespace qm::bgm
