#include "rules/flight.h"

#include <cmath>

namespace verlano {

namespace {

int Sign(float v) {
  return (v > 0.0f) - (v < 0.0f);
}

}  // namespace

void StartFlight(CardSprite& s, float targetX, float targetY, int framesX, int framesY) {
  s.Moving = true;
  s.TargetX = targetX;
  s.TargetY = targetY;
  s.DirX = Sign(s.TargetX - s.X);
  s.DirY = Sign(s.TargetY - s.Y);
  s.StepX = std::fabs(s.TargetX - s.X) / static_cast<float>(framesX);
  s.StepY = std::fabs(s.TargetY - s.Y) / static_cast<float>(framesY);
}

void LaunchSprite(const Layout& layout, CardSprite& sprite, float targetX, float targetY) {
  StartFlight(sprite, targetX, targetY, layout.DealFrames);
}

void MoveStep(CardSprite& s) {
  if (!s.Moving) return;
  s.X = s.X + static_cast<float>(s.DirX) * s.StepX;
  s.Y = s.Y + static_cast<float>(s.DirY) * s.StepY;
}

bool NearTarget(const Layout& layout, const CardSprite& s) {
  return std::fabs(s.X - s.TargetX) <= static_cast<float>(layout.ArriveTolX) &&
         std::fabs(s.Y - s.TargetY) <= static_cast<float>(layout.ArriveTolY);
}

}  // namespace verlano
