#include "BracketSearch.h"

#include <cmath>
#include <limits>
#include <utility>

namespace tidewell::session {
namespace {

constexpr double kGoldenShare = 0.3819660112501051;  // (3 - sqrt 5) / 2
// Keeps a tolerance above zero for a bracket around x = 0.
constexpr double kTinyWidth = 1e-300;

double WidthAt(double x, double relativeWidth) {
    return relativeWidth * std::fabs(x) + kTinyWidth;
}

double Toward(double step, double direction) {
    return direction >= 0 ? std::fabs(step) : -std::fabs(step);
}

}  // namespace

SearchEnd RootBetween(const TrialValue& f, SearchPoint a, SearchPoint b, double valueTolerance,
                      double relativeWidth, int maxTrials) {
    SearchEnd end;
    if (std::fabs(a.Value) < std::fabs(b.Value))
        std::swap(a, b);
    // b is the best point, a the previous one, c the one across the root.
    SearchPoint c = a;
    double step = b.X - a.X;
    double lastStep = step;
    while (true) {
        end.Best = b;
        if (std::fabs(b.Value) <= valueTolerance || end.Trials >= maxTrials)
            return end;
        if ((b.Value > 0) == (c.Value > 0)) {
            c = a;
            step = lastStep = b.X - a.X;
        }
        if (std::fabs(c.Value) < std::fabs(b.Value)) {
            a = b;
            b = c;
            c = a;
        }
        end.Best = b;
        const double tolerance = 0.5 * WidthAt(b.X, relativeWidth);
        const double half = 0.5 * (c.X - b.X);
        if (std::fabs(half) <= tolerance || b.Value == 0)
            return end;
        if (std::fabs(lastStep) >= tolerance && std::fabs(a.Value) > std::fabs(b.Value)) {
            // Inverse quadratic interpolation, or the secant when a is c.
            const double s = b.Value / a.Value;
            double p, q;
            if (a.X == c.X) {
                p = 2 * half * s;
                q = 1 - s;
            } else {
                const double qa = a.Value / c.Value;
                const double r = b.Value / c.Value;
                p = s * (2 * half * qa * (qa - r) - (b.X - a.X) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            p = std::fabs(p);
            if (2 * p <
                std::fmin(3 * half * q - std::fabs(tolerance * q), std::fabs(lastStep * q))) {
                lastStep = step;
                step = p / q;
            } else {
                step = lastStep = half;
            }
        } else {
            step = lastStep = half;
        }
        a = b;
        const double x = std::fabs(step) > tolerance ? b.X + step : b.X + Toward(tolerance, half);
        ++end.Trials;
        const std::optional<double> value = f(x);
        if (!value) {
            end.Failed = x;
            return end;
        }
        b = {x, *value};
    }
}

SearchEnd MinimumBetween(const TrialValue& f, double a, double b, SearchPoint start,
                         double relativeWidth, int maxTrials) {
    SearchEnd end;
    SearchPoint x = start, w = start, v = start;  // best, second best, previous second best
    double step = 0, lastStep = 0;
    while (true) {
        end.Best = x;
        const double middle = 0.5 * (a + b);
        const double tolerance = 0.5 * WidthAt(x.X, relativeWidth);
        if (std::fabs(x.X - middle) <= 2 * tolerance - 0.5 * (b - a) || end.Trials >= maxTrials)
            return end;
        bool golden = true;
        if (std::fabs(lastStep) > tolerance) {
            // A parabola through x, w and v.
            const double r = (x.X - w.X) * (x.Value - v.Value);
            double q = (x.X - v.X) * (x.Value - w.Value);
            double p = (x.X - v.X) * q - (x.X - w.X) * r;
            q = 2 * (q - r);
            if (q > 0)
                p = -p;
            q = std::fabs(q);
            const double before = lastStep;
            lastStep = step;
            if (std::fabs(p) < std::fabs(0.5 * q * before) && p > q * (a - x.X) &&
                p < q * (b - x.X)) {
                step = p / q;
                golden = false;
                const double u = x.X + step;
                if (u - a < 2 * tolerance || b - u < 2 * tolerance)
                    step = Toward(tolerance, middle - x.X);
            }
        }
        if (golden) {
            lastStep = x.X >= middle ? a - x.X : b - x.X;
            step = kGoldenShare * lastStep;
        }
        const double u = std::fabs(step) >= tolerance ? x.X + step : x.X + Toward(tolerance, step);
        ++end.Trials;
        const std::optional<double> value = f(u);
        if (!value) {
            end.Failed = u;
            return end;
        }
        const SearchPoint tried{u, *value};
        if (tried.Value <= x.Value) {
            (u >= x.X ? a : b) = x.X;
            v = w;
            w = x;
            x = tried;
        } else {
            (u < x.X ? a : b) = u;
            if (tried.Value <= w.Value || w.X == x.X) {
                v = w;
                w = tried;
            } else if (tried.Value <= v.Value || v.X == x.X || v.X == w.X) {
                v = tried;
            }
        }
    }
}

}  // namespace tidewell::session
