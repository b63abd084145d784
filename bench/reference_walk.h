// The floor for the program's walk: one plain loop that writes the same
// bytes with each term computed as rarely as its inputs allow and without
// the program's layers. The run's terms (2 pi u, both (Z -/+ H)^2) once;
// the spread, q, both vertical reflections and the distance's text once per
// distance; the lateral factor once per offset past the axis, where it is
// exactly 1; the offsets' texts written as they are. The laws' coefficients
// are the core's own; every value stays the double the program computes, and
// any step that leaves the finite numbers stops the loop.
#pragma once
#include <algorithm>
#include <charconv>
#include <cmath>
#include <span>
#include <string>
#include <string_view>

#include "calc/constants.h"
#include "calc/rural_spread.h"
#include "calc/types.h"
#include "calc/urban_spread.h"

namespace reference {

inline bool Bad(double x) { return !std::isfinite(x); }

inline double Urban(const calc::UrbanLaw& law, double X) {
  const double p = (law.a * X) * 1000;
  if (!law.bracket) return p;
  return p * std::pow(1 + ((law.b * X) * 1000), law.c);
}

// Writes the bytes of a whole walk; false at the first arithmetic fault.
// The separator is the few bytes of a locale's decimal separator.
inline bool Walk(const calc::PlumeInputs& in, std::string& file, std::string& list,
                 std::string_view separator) {
  constexpr double kPi = calc::kPi, kE = calc::kE, kMinusHalf = -1.0 / 2;
  // The least double that rounds to a float's infinity.
  constexpr double kFloatOverflow = 0x1.ffffffp127;
  constexpr std::string_view kOffsets[] = {"0", "100", "200", "300", "400", "500"};
  const calc::StabilityClass cls = in.stabilityClass;
  const calc::UrbanLaws& urban = calc::UrbanLawsOf(cls);
  const calc::RuralSigmaYLaw& ruralY = calc::RuralSigmaYLawOf(cls);
  const std::span<const calc::RuralSigmaZBand> bands = calc::RuralSigmaZBands(cls);
  const double Q = in.emissionRate, u = in.windSpeed, H = in.stackHeight;
  const int Z = calc::kReceptorHeight;
  const double d2 = (2 * kPi) * u;
  const double b1 = (Z - H) * (Z - H), b2 = (Z + H) * (Z + H);
  if (Bad(d2) || Bad(b1) || Bad(b2)) return false;

  for (double X = 0.1; X <= in.maxDistance; X += 0.1) {
    double sigmaY, sigmaZ;
    if (in.areaType == calc::AreaType::Urban) {
      sigmaY = Urban(urban.sigmaY, X);
      sigmaZ = Urban(urban.sigmaZ, X);
    } else {
      const double T = ruralY.c - (std::log(X) * ruralY.d) / std::log(kE);
      sigmaY = (calc::kRuralSigmaYScale * X) * std::tan((kPi / 180) * T);
      // From the farthest band to the nearest: the first whose lower bound lies below X.
      const calc::RuralSigmaZBand* band = bands.data();
      while (!(band->lower < X)) ++band;
      sigmaZ = band->fixed != 0 ? band->fixed : band->a * std::pow(X, band->b);
    }
    const double d4 = (d2 * sigmaY) * sigmaZ;
    const double q = Q / d4;
    const double s = sigmaZ * sigmaZ;
    const double t1 = std::pow(kE, kMinusHalf * (b1 / s));
    const double t2 = std::pow(kE, kMinusHalf * (b2 / s));
    const double vertical = t1 + t2;
    if (sigmaY == 0 || d4 == 0 || s == 0 || Bad(d4) || Bad(q) || Bad(t1) || Bad(t2) ||
        Bad(vertical))
      return false;
    char distance[32];
    char* const distanceEnd =
        std::to_chars(distance, distance + 32, X * 1000, std::chars_format::general, 15).ptr;

    for (int i = 0; i < 6; ++i) {
      double C = q * vertical;
      if (i > 0) {
        const double y = (100 * i) / sigmaY;
        C = (q * std::pow(kE, kMinusHalf * (y * y))) * vertical;
      }
      if (Bad(C) || std::fabs(C) >= kFloatOverflow) return false;
      const double w = static_cast<double>(static_cast<float>(C)) * 1000000000;
      const double r = std::nearbyint(w * 100) / 100;
      if (std::fabs(r) >= kFloatOverflow) return false;

      // The file's line in one buffer and the list's row in another, each
      // appended at once.
      char line[96];
      char* p = std::copy(distance, distanceEnd, line);
      *p++ = ',';
      p = std::copy(kOffsets[i].begin(), kOffsets[i].end(), p);
      *p++ = ',';
      char* const number = p;
      p = std::to_chars(p, line + 96, static_cast<double>(static_cast<float>(r)),
                        std::chars_format::general, 7)
              .ptr;
      char* const numberEnd = p;
      char* point = numberEnd;
      for (char* c = number; c != numberEnd; ++c) {
        if (*c == 'e') *c = 'E';
        else if (*c == '.') point = c;
      }
      *p++ = '\r';
      *p++ = '\n';
      file.append(line, p);

      char row[96];
      char* o = row;
      *o++ = ' ';
      o = std::copy(distance, distanceEnd, o);
      *o++ = '\t';
      *o++ = ' ';
      o = std::copy(kOffsets[i].begin(), kOffsets[i].end(), o);
      *o++ = '\t';
      o = std::copy(number, point, o);
      if (point != numberEnd) {
        o = std::copy(separator.begin(), separator.end(), o);
        o = std::copy(point + 1, numberEnd, o);
      }
      *o++ = '\n';
      list.append(row, o);
    }
  }
  return true;
}

}  // namespace reference
