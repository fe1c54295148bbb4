#pragma once
#include <vector>

#include "tools/make_sounds/Random.h"
#include "tools/make_sounds/Signal.h"

// The building blocks every sound is made of. Each returns a fresh signal at the given rate,
// scaled to a peak of 1 so recipes mix them by plain gains.
namespace Synth {

constexpr float kPi = 3.14159265358979f;

// Linear attack, then exponential decay with time constant `decay`.
float AttackDecay(float t, float attack, float decay);
float SemitonesToRatio(float semitones);

enum class Band { Low, High, Pass };

// Noise through a resonant filter whose frequency glides from fromHz to toHz, shaped by
// AttackDecay.
Signal NoiseBurst(Random& rng, int rate, float seconds, float attack, float decay, Band band,
                  float fromHz, float toHz, float q);
// Low sine body whose pitch falls from fromHz to toHz: footfalls, thuds, heartbeats.
Signal Thump(int rate, float fromHz, float toHz, float glide, float decay, float seconds);
// A short bright transient ringing at hz: clicks, latches, switches.
Signal Click(Random& rng, int rate, float hz, float q, float decay);
// Stick-slip friction: a train of tiny impulses whose rate glides from fromHz to toHz,
// ringing through a few wooden resonances. Doors, hinges, cupboards.
Signal Creak(Random& rng, int rate, float seconds, float fromHz, float toHz,
             const std::vector<float>& resonances, float q);
// Struck metal: inharmonic partials at base x ratio, higher ones dying sooner.
Signal MetalHit(Random& rng, int rate, float baseHz, const std::vector<float>& ratios,
                float decay, float seconds);
// Random sparks: clusters of very short band-limited pops.
Signal Crackle(Random& rng, int rate, float seconds, float perSecond, float lowHz, float highHz);
// Paper, cloth and stuffing: noise with a jittery amplitude, band-limited.
Signal Rustle(Random& rng, int rate, float seconds, float centreHz, float q, float jitterHz);
// Voiced growl: a wobbling sawtooth pushed through vowel-like formants and some distortion.
Signal Growl(Random& rng, int rate, float seconds, float pitchHz, float wobble,
             const std::vector<float>& formants);
// Detuned sawtooth cluster under a low-pass that opens from fromHz to toHz.
Signal Cluster(Random& rng, int rate, float seconds, const std::vector<float>& freqs,
               float detuneCents, float fromHz, float toHz, float attack, float release);
// Struck string: slightly stretched partials with two strings per note beating gently.
Signal PianoNote(Random& rng, int rate, float hz, float seconds, float brightness);
// Bell or music-box tine: sine partials at the given ratios.
Signal BellNote(int rate, float hz, float seconds, const std::vector<float>& ratios, float decay);
// One "lub-dub".
Signal Heartbeat(Random& rng, int rate, float strength);

// Adds a reverb tail of tailSeconds (the signal grows by it), wet mixed in at `wet`.
void AddReverb(Signal& signal, float size, float damping, float wet, float tailSeconds);
// Soft saturation.
void Saturate(Signal& signal, float drive);

}  // namespace Synth
