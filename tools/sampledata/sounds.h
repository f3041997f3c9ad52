// The game's sounds, synthesised as 16-bit mono PCM WAV files.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace sd {

constexpr int kSampleRate = 22050;

struct SoundRecipe
{
    QString fileName;
    std::vector<float> (*make)(); // samples in -1..1
};

const std::vector<SoundRecipe> &soundRecipes();

// A complete WAV file (RIFF header, fmt chunk, data chunk) for the samples,
// scaled to 16 bits. Samples outside -1..1 are clamped.
QByteArray wavFile(const std::vector<float> &samples);

} // namespace sd
