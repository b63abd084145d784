// The reference for the program's walk: the same laws and the same checks
// written inline, the spread once per distance, each row's numbers
// formatted with std::to_chars straight into a file buffer and a list buffer.
// It shares nothing with the core but PlumeInputs, so the benchmark compares
// the program's structure against the plainest loop that writes its bytes.
#pragma once
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "calc/types.h"

namespace reference {

struct UrbanLaw {
  double a, b, c;
  bool bracket;
};
// Indexed by class, A to F: sigmaY's law, then sigmaZ's.
constexpr UrbanLaw kUrban[6][2] = {
    {{0.32, 0.0004, -0.5, true}, {0.24, 0.0001, +0.5, true}},
    {{0.32, 0.0004, -0.5, true}, {0.24, 0.0001, +0.5, true}},
    {{0.22, 0.0004, -0.5, true}, {0.20, 0, 0, false}},
    {{0.16, 0.0004, -0.5, true}, {0.14, 0.0003, -0.5, true}},
    {{0.11, 0.0004, -0.5, true}, {0.08, 0.0015, -0.5, true}},
    {{0.11, 0.0004, -0.5, true}, {0.08, 0.0015, -0.5, true}},
};
constexpr double kRuralY[6][2] = {{24.167, 2.5335},  {18.333, 1.8096}, {12.5, 1.0857},
                                  {8.3333, 0.72382}, {6.25, 0.54287},  {4.167, 0.36191}};
// Per class from the farthest band to the nearest: lower (exclusive), a, b;
// a = 0 is the fixed 5000 m. The nearest band has no lower bound.
struct Band {
  double lower, a, b;
};
constexpr double kNone = -1;
constexpr Band kA[] = {{3.11, 0, 0},           {0.5, 453.85, 2.1166},  {0.4, 346.75, 1.7283},
                       {0.3, 258.89, 1.4094},  {0.25, 217.41, 1.2644}, {0.2, 179.52, 1.1262},
                       {0.15, 170.22, 1.0932}, {0.1, 158.08, 1.0542},  {kNone, 122.8, 0.9447}};
constexpr Band kB[] = {
    {35, 0, 0}, {0.4, 109.3, 1.0971}, {0.2, 98.483, 0.98332}, {kNone, 90.673, 0.93198}};
constexpr Band kC[] = {{kNone, 61.141, 0.91465}};
constexpr Band kD[] = {{30, 44.053, 0.51179}, {10, 36.65, 0.56589},   {3, 33.504, 0.60486},
                       {1, 32.093, 0.64403},  {0.3, 32.093, 0.81006}, {kNone, 34.459, 0.86974}};
constexpr Band kE[] = {{40, 47.618, 0.29592}, {20, 35.42, 0.37615},   {10, 26.97, 0.46713},
                       {4, 24.703, 0.50527},  {2, 22.534, 0.57154},   {1, 21.628, 0.63077},
                       {0.3, 21.628, 0.7566}, {0.1, 23.331, 0.81956}, {kNone, 24.26, 0.8366}};
constexpr Band kF[] = {{60, 34.219, 0.21716},  {30, 27.074, 0.27436},  {15, 22.651, 0.32681},
                       {7, 17.836, 0.415},     {3, 16.187, 0.4649},    {2, 14.823, 0.54503},
                       {1, 13.953, 0.63227},   {0.7, 13.953, 0.68465}, {0.2, 14.457, 0.78407},
                       {kNone, 15.209, 0.8158}};
constexpr const Band* kBands[6] = {kA, kB, kC, kD, kE, kF};

inline double Urban(const UrbanLaw& law, double X) {
  const double p = (law.a * X) * 1000;
  if (!law.bracket) return p;
  return p * std::pow(1 + ((law.b * X) * 1000), law.c);
}

inline bool Bad(double x) { return !std::isfinite(x); }

// Writes the bytes of a whole walk; false at the first arithmetic fault.
inline bool Walk(const calc::PlumeInputs& in, std::string& file, std::string& list,
                 std::string_view separator) {
  constexpr double kPi = 3.141592654, kE = 2.71828182845904, kMinusHalf = -1.0 / 2;
  const int cls = static_cast<int>(in.stabilityClass);
  const double Q = in.emissionRate, u = in.windSpeed, H = in.stackHeight;
  const int Z = 0;
  for (double X = 0.1; X <= in.maxDistance; X += 0.1) {
    double sigmaY, sigmaZ;
    if (in.areaType == calc::AreaType::Urban) {
      sigmaY = Urban(kUrban[cls][0], X);
      sigmaZ = Urban(kUrban[cls][1], X);
    } else {
      const double L = std::log(X), M = std::log(kE);
      const double T = kRuralY[cls][0] - (L * kRuralY[cls][1]) / M;
      sigmaY = ((1000 / 2.15) * X) * std::tan((kPi / 180) * T);
      const Band* band = kBands[cls];
      while (band->lower != kNone && !(band->lower < X)) ++band;
      sigmaZ = band->a == 0 ? 5000 : band->a * std::pow(X, band->b);
    }
    for (int Y = 0; Y <= 500; Y += 100) {
      const double d4 = ((2 * kPi) * u * sigmaY) * sigmaZ;
      if (d4 == 0 || sigmaY == 0 || sigmaZ == 0) return false;
      const double q = Q / d4;
      const double a = (Y / sigmaY) * (Y / sigmaY);
      const double g = std::pow(kE, kMinusHalf * a);
      const double qg = q * g;
      const double b1 = (Z - H) * (Z - H), s1 = sigmaZ * sigmaZ;
      const double t1 = std::pow(kE, kMinusHalf * (b1 / s1));
      const double b2 = (Z + H) * (Z + H), s2 = sigmaZ * sigmaZ;
      const double t2 = std::pow(kE, kMinusHalf * (b2 / s2));
      const double C = qg * (t1 + t2);
      if (Bad(d4) || Bad(q) || Bad(a) || Bad(g) || Bad(qg) || Bad(b1) || Bad(s1) || Bad(t1) ||
          Bad(b2) || Bad(t2) || Bad(C) || std::fabs(C) >= 0x1.ffffffp127)
        return false;
      const double w = static_cast<double>(static_cast<float>(C)) * 1000000000;
      const double r = std::nearbyint(w * 100) / 100;
      if (std::fabs(r) >= 0x1.ffffffp127) return false;
      const float value = static_cast<float>(r);

      char buf[96];
      char* p = std::to_chars(buf, buf + 96, X * 1000, std::chars_format::general, 15).ptr;
      const std::size_t distanceLength = static_cast<std::size_t>(p - buf);
      *p++ = ',';
      char* const offset = p;
      p = std::to_chars(p, buf + 96, Y).ptr;
      const char* const offsetEnd = p;
      *p++ = ',';
      char* const number = p;
      p = std::to_chars(p, buf + 96, static_cast<double>(value), std::chars_format::general, 7).ptr;
      char* point = nullptr;
      for (char* c = number; c != p; ++c) {
        if (*c == 'e') *c = 'E';
        else if (*c == '.') point = c;
      }
      const char* const numberEnd = p;
      *p++ = '\r';
      *p++ = '\n';
      file.append(buf, static_cast<std::size_t>(p - buf));

      list += ' ';
      list.append(buf, distanceLength);
      list += "\t ";
      list.append(offset, static_cast<std::size_t>(offsetEnd - offset));
      list += '\t';
      if (point == nullptr) {
        list.append(number, static_cast<std::size_t>(numberEnd - number));
      } else {
        list.append(number, static_cast<std::size_t>(point - number));
        list += separator;
        list.append(point + 1, static_cast<std::size_t>(numberEnd - point - 1));
      }
      list += '\n';
    }
  }
  return true;
}

}  // namespace reference
