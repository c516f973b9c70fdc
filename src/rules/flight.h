#pragma once
// Flight arithmetic: a flight covers its distance in a fixed number of frames,
// whatever the distance, with x and y progressing in proportion.

#include "rules/piles.h"
#include "rules/settings.h"

namespace verlano {

// Sets the target and the per-frame steps: the x distance is divided by
// `framesX`, the y distance by `framesY`, in single precision.
void StartFlight(CardSprite& sprite, float targetX, float targetY, int framesX, int framesY);

inline void StartFlight(CardSprite& sprite, float targetX, float targetY, int frames) {
  StartFlight(sprite, targetX, targetY, frames, frames);
}

// A flight of `DealFrames` frames: the deal and a card played to the table.
void LaunchSprite(const Layout& layout, CardSprite& sprite, float targetX, float targetY);

// One movement step of a sprite in flight; a sprite at rest is left alone.
void MoveStep(CardSprite& sprite);

// Within the arrival tolerance of its target on both axes.
bool NearTarget(const Layout& layout, const CardSprite& sprite);

}  // namespace verlano
