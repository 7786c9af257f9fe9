// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures' palette as eyes with the three common colour-vision
// deficiencies see it. Each deficiency is simulated by Machado, Oliveira and
// Fernandes' matrix at full severity ("A Physiologically-based Model for
// Simulation of Color Vision Deficiency", 2009), applied to linear RGB; the
// simulated colours are compared in CIELAB (D65).
//
// The series colours must stay at least MinimumDifference apart, pair by
// pair, for every eye: 15 CIE76 units, several times the difference most
// people notice side by side (about 2.3), so lines and markers stay apart at
// a glance even before their styles and shapes help. The diverging palette
// must grow lighter all the way from its negative end to its positive end
// for every eye, so that dark always means negative and light positive; and
// the ring around a missed pattern must stand as far apart from every shade
// of the plane as the series colours from one another.

#include <gtest/gtest.h>

#include <QColor>
#include <array>
#include <cmath>
#include <set>
#include <string>

#include "NetworkPicture.h"

namespace vantorelle {
namespace {

constexpr double MinimumDifference = 15.0;

using Matrix3 = std::array<std::array<double, 3>, 3>;

struct Eye {
    const char* name;
    Matrix3 m;
};

const std::array<Eye, 4> Eyes{{
    {"normal", {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}},
    {"protanopia",
     {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}},
    {"deuteranopia",
     {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}},
    {"tritanopia",
     {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}},
}};

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

struct Lab {
    double L, a, b;
};

// The colour as `eye` sees it, in CIELAB.
Lab Seen(const QColor& colour, const Eye& eye)
{
    const std::array<double, 3> rgb{Linear(colour.red()), Linear(colour.green()), Linear(colour.blue())};
    std::array<double, 3> s{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
            s[i] += eye.m[i][j] * rgb[j];
        s[i] = std::clamp(s[i], 0.0, 1.0);
    }
    const double X = 0.4124 * s[0] + 0.3576 * s[1] + 0.1805 * s[2];
    const double Y = 0.2126 * s[0] + 0.7152 * s[1] + 0.0722 * s[2];
    const double Z = 0.0193 * s[0] + 0.1192 * s[1] + 0.9505 * s[2];
    auto f = [](double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16) / 116; };
    const double fx = f(X / 0.95047), fy = f(Y / 1.0), fz = f(Z / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double Difference(const QColor& a, const QColor& b, const Eye& eye)
{
    const Lab p = Seen(a, eye), q = Seen(b, eye);
    return std::hypot(p.L - q.L, p.a - q.a, p.b - q.b);
}

TEST(PaletteVisionTest, TheSimulationMergesARedAndAGreenThatOnlyNormalEyesTellApart)
{
    // Without this, a simulation that changed nothing would pass every check below.
    const QColor red(200, 80, 0), green(80, 140, 0);
    EXPECT_GT(Difference(red, green, Eyes[0]), 60);
    EXPECT_LT(Difference(red, green, Eyes[1]), MinimumDifference);
    EXPECT_LT(Difference(red, green, Eyes[2]), MinimumDifference);
    // White stays white for every eye: the matrices keep grey grey.
    for (const Eye& eye : Eyes)
        EXPECT_LT(Difference(Qt::white, QColor(Qt::white), eye), 1e-9);
    EXPECT_LT(Difference(QColor(128, 128, 128), QColor(128, 128, 128), Eyes[3]), 1e-9);
}

TEST(PaletteVisionTest, EverySeriesColourStaysApartFromEveryOtherForEveryEye)
{
    const int n = ViewPalette::seriesCount();
    ASSERT_GE(n, 8);
    for (const Eye& eye : Eyes) {
        double closest = 1e9;
        std::string pair;
        for (int i = 0; i < n; ++i) {
            for (int j = i + 1; j < n; ++j) {
                const double d = Difference(ViewPalette::seriesColour(i), ViewPalette::seriesColour(j), eye);
                if (d < closest) {
                    closest = d;
                    pair = std::to_string(i) + " and " + std::to_string(j);
                }
            }
        }
        EXPECT_GE(closest, MinimumDifference) << eye.name << ": series " << pair;
    }
}

TEST(PaletteVisionTest, SeriesDifferInMarkerShapeAndFromTheirNeighboursInLineStyle)
{
    const int n = ViewPalette::seriesCount();
    std::set<ViewPalette::MarkerShape> shapes;
    for (int i = 0; i < n; ++i) {
        shapes.insert(ViewPalette::seriesMarker(i));
        EXPECT_NE(ViewPalette::seriesLineStyle(i), ViewPalette::seriesLineStyle(i + 1)) << i;
    }
    EXPECT_EQ(static_cast<int>(shapes.size()), n);
    // The index wraps around, for more series than colours.
    EXPECT_EQ(ViewPalette::seriesColour(n), ViewPalette::seriesColour(0));
    EXPECT_EQ(ViewPalette::seriesColour(-1), ViewPalette::seriesColour(n - 1));
}

TEST(PaletteVisionTest, TheDivergingPaletteAndThePlanesShadeGrowLighterAllTheWayAndTheMissRingStandsOutOnThem)
{
    constexpr int Steps = 80;
    for (const Eye& eye : Eyes) {
        double lastDiverging = -1, lastShade = -1;
        for (int i = 0; i <= Steps; ++i) {
            const double t = -1.0 + 2.0 * i / Steps;
            const double diverging = Seen(ViewPalette::diverging(t), eye).L;
            const double shade = Seen(ViewPalette::shade((t + 1) / 2), eye).L;
            EXPECT_GT(diverging, lastDiverging) << eye.name << " at " << t;
            EXPECT_GT(shade, lastShade) << eye.name << " at " << t;
            lastDiverging = diverging;
            lastShade = shade;
        }
        // The ring around a missed pattern stands out on every shade of the plane.
        for (int i = 0; i <= Steps; ++i) {
            const QColor under = ViewPalette::shade(static_cast<double>(i) / Steps);
            EXPECT_GE(Difference(ViewPalette::missRing(), under, eye), MinimumDifference)
                << eye.name << ": the miss ring on the shade of " << static_cast<double>(i) / Steps;
        }
        // The two ends far apart in lightness, not merely in order.
        EXPECT_GT(Seen(ViewPalette::diverging(1), eye).L - Seen(ViewPalette::diverging(-1), eye).L, 60) << eye.name;
    }
}

}  // namespace
}  // namespace vantorelle
