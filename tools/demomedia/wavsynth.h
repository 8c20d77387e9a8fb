#pragma once

#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QString>

// Synthesises short car and traffic sounds as 16-bit mono PCM, the same samples every run.
namespace wavsynth {

constexpr int kSampleRate = 22050;

enum class Voice { Engine, Passby, Horn, Door, Siren, Backfire, Screech, Motorcycle, Truck, Traffic, Crowd };

struct Recipe {
    Voice voice;
    double seconds;
    double pitch;   // base frequency or engine firing rate in Hz
    double pitch2;  // end pitch (engines) or second tone (horns)
    unsigned seed;
};

std::vector<int16_t> render(const Recipe& recipe, double secondsScale = 1.0);
// A RIFF WAVE file of the samples: PCM, one channel, 16 bits, kSampleRate.
QByteArray wavFile(const std::vector<int16_t>& samples);
// A distinct recipe for each sound-effect file name (unknown names get an engine).
Recipe recipeFor(const QString& fileName);

}  // namespace wavsynth
