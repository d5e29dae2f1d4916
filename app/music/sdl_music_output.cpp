#include "sdl_music_output.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>

#ifdef __linux__
#include <alsa/asoundlib.h>
#endif

namespace qm::music {
namespace {

// 46 ms at 44.1 kHz. A piece that ends is followed by the rest of its last
// buffer in silence, so shorter buffers loop more tightly; but the mixing
// thread wakes once a buffer, and at half this it took a third more of a
// core while the game sat idle.
constexpr int kBufferFrames = 2048;

#ifdef __linux__
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}
#endif

// Without a sound card ALSA would print its failed search to the terminal;
// a game without sound stays silent in every sense.
void QuietenSoundSystem() {
#ifdef __linux__
    snd_lib_error_set_handler(IgnoreAlsaError);
#endif
}

}  // namespace

SdlMusicOutput::~SdlMusicOutput() {
    Close();
    if (!deviceOpen_) return;
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlMusicOutput::Open(const std::string& path) {
    if (!deviceOpen_ && !OpenDevice()) return false;
    Close();
    // Only wave data, as the file's name promises: anything else is unplayable.
    music_ = Mix_LoadMUSType_RW(SDL_RWFromFile(path.c_str(), "rb"), MUS_WAV, 1);
    return music_ != nullptr;
}

bool SdlMusicOutput::OpenDevice() {
    QuietenSoundSystem();
    // SDL's own handlers would swallow the signals that end the program.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    deviceOpen_ = Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, kBufferFrames) == 0;
    if (!deviceOpen_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return deviceOpen_;
}

bool SdlMusicOutput::Start() { return music_ && Mix_PlayMusic(music_, 0) == 0; }

void SdlMusicOutput::Stop() { Mix_HaltMusic(); }

bool SdlMusicOutput::Playing() { return Mix_PlayingMusic() != 0; }

// SDL_mixer keeps the music's volume for every piece it plays after.
void SdlMusicOutput::SetVolume(double level) {
    if (deviceOpen_) Mix_VolumeMusic(static_cast<int>(std::lround(level * MIX_MAX_VOLUME)));
}

void SdlMusicOutput::Close() {
    if (!music_) return;
    Mix_FreeMusic(music_);
    music_ = nullptr;
}

}  // namespace qm::music
