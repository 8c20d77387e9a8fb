#include "wavsynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QtEndian>

namespace wavsynth {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A small linear congruential generator: the same noise on every machine.
class Noise {
public:
    explicit Noise(unsigned seed) : m_state(seed * 2654435761u + 12345u) {}
    double next()  // -1 .. 1
    {
        m_state = m_state * 1664525u + 1013904223u;
        return double(m_state >> 8) / double(1u << 23) - 1.0;
    }

private:
    uint32_t m_state;
};

// One-pole low-pass filter.
struct LowPass {
    double a;
    double y = 0;
    double operator()(double x) { return y += a * (x - y); }
};

double envelope(double t, double total, double attack, double release)
{
    double e = 1.0;
    if (t < attack)
        e = t / attack;
    if (t > total - release)
        e = std::min(e, std::max(0.0, (total - t) / release));
    return e;
}

// An engine: a pulse train at the firing rate through a resonant-ish low-pass, plus some rumble.
double engineSample(double& phase, double rate, Noise& noise, LowPass& lp, double roughness)
{
    phase += rate / kSampleRate;
    if (phase >= 1.0)
        phase -= 1.0;
    const double pulse = phase < 0.18 ? 1.0 - phase / 0.18 : -0.22;
    return lp(pulse + roughness * noise.next());
}

}  // namespace

std::vector<int16_t> render(const Recipe& r, double secondsScale)
{
    const double total = std::max(0.05, r.seconds * secondsScale);
    const int count = int(total * kSampleRate);
    std::vector<int16_t> out(std::size_t(count), 0);
    Noise noise(r.seed);
    LowPass lp{0.18};
    LowPass lp2{0.05};
    double phase = 0, phase2 = 0, phase3 = 0;

    for (int i = 0; i < count; ++i) {
        const double t = double(i) / kSampleRate;
        const double u = t / total;  // 0 .. 1
        double s = 0;
        switch (r.voice) {
        case Voice::Engine: {
            const double rate = r.pitch + (r.pitch2 - r.pitch) * (0.5 - 0.5 * std::cos(std::numbers::pi * u));
            s = 0.8 * engineSample(phase, rate, noise, lp, 0.35) * envelope(t, total, 0.15, 0.3);
            break;
        }
        case Voice::Motorcycle: {
            const double rate = r.pitch + (r.pitch2 - r.pitch) * u + 6.0 * std::sin(kTwoPi * 3 * t);
            s = 0.75 * engineSample(phase, rate, noise, lp, 0.25) * envelope(t, total, 0.1, 0.3);
            break;
        }
        case Voice::Truck: {
            const double rate = r.pitch + (r.pitch2 - r.pitch) * u;
            s = 0.8 * engineSample(phase, rate, noise, lp2, 0.6) * envelope(t, total, 0.3, 0.4);
            phase3 += 55.0 / kSampleRate;
            if (t > total * 0.55 && t < total * 0.85)  // an air horn blast in the middle
                s += 0.35 * (std::fmod(phase3 * 3, 1.0) < 0.5 ? 1 : -1) * 0.6;
            break;
        }
        case Voice::Passby: {
            // Doppler: the pitch falls as the car passes the middle, loudest there.
            const double x = (u - 0.5) * 8.0;
            const double doppler = 1.0 + 0.18 * (-x / std::sqrt(1 + x * x));
            const double loud = 1.0 / (1.0 + x * x * 0.35);
            s = 0.95 * engineSample(phase, r.pitch * doppler, noise, lp, 0.45) * loud;
            break;
        }
        case Voice::Horn: {
            phase += r.pitch / kSampleRate;
            phase2 += r.pitch2 / kSampleRate;
            const double a = std::fmod(phase, 1.0) < 0.5 ? 1.0 : -1.0;
            const double b = std::fmod(phase2, 1.0) < 0.5 ? 1.0 : -1.0;
            const bool on = std::fmod(t, 0.7) < 0.45;  // two or three toots
            s = lp((a + b) * 0.3) * (on ? 1.0 : 0.0) * envelope(t, total, 0.01, 0.05);
            break;
        }
        case Voice::Traffic: {
            // Rumble plus horns of three cars at different times.
            s = 0.35 * lp2(noise.next() * 2.0);
            const double horns[3][3] = {
                {0.2, 0.5, r.pitch}, {0.9, 1.2, r.pitch2}, {1.6, 2.1, r.pitch * 1.26}};
            for (const auto& h : horns)
                if (t > h[0] && t < h[1])
                    s += 0.22 * std::sin(kTwoPi * h[2] * t) + 0.12 * std::sin(kTwoPi * h[2] * 2.01 * t);
            break;
        }
        case Voice::Door: {
            // Latch click, then a low thud.
            const double click = t < 0.02 ? noise.next() * (1 - t / 0.02) : 0.0;
            const double td = t - 0.03;
            const double thud = td > 0 ? std::sin(kTwoPi * r.pitch * td) * std::exp(-td * 14) : 0.0;
            const double rattle = td > 0 ? lp(noise.next()) * std::exp(-td * 25) : 0.0;
            s = 0.6 * click + 0.9 * thud + 0.5 * rattle;
            break;
        }
        case Voice::Siren: {
            const double f = r.pitch + (r.pitch2 - r.pitch) * (0.5 + 0.5 * std::sin(kTwoPi * 0.6 * t));
            phase += f / kSampleRate;
            s = 0.55 * std::sin(kTwoPi * phase) + 0.2 * std::sin(kTwoPi * 2 * phase);
            s *= envelope(t, total, 0.1, 0.3);
            break;
        }
        case Voice::Backfire: {
            // Idle with three sharp bangs.
            s = 0.45 * engineSample(phase, r.pitch, noise, lp, 0.3);
            for (double bang : {0.4, 0.9, 1.15}) {
                const double tb = t - bang * total / 1.6;
                if (tb > 0 && tb < 0.25)
                    s += noise.next() * std::exp(-tb * 30) * 1.2;
            }
            s *= envelope(t, total, 0.05, 0.2);
            break;
        }
        case Voice::Screech: {
            // Tyre squeal (a wavering tone in noise), then the engine pulling away.
            phase2 += (r.pitch2 + 80 * std::sin(kTwoPi * 7 * t)) / kSampleRate;
            const double squeal =
                (0.35 * std::sin(kTwoPi * phase2) + 0.25 * noise.next()) * std::max(0.0, 1 - u * 1.6);
            const double rate = r.pitch * (1 + 2.5 * u);
            s = squeal + 0.6 * engineSample(phase, rate, noise, lp, 0.3) * envelope(t, total, 0.05, 0.4);
            break;
        }
        case Voice::Crowd: {
            // A race track: cars passing one after another over a murmur.
            s = 0.15 * lp2(noise.next() * 3);
            for (int k = 0; k < 3; ++k) {
                const double x = (u - 0.2 - 0.3 * k) * 14.0;
                const double loud = 1.0 / (1.0 + x * x * 0.5);
                const double doppler = 1.0 + 0.2 * (-x / std::sqrt(1 + x * x));
                double& ph = k == 0 ? phase : (k == 1 ? phase2 : phase3);
                ph += r.pitch * (1 + 0.1 * k) * doppler / kSampleRate;
                if (ph >= 1)
                    ph -= 1;
                s += 0.7 * loud * (ph < 0.2 ? 1.0 : -0.25);
            }
            break;
        }
        }
        out[std::size_t(i)] = int16_t(std::clamp(s, -1.0, 1.0) * 26000.0);
    }
    return out;
}

