// The one-dimensional root search of the engine and of the phase-equilibrium
// searches: half a secant step per pass, kept on positive values.
#pragma once

#include <cmath>

#include "engine/Services.h"

struct SecantState {
  double u;   // current point
  double fu;  // residual at u
  double w;   // previous point
  double fw;  // residual at w
  double d;   // last step
};

struct SecantResult {
  double point;    // the last point reached
  bool converged;  // true only when the stop test held at a finite residual
};

// Runs at most maxPasses passes of the damped secant on f (u must stay above
// 0). Each pass: half the secant step from u (on equal residuals, the previous
// step doubled when u = w, else half the distance between the points); a new
// point not above 0 becomes half the point it came from. Converged when the
// relative step is below 1e-12 or the residual is exactly 0. Gives up, not
// converged, on a step above 1e300 or a residual that is not finite.
template <class Residual>
SecantResult DampedSecant(Residual&& f, SecantState s, int maxPasses) {
  if (s.fu == 0.0) return {s.u, true};
  for (int pass = 0; pass < maxPasses; ++pass) {
    RuntimeBackgroundTask();
    if (s.fu == s.fw)
      s.d = (s.u == s.w) ? 2.0 * s.d : (s.u - s.w) / 2.0;
    else
      s.d = (0.5 * (s.w - s.u)) * s.fu / (s.fu - s.fw);
    s.w = s.u;
    s.fw = s.fu;
    s.u = s.u + s.d;
    if (!(s.u > 0.0)) s.u = (s.u - s.d) / 2.0;
    s.fu = f(s.u);
    if (!(std::abs(s.d) <= 1e300) || !std::isfinite(s.fu)) return {s.u, false};
    if (std::abs(s.d / s.u) < 1e-12 || s.fu == 0.0) return {s.u, true};
  }
  return {s.u, false};
}
