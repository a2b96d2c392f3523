#include "rating/glicko2.h"

#include <cmath>
#include <numbers>

namespace rating {

namespace {

// Step 2's conversion between the familiar scale and Glicko-2's.
constexpr double kScale = 173.7178;
constexpr double kCentre = 1500;

double g(double phi) { return 1 / std::sqrt(1 + 3 * phi * phi / (std::numbers::pi * std::numbers::pi)); }

double E(double mu, double muJ, double phiJ) { return 1 / (1 + std::exp(-g(phiJ) * (mu - muJ))); }

// Step 5's f(x), with a = ln(σ²).
struct VolatilityFunction {
    double delta2, phi2, v, a;
    double operator()(double x) const {
        const double ex = std::exp(x);
        const double d = phi2 + v + ex;
        return ex * (delta2 - phi2 - v - ex) / (2 * d * d) - (x - a) / (kTau * kTau);
    }
};

// Step 5: the new volatility σ', by the Illinois algorithm.
double newVolatility(double sigma, double phi, double v, double delta) {
    const VolatilityFunction f{delta * delta, phi * phi, v, std::log(sigma * sigma)};
    double A = f.a;
    double B = 0;
    if (f.delta2 > f.phi2 + v) {
        B = std::log(f.delta2 - f.phi2 - v);
    } else {
        int k = 1;
        while (f(f.a - k * kTau) < 0) ++k;
        B = f.a - k * kTau;
    }
    double fA = f(A), fB = f(B);
    while (std::abs(B - A) > kEpsilon) {
        const double C = A + (A - B) * fA / (fB - fA);
        const double fC = f(C);
        // "≤": f(C) does come out exactly 0 (seen at a volatility near 1),
        // and then the root is kept; with "<" fA would be halved until it
        // underflowed and the iteration end at the bracket's far side.
        if (fC * fB <= 0) {
            A = B;
            fA = fB;
        } else {
            fA /= 2;
        }
        B = C;
        fB = fC;
    }
    return std::exp(A / 2);
}

}  // namespace

bool acceptedRating(double r) { return r >= kLeastRating && r <= kMostRating; }
bool acceptedDeviation(double d) { return d > 0 && d <= kMostDeviation; }
bool acceptedVolatility(double v) { return v > 0 && v <= kMostVolatility; }
bool accepted(const Rating& r) {
    return acceptedRating(r.rating) && acceptedDeviation(r.deviation) && acceptedVolatility(r.volatility);
}
bool acceptedScore(double s) { return s == 0 || s == 0.5 || s == 1; }

Rating afterPeriod(const Rating& player, std::span<const Game> games) {
    // Step 2.
    const double mu = (player.rating - kCentre) / kScale;
    const double phi = player.deviation / kScale;
    if (games.empty()) {
        const double widened = std::sqrt(phi * phi + player.volatility * player.volatility);
        return {player.rating, widened * kScale, player.volatility};
    }
    // Steps 3 and 4: the estimated variance v and the improvement Δ.
    double inverseV = 0, improvement = 0;
    for (const Game& j : games) {
        const double muJ = (j.opponentRating - kCentre) / kScale;
        const double phiJ = j.opponentDeviation / kScale;
        const double e = E(mu, muJ, phiJ);
        inverseV += g(phiJ) * g(phiJ) * e * (1 - e);
        improvement += g(phiJ) * (j.score - e);
    }
    const double v = 1 / inverseV;
    const double delta = v * improvement;
    // Steps 5 to 7.
    const double sigma = newVolatility(player.volatility, phi, v, delta);
    const double phiStar = std::sqrt(phi * phi + sigma * sigma);
    const double newPhi = 1 / std::sqrt(1 / (phiStar * phiStar) + 1 / v);
    const double newMu = mu + newPhi * newPhi * improvement;
    // Step 8.
    return {kScale * newMu + kCentre, kScale * newPhi, sigma};
}

Rating afterGame(const Rating& player, const Game& game) { return afterPeriod(player, std::span(&game, 1)); }

double expectedScore(double r, double opponentRating, double opponentDeviation) {
    return E((r - kCentre) / kScale, (opponentRating - kCentre) / kScale, opponentDeviation / kScale);
}

}  // namespace rating
