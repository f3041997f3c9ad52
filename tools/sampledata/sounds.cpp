// Short, soft sounds: sine and triangle tones with a quick attack and a smooth
// decay, so nothing clicks or sounds harsh. Every sound is normalised to the
// same peak, well below full scale.
#include "sounds.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace sd {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kPeak = 0.7;

double noteHz(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

// Note names used below, counted from A4.
constexpr int C5 = 3, E5 = 7, G5 = 10, C6 = 15, E6 = 19, G6 = 22;

std::vector<float> silence(double seconds) { return std::vector<float>(size_t(seconds * kSampleRate + 0.5), 0.0f); }

double triangle(double phase)
{
    const double x = phase / (2 * kPi) - std::floor(phase / (2 * kPi));
    return 4 * std::fabs(x - 0.5) - 1;
}

// Adds a tone whose pitch glides from f0 to f1, with a linear attack and an
// exponential decay that is faded to exactly zero at the end.
void addTone(std::vector<float> &out, double start, double length, double f0, double f1, double amp,
             double attack, double decayRate, double triangleMix = 0.0)
{
    const size_t first = size_t(start * kSampleRate);
    const size_t n = size_t(length * kSampleRate);
    double phase = 0;
    for (size_t i = 0; i < n && first + i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double f = f0 + (f1 - f0) * (t / length);
        phase += 2 * kPi * f / kSampleRate;
        double env = t < attack ? t / attack : std::exp(-(t - attack) * decayRate);
        const double tail = length - t;
        if (tail < 0.01)
            env *= tail / 0.01;
        const double wave = (1 - triangleMix) * std::sin(phase) + triangleMix * triangle(phase);
        out[first + i] += float(amp * env * wave);
    }
}

// A pleasant note: the tone with a quieter octave above for brightness.
void addNote(std::vector<float> &out, double start, double length, double hz, double amp, double decayRate)
{
    addTone(out, start, length, hz, hz, amp, 0.008, decayRate, 0.3);
    addTone(out, start, length, hz * 2, hz * 2, amp * 0.18, 0.008, decayRate * 1.5);
}

std::vector<float> normalised(std::vector<float> s)
{
    float peak = 0;
    for (float v : s)
        peak = std::max(peak, std::fabs(v));
    if (peak > 0)
        for (float &v : s)
            v = float(v * kPeak / peak);
    return s;
}

std::vector<float> titleJingle()
{
    // C E G C rising, the last note held a little.
    std::vector<float> s = silence(0.8);
    const int notes[] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i)
        addNote(s, i * 0.14, i == 3 ? 0.8 - 0.42 : 0.22, noteHz(notes[i]), 1.0, i == 3 ? 5.0 : 9.0);
    return normalised(s);
}

std::vector<float> pop()
{
    std::vector<float> s = silence(0.15);
    addTone(s, 0, 0.15, 880, 420, 1.0, 0.004, 28);
    return normalised(s);
}

std::vector<float> pageTurn()
{
    // Two quick notes, up a fourth.
    std::vector<float> s = silence(0.25);
    addNote(s, 0, 0.12, noteHz(G5), 1.0, 22);
    addNote(s, 0.11, 0.14, noteHz(C6), 1.0, 20);
    return normalised(s);
}

std::vector<float> pickUp()
{
    std::vector<float> s = silence(0.12);
    addTone(s, 0, 0.12, 520, 1040, 1.0, 0.006, 18, 0.2);
    return normalised(s);
}

std::vector<float> putDown()
{
    std::vector<float> s = silence(0.12);
    addTone(s, 0, 0.12, 900, 380, 1.0, 0.003, 32, 0.2);
    return normalised(s);
}

std::vector<float> fanfare()
{
    // Ta-ta-ta-taaa: three short notes then a held major chord with a little
    // sparkle on top.
    std::vector<float> s = silence(1.5);
    const int lead[] = {G5, G5, G5};
    for (int i = 0; i < 3; ++i)
        addNote(s, i * 0.12, 0.11, noteHz(lead[i]), 0.9, 14);
    addNote(s, 0.36, 0.2, noteHz(E5), 0.9, 8);
    addNote(s, 0.36, 0.2, noteHz(C6), 0.9, 8);
    for (int n : {C5, E5, G5, C6})
        addNote(s, 0.58, 0.92, noteHz(n), 0.6, 2.6);
    for (int i = 0; i < 4; ++i)
        addTone(s, 0.7 + i * 0.12, 0.2, noteHz(i % 2 ? G6 : E6), noteHz(i % 2 ? G6 : E6), 0.12, 0.005, 15);
    return normalised(s);
}

} // namespace

const std::vector<SoundRecipe> &soundRecipes()
{
    static const std::vector<SoundRecipe> recipes = {
        {QStringLiteral("inicio.wav"), titleJingle}, {QStringLiteral("2.wav"), pop},
        {QStringLiteral("4.wav"), pageTurn},         {QStringLiteral("principio.wav"), pickUp},
        {QStringLiteral("fin.wav"), putDown},        {QStringLiteral("acabado.wav"), fanfare},
    };
    return recipes;
}

QByteArray wavFile(const std::vector<float> &samples)
{
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    auto u32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto u16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out.append("RIFF", 4);
    u32(36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    u32(16);                // fmt chunk size
    u16(1);                 // PCM
    u16(1);                 // mono
    u32(kSampleRate);       // sample rate
    u32(kSampleRate * 2);   // bytes per second
    u16(2);                 // block align
    u16(16);                // bits per sample
    out.append("data", 4);
    u32(dataBytes);
    for (float v : samples) {
        const double c = std::clamp(double(v), -1.0, 1.0);
        u16(quint16(qint16(std::lround(c * 32767))));
    }
    return out;
}

} // namespace sd
