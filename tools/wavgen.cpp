// SPDX-License-Identifier: GPL-3.0-or-later
// vz_wavgen <folder>: writes the game's four sounds into <folder>.
//
//   その他.wav  a soft two-note chime (about 0.6 s)
//   禁止.wav    a short refusal buzz (about 0.25 s)
//   駒打音.wav  the wooden click of a piece set on the board (about 0.1 s)
//   BGM.wav     a calm pentatonic melody over a soft bass, 24 s, made to loop:
//               it starts from silence and every note has died away before
//               the end, so the seam does not click.
//
// 16-bit PCM mono; the effects at 44100 Hz, the music at 22050 Hz to keep
// the file small.  The output depends on nothing but this code: the noise of
// the click comes from a fixed-seed generator.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;
constexpr double π = std::numbers::pi;

struct 音声 {
    int 周波数;
    std::vector<double> 値;  // -1 .. 1

    音声(int hz, double 秒) : 周波数(hz), 値(static_cast<std::size_t>(std::lround(hz * 秒)), 0.0) {}
    std::size_t 長さ() const { return 値.size(); }
};

double 音高(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// Fixed-seed linear congruential generator, values in -1 .. 1.
struct 雑音 {
    std::uint32_t x = 0x2545F491u;
    double operator()() {
        x = x * 1664525u + 1013904223u;
        return static_cast<double>(x >> 8) / 8388608.0 - 1.0;
    }
};

// Raised-cosine ramp 0 → 1 over n samples.
double 立ち上がり(std::size_t i, std::size_t n) {
    if (i >= n) return 1.0;
    return 0.5 - 0.5 * std::cos(π * static_cast<double>(i) / static_cast<double>(n));
}

// Short fades at both ends (so the first and last samples are exactly 0),
// then scale to the given peak.
void 仕上げ(音声& a, double 頂点, double フェード秒) {
    const std::size_t n = a.長さ();
    const std::size_t f = std::min(n / 2, static_cast<std::size_t>(a.周波数 * フェード秒));
    for (std::size_t i = 0; i < n; ++i) a.値[i] *= 立ち上がり(i, f) * 立ち上がり(n - 1 - i, f);
    double m = 0.0;
    for (double v : a.値) m = std::max(m, std::abs(v));
    if (m > 0.0)
        for (double& v : a.値) v *= 頂点 / m;
}

// A struck bell-like tone: a few slightly inharmonic partials, each dying
// away at its own pace, added into a from time t0 on.
void 鐘(音声& a, double t0, double f, double 強さ) {
    struct 倍音 {
        double 比, 量, 減衰;
    };
    static constexpr 倍音 部分[] = {{1.0, 1.0, 6.0}, {2.01, 0.35, 9.0}, {3.0, 0.12, 13.0}, {4.17, 0.06, 18.0}};
    const std::size_t 始 = static_cast<std::size_t>(t0 * a.周波数);
    const std::size_t 打 = static_cast<std::size_t>(0.004 * a.周波数);
    for (std::size_t i = 始; i < a.長さ(); ++i) {
        const double t = static_cast<double>(i - 始) / a.周波数;
        double v = 0.0;
        for (const auto& p : 部分) v += p.量 * std::exp(-p.減衰 * t) * std::sin(2 * π * f * p.比 * t);
        a.値[i] += 強さ * 立ち上がり(i - 始, 打) * v;
    }
}

音声 チャイム() {
    音声 a(44100, 0.6);
    鐘(a, 0.0, 音高(81), 1.0);   // A5
    鐘(a, 0.12, 音高(88), 0.8);  // E6
    仕上げ(a, 0.55, 0.06);
    return a;
}

// Two short low blips of a soft-edged square wave (odd harmonics only, all
// well below Nyquist), the second a little lower: a clear "no".
音声 ブザー() {
    音声 a(44100, 0.25);
    struct 区間 {
        double 始, 終, 周波数;
    };
    constexpr 区間 区[] = {{0.0, 0.10, 196.0}, {0.13, 0.25, 174.6}};
    for (const auto& k : 区) {
        const std::size_t s = static_cast<std::size_t>(k.始 * a.周波数);
        const std::size_t e = std::min(a.長さ(), static_cast<std::size_t>(k.終 * a.周波数));
        const std::size_t ramp = static_cast<std::size_t>(0.006 * a.周波数);
        for (std::size_t i = s; i < e; ++i) {
            const double t = static_cast<double>(i - s) / a.周波数;
            double v = 0.0;
            for (int h = 1; h <= 15; h += 2) v += std::sin(2 * π * k.周波数 * h * t) / h;
            a.値[i] += v * 立ち上がり(i - s, ramp) * 立ち上がり(e - 1 - i, ramp);
        }
    }
    仕上げ(a, 0.5, 0.003);
    return a;
}

// A piece set down on a wooden board: a very short burst of filtered noise
// for the contact, then a few quickly damped body resonances.
音声 駒音() {
    音声 a(44100, 0.1);
    雑音 乱;
    struct 共鳴 {
        double 周波数, 量, 減衰;
    };
    constexpr 共鳴 体[] = {{620.0, 1.0, 55.0}, {1130.0, 0.7, 70.0}, {1870.0, 0.45, 90.0}, {3150.0, 0.25, 120.0}};
    double 低域 = 0.0;
    for (std::size_t i = 0; i < a.長さ(); ++i) {
        const double t = static_cast<double>(i) / a.周波数;
        低域 += 0.35 * (乱() - 低域);  // one-pole low-pass takes the hiss off the noise
        double v = 0.9 * 低域 * std::exp(-t / 0.004);
        for (const auto& r : 体) v += r.量 * std::exp(-r.減衰 * t) * std::sin(2 * π * r.周波数 * t);
        a.値[i] = v * 立ち上がり(i, static_cast<std::size_t>(0.0008 * a.周波数));
    }
    仕上げ(a, 0.8, 0.01);
    return a;
}

// ---- background music ---------------------------------------------------

constexpr double 拍 = 0.5;    // seconds per beat
constexpr int 小節数 = 12;    // of four beats: 24 s in all
constexpr double 余白 = 0.4;  // silence kept at the very end of the loop

struct 音符 {
    int midi;
    double 拍数;
};  // midi 0 is a rest

// Yo scale on D (D E G A B), twelve bars.  The last bar ends on the tonic
// and leaves room for it to fade.
const std::vector<std::vector<音符>> 旋律 = {
    {{69, 1}, {71, 1}, {74, 2}},          {{71, 1}, {69, 1}, {67, 2}},
    {{64, 1}, {67, 1}, {69, 1}, {71, 1}}, {{69, 3}, {0, 1}},
    {{74, 1}, {76, 1}, {74, 1}, {71, 1}}, {{69, 1}, {71, 1}, {69, 2}},
    {{67, 1}, {64, 1}, {67, 1}, {69, 1}}, {{64, 3}, {0, 1}},
    {{69, 1}, {71, 1}, {74, 1}, {76, 1}}, {{79, 2}, {76, 2}},
    {{74, 1}, {71, 1}, {69, 1}, {67, 1}}, {{62, 2}, {0, 2}},
};
constexpr int 低音[小節数] = {50, 43, 52, 45, 50, 45, 43, 52, 50, 43, 45, 50};  // one per bar

// Adds one note: attack, exponential fall, and a cosine release that
// reaches zero at start + 長さ.  Notes are cut so that they end before the
// closing silence of the loop.
void 音を置く(音声& a, double 始秒, double 長さ秒, double f, double 強さ, double 立上秒, double 減衰, bool 柔らか) {
    const double 上限 = static_cast<double>(a.長さ()) / a.周波数 - 余白;
    長さ秒 = std::min(長さ秒, 上限 - 始秒);
    if (長さ秒 <= 0.05) return;
    const std::size_t s = static_cast<std::size_t>(始秒 * a.周波数);
    const std::size_t n = static_cast<std::size_t>(長さ秒 * a.周波数);
    const std::size_t 立上 = static_cast<std::size_t>(立上秒 * a.周波数);
    const std::size_t 解放 = std::min(n / 2, static_cast<std::size_t>(0.15 * a.周波数));
    for (std::size_t i = 0; i < n && s + i < a.長さ(); ++i) {
        const double t = static_cast<double>(i) / a.周波数;
        double v = std::sin(2 * π * f * t);
        if (!柔らか) v += 0.25 * std::sin(4 * π * f * t) + 0.08 * std::sin(6 * π * f * t);
        a.値[s + i] += 強さ * v * std::exp(-減衰 * t) * 立ち上がり(i, 立上) * 立ち上がり(n - 1 - i, 解放);
    }
}

音声 BGM() {
    音声 a(22050, 拍 * 4 * 小節数);
    double t = 0.0;
    for (int 小節 = 0; 小節 < 小節数; ++小節) {
        // Bass: the root and its fifth, swelling in slowly and gone by the bar line.
        const double 小節頭 = 小節 * 4 * 拍;
        音を置く(a, 小節頭, 4 * 拍, 音高(低音[小節]), 0.32, 0.25, 0.3, true);
        音を置く(a, 小節頭, 4 * 拍, 音高(低音[小節] + 7), 0.16, 0.35, 0.3, true);
        for (const 音符& n : 旋律[static_cast<std::size_t>(小節)]) {
            if (n.midi != 0) {
                const double 長さ = n.拍数 * 拍 + 0.35;  // ring on a little into the next note
                音を置く(a, t, 長さ, 音高(n.midi), 0.5, 0.012, 1.6, false);
                音を置く(a, t + 0.75 * 拍, 長さ, 音高(n.midi), 0.15, 0.012, 1.6, false);  // faint echo
            }
            t += n.拍数 * 拍;
        }
    }
    仕上げ(a, 0.45, 0.01);
    return a;
}

void 追記16(std::string& b, unsigned v) {
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void 追記32(std::string& b, std::uint32_t v) {
    追記16(b, v & 0xFFFF);
    追記16(b, v >> 16);
}

// Canonical 44-byte header, 16-bit mono PCM.
std::string WAV画像(const 音声& a) {
    const std::uint32_t データ長 = static_cast<std::uint32_t>(a.長さ() * 2);
    std::string b;
    b.reserve(44 + データ長);
    b += "RIFF";
    追記32(b, 36 + データ長);
    b += "WAVEfmt ";
    追記32(b, 16);
    追記16(b, 1);  // PCM
    追記16(b, 1);  // mono
    追記32(b, static_cast<std::uint32_t>(a.周波数));
    追記32(b, static_cast<std::uint32_t>(a.周波数 * 2));
    追記16(b, 2);   // bytes per frame
    追記16(b, 16);  // bits per sample
    b += "data";
    追記32(b, データ長);
    for (double v : a.値) {
        const long s = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        追記16(b, static_cast<unsigned>(static_cast<std::uint16_t>(static_cast<std::int16_t>(s))));
    }
    return b;
}

// Writes beside the target first and renames, so a failed run never leaves
// a half-written sound behind.
bool 書く(const fs::path& 先, const std::string& 画像) {
    fs::path 仮 = 先;
    仮 += ".tmp";
    {
        std::ofstream f(仮, std::ios::binary | std::ios::trunc);
        if (!f) return false;
        f.write(画像.data(), static_cast<std::streamsize>(画像.size()));
        f.close();
        if (!f) {
            std::error_code ec;
            fs::remove(仮, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(仮, 先, ec);
    if (!ec) return true;
    fs::remove(仮, ec);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vz_wavgen <folder>\n");
        return 2;
    }
    const fs::path 出力先(argv[1]);
    struct 一件 {
        const char8_t* 名前;
        音声 (*作る)();
    };
    const 一件 表[] = {
        {u8"その他.wav", チャイム},
        {u8"禁止.wav", ブザー},
        {u8"駒打音.wav", 駒音},
        {u8"BGM.wav", BGM},
    };
    for (const auto& e : 表) {
        const fs::path 先 = 出力先 / fs::path(e.名前);
        if (!書く(先, WAV画像(e.作る()))) {
            const std::u8string 名 = 先.u8string();
            std::fprintf(stderr, "vz_wavgen: cannot write %.*s\n", static_cast<int>(名.size()),
                         reinterpret_cast<const char*>(名.data()));
            return 1;
        }
    }
    return 0;
}
