// SPDX-License-Identifier: GPL-3.0-or-later
// The sound library over SDL2_mixer.  The calls and their handle rules are
// described in dsound.h.
#include "sound/dsound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <map>

namespace {

constexpr int 出力周波数 = 44100;
constexpr int 出力チャンネル数 = 2;  // plain stereo, whatever the headset offers
constexpr int 出力ブロック = 1024;   // sample frames per mixing block (~23 ms)
constexpr int 同時発音数 = 16;       // mixer voices shared by all buffers
constexpr int フラグ_音楽 = 1;

struct 音源 {
    Mix_Chunk* 波形 = nullptr;
    bool 音楽 = false;
    int ループ声 = -1;  // voice running this buffer in a loop, -1 when none
};

struct 状態表 {
    long 装置 = 0;      // handle of the open device, 0 when closed
    long 最終番号 = 0;  // devices and buffers draw from one numbering
    std::map<long, 音源> 音;
};

状態表 表;

long 新しい番号() {
    ++表.最終番号;
    if (表.最終番号 <= 0) 表.最終番号 = 1;  // never hand out 0, even after wrapping
    return 表.最終番号;
}

音源* 探す(long 音) {
    if (音 == 0 || 表.装置 == 0) return nullptr;
    auto it = 表.音.find(音);
    return it == 表.音.end() ? nullptr : &it->second;
}

// Mix_GetChunk remembers the last chunk of a voice even after it ended;
// halting an idle voice is harmless, so "last played this chunk" is enough.
void 全声停止(音源& s) {
    const int n = Mix_AllocateChannels(-1);
    for (int ch = 0; ch < n; ++ch)
        if (Mix_GetChunk(ch) == s.波形) Mix_HaltChannel(ch);
    s.ループ声 = -1;
}

bool ループ中(const 音源& s) {
    return s.ループ声 >= 0 && Mix_Playing(s.ループ声) && Mix_GetChunk(s.ループ声) == s.波形;
}

std::uint32_t 読32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

// A cheap look at the RIFF structure before SDL decodes anything: the image
// must be RIFF/WAVE, carry a complete "fmt " chunk and a "data" chunk that
// lies entirely inside the image.  SDL on its own would accept a file cut
// short in its sample data and play the remains; a cut file is a broken
// file here.
bool 完全なWAV(const unsigned char* p, std::size_t n) {
    if (p == nullptr || n < 12) return false;
    if (std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) return false;
    bool fmtあり = false;
    std::size_t pos = 12;
    while (n - pos >= 8) {
        const unsigned char* id = p + pos;
        const std::size_t 大きさ = 読32(p + pos + 4);
        const std::size_t 中身 = pos + 8;
        if (大きさ > n - 中身) return false;
        if (std::memcmp(id, "fmt ", 4) == 0) {
            if (大きさ < 16) return false;
            fmtあり = true;
        } else if (std::memcmp(id, "data", 4) == 0) {
            return fmtあり && 大きさ > 0;
        }
        pos = 中身 + 大きさ + (大きさ & 1);
        if (pos > n) return false;
    }
    return false;
}

}  // namespace

long dsInitialize(void* 窓) {
    (void)窓;  // SDL plays without a window
    if (表.装置 != 0) return 表.装置;

    // Ctrl+C and SIGTERM belong to the game, not to SDL.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
    if (Mix_OpenAudioDevice(出力周波数, AUDIO_S16SYS, 出力チャンネル数, 出力ブロック, nullptr,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    Mix_AllocateChannels(同時発音数);
    Mix_Volume(-1, MIX_MAX_VOLUME);
    表.装置 = 新しい番号();
    return 表.装置;
}

long dsCreateDSB(long 装置, const unsigned char* 画像, std::size_t 長さ, int フラグ) {
    if (装置 == 0 || 装置 != 表.装置) return 0;
    if (長さ > static_cast<std::size_t>(INT_MAX) || !完全なWAV(画像, 長さ)) return 0;
    SDL_RWops* rw = SDL_RWFromConstMem(画像, static_cast<int>(長さ));
    if (rw == nullptr) return 0;
    Mix_Chunk* 波形 = Mix_LoadWAV_RW(rw, 1);  // closes rw whatever happens
    if (波形 == nullptr) return 0;
    const long h = 新しい番号();
    音源 s;
    s.波形 = 波形;
    s.音楽 = フラグ == フラグ_音楽;
    表.音[h] = s;
    return h;
}

void dsPlay(long 音) {
    音源* s = 探す(音);
    if (s == nullptr) return;
    if (s->音楽) 全声停止(*s);
    Mix_PlayChannel(-1, s->波形, 0);  // no free voice: this one stays silent
}

void dsPlayLooping(long 音) {
    音源* s = 探す(音);
    if (s == nullptr || ループ中(*s)) return;
    if (s->音楽) 全声停止(*s);
    s->ループ声 = Mix_PlayChannel(-1, s->波形, -1);
}

void dsStop(long 音) {
    if (音源* s = 探す(音)) 全声停止(*s);
}

void dsFree(long 音) {
    音源* s = 探す(音);
    if (s == nullptr) return;
    全声停止(*s);
    Mix_FreeChunk(s->波形);
    表.音.erase(音);
}

void dsTerminate(long 装置) {
    if (装置 == 0 || 装置 != 表.装置) return;
    Mix_HaltChannel(-1);
    for (auto& [h, s] : 表.音) Mix_FreeChunk(s.波形);
    表.音.clear();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    表.装置 = 0;
}
