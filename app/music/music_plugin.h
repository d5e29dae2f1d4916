#pragma once
// The one function the music plug-in offers: a new output of its own,
// which the caller owns. Found by name once the plug-in is loaded.

#include "music_output.h"

extern "C" qm::music::MusicOutput* quillmere_make_music_output();

inline constexpr char kMakeMusicOutput[] = "quillmere_make_music_output";
