#pragma once
// Music through SDL_mixer, the piece streamed from its file. The sound
// device opens with the first piece and stays open until the output goes,
// so a piece starts again within one buffer of being asked to.

#include "music_output.h"

typedef struct _Mix_Music Mix_Music;

namespace qm::music {

class SdlMusicOutput : public MusicOutput {
public:
    SdlMusicOutput() = default;
    ~SdlMusicOutput() override;
    SdlMusicOutput(const SdlMusicOutput&) = delete;
    SdlMusicOutput& operator=(const SdlMusicOutput&) = delete;

    bool Open(const std::string& path) override;
    bool Start() override;
    void Stop() override;
    bool Playing() override;
    void Close() override;
    void SetVolume(double level) override;

private:
    bool OpenDevice();

    bool deviceOpen_ = false;
    Mix_Music* music_ = nullptr;
};

}  // namespace qm::music
