// The music plug-in: SDL_mixer and the libraries it brings are loaded only
// when the game opens its music, and then not on the window's thread.

#include "music_plugin.h"

#include "sdl_music_output.h"

extern "C" qm::music::MusicOutput* quillmere_make_music_output() { return new qm::music::SdlMusicOutput; }
