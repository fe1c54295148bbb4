#include "tools/make_sounds/Signal.h"

#include <algorithm>
#include <cmath>

Signal::Signal(int r, float seconds) : rate(r)
{
    samples.assign(static_cast<size_t>(std::lround(seconds * static_cast<float>(r))), 0.0f);
}

size_t Signal::At(float seconds) const
{
    long index = std::lround(seconds * static_cast<float>(rate));
    return index < 0 ? 0 : static_cast<size_t>(index);
}

void Signal::Mix(const Signal& other, float atSeconds, float gain, bool wrap)
{
    if (samples.empty()) return;
    size_t start = At(atSeconds);
    for (size_t i = 0; i < other.samples.size(); ++i) {
        size_t j = start + i;
        if (j >= samples.size()) {
            if (!wrap) break;
            j %= samples.size();
        }
        samples[j] += other.samples[i] * gain;
    }
}

float Signal::Peak() const
{
    float peak = 0.0f;
    for (float s : samples) peak = std::fmax(peak, std::fabs(s));
    return peak;
}

float Signal::Rms() const
{
    if (samples.empty()) return 0.0f;
    double sum = 0.0;
    for (float s : samples) sum += static_cast<double>(s) * s;
    return static_cast<float>(std::sqrt(sum / static_cast<double>(samples.size())));
}

void Signal::Normalize(float peak)
{
    float current = Peak();
    if (current <= 0.0f) return;
    float gain = peak / current;
    for (float& s : samples) s *= gain;
}

void Signal::FadeEdges(float inSeconds, float outSeconds)
{
    size_t n = samples.size();
    size_t fadeIn = std::min(n, At(inSeconds));
    size_t fadeOut = std::min(n, At(outSeconds));
    for (size_t i = 0; i < fadeIn; ++i) samples[i] *= static_cast<float>(i) / static_cast<float>(fadeIn);
    for (size_t i = 0; i < fadeOut; ++i)
        samples[n - 1 - i] *= static_cast<float>(i) / static_cast<float>(fadeOut);
}
