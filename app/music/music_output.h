#pragma once
// What the music device needs from an audio library: one piece at a time,
// played from its beginning to its end.

#include <string>

namespace qm::music {

class MusicOutput {
public:
    virtual ~MusicOutput() = default;
    // Loads the piece, opening the sound device first if it is not open;
    // false when there is no sound device or the piece cannot be played.
    virtual bool Open(const std::string& path) = 0;
    // Plays the open piece from its beginning; false if it cannot.
    virtual bool Start() = 0;
    virtual void Stop() = 0;
    // False once the piece has played to its end, or was stopped.
    virtual bool Playing() = 0;
    virtual void Close() = 0;
    // How loud the piece plays, from 0 (silent) to 1 (as recorded), now and
    // for every start after.
    virtual void SetVolume(double level) = 0;
};

}  // namespace qm::music