QByteArray wavFile(const std::vector<int16_t>& samples)
{
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    auto u32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto u16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out += "RIFF";
    u32(36 + dataBytes);
    out += "WAVEfmt ";
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(kSampleRate);
    u32(kSampleRate * 2);
    u16(2);
    u16(16);
    out += "data";
    u32(dataBytes);
    for (int16_t s : samples)
        u16(quint16(s));
    return out;
}

Recipe recipeFor(const QString& f)
{
    const QString n = f.toLower();
    unsigned seed = 0;
    for (const QChar c : n)
        seed = seed * 31 + c.unicode();
    struct Row {
        const char* name;
        Recipe recipe;
    };
    static const Row rows[] = {
        {"backfrng.wav", {Voice::Backfire, 2.2, 28, 0, 0}},
        {"car_door.wav", {Voice::Door, 0.9, 70, 0, 0}},
        {"carhorns.wav", {Voice::Horn, 2.0, 392, 494, 0}},
        {"horns.wav", {Voice::Traffic, 2.6, 415, 330, 0}},
        {"cop-car.wav", {Voice::Siren, 3.0, 650, 1300, 0}},
        {"taxi.wav", {Voice::Horn, 1.6, 440, 554, 0}},
        {"sportcar.wav", {Voice::Engine, 2.6, 45, 160, 0}},
        {"18wheelr.wav", {Voice::Truck, 3.0, 18, 34, 0}},
        {"peel-out.wav", {Voice::Screech, 2.4, 40, 1900, 0}},
        {"track2.wav", {Voice::Crowd, 3.0, 140, 0, 0}},
        {"nascar.wav", {Voice::Passby, 2.4, 150, 0, 0}},
        {"racecar.wav", {Voice::Engine, 2.4, 90, 240, 0}},
        {"indy-car.wav", {Voice::Passby, 2.2, 210, 0, 0}},
        {"mcycle.wav", {Voice::Motorcycle, 2.4, 35, 110, 0}},
        {"batmoble.wav", {Voice::Engine, 2.8, 25, 70, 0}},
        {"62zeph.wav", {Voice::Engine, 2.4, 30, 95, 0}},
        {"63zeph.wav", {Voice::Engine, 2.4, 34, 120, 0}},
        {"zphstart.wav", {Voice::Engine, 2.2, 8, 40, 0}},
        {"passby.wav", {Voice::Passby, 2.6, 95, 0, 0}},
        {"zephane.wav", {Voice::Engine, 2.8, 38, 140, 0}},
        {"zr1start.wav", {Voice::Engine, 2.4, 10, 55, 0}},
        {"motorcyc2.wav", {Voice::Motorcycle, 2.0, 60, 180, 0}},
        {"hot_rod.wav", {Voice::Backfire, 2.4, 22, 0, 0}},
        {"red_lght.wav", {Voice::Engine, 2.6, 20, 200, 0}},
        {"porche.wav", {Voice::Engine, 2.4, 50, 210, 0}},
        {"stealth.wav", {Voice::Engine, 2.4, 42, 180, 0}},
        {"stuck.wav", {Voice::Screech, 2.6, 20, 1200, 0}},
    };
    for (const Row& r : rows)
        if (n == QLatin1String(r.name)) {
            Recipe out = r.recipe;
            out.seed = seed;
            return out;
        }
    return {Voice::Engine, 2.0, 30, 100, seed};
}

}  // namespace wavsynth
