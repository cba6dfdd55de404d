#pragma once

// The world the background shows and the camera that photographs it.
//
// World units are metres: X runs along the touchlines (0 = halfway line),
// Z from the far touchline (0) towards the camera, Y up. The camera sits in a
// stand behind the near touchline, turned slightly left; its optical axis is
// level (like a shift lens), so verticals stay vertical.

#include <QPointF>

#include <cmath>

namespace artgen {

constexpr double kPi = 3.14159265358979323846;

// A 9-a-side artificial pitch; the wall and fence stand just behind the far touchline.
constexpr double kPitchLength = 73.0, kPitchWidth = 46.0;
constexpr double kWallZ = -2.5, kWallHeight = 1.1, kFenceHeight = 4.2;

struct Camera {
    double focal = 390.0, centreX = 275.0, horizon = 114.0;
    double posX = 18.0, height = 9.5, posZ = 66.0;
    double sinYaw = std::sin(8.0 * kPi / 180.0), cosYaw = std::cos(8.0 * kPi / 180.0);

    double depthOf(double x, double z) const { return -(x - posX) * sinYaw - (z - posZ) * cosYaw; }
    QPointF project(double x, double y, double z) const
    {
        const double depth = depthOf(x, z);
        const double right = (x - posX) * cosYaw - (z - posZ) * sinYaw;
        return {centreX + focal * right / depth, horizon - focal * (y - height) / depth};
    }
    // Horizontal direction (per unit depth) of the ray through screen column sx.
    void rayDirection(double sx, double &dx, double &dz) const
    {
        const double u = (sx - centreX) / focal;
        dx = cosYaw * u - sinYaw;
        dz = -sinYaw * u - cosYaw;
    }
    // Ground point seen at screen position (sx, sy); false above the horizon.
    bool groundAt(double sx, double sy, double &x, double &z, double &depth) const
    {
        const double v = (horizon - sy) / focal;
        if (v >= -1e-6)
            return false;
        double dx, dz;
        rayDirection(sx, dx, dz);
        depth = -height / v;
        x = posX + depth * dx;
        z = posZ + depth * dz;
        return true;
    }
    // Depth at which the ray through column sx meets the vertical plane Z = planeZ.
    double depthOnPlane(double sx, double planeZ, double &x) const
    {
        double dx, dz;
        rayDirection(sx, dx, dz);
        const double depth = (planeZ - posZ) / dz;
        x = posX + depth * dx;
        return depth;
    }
    double screenY(double y, double depth) const { return horizon - focal * (y - height) / depth; }
};

// Defined once, in Camera.cpp: its yaw is worked out with std::sin and std::cos
// at start-up, which a definition here would repeat in every file.
extern const Camera kCamera;

} // namespace artgen
