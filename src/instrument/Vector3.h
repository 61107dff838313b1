#pragma once

#include <cmath>

// A point or a direction in the instrument, millimetres.
struct Vector3 {
  double x = 0, y = 0, z = 0;

  friend Vector3 operator+(Vector3 a, Vector3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
  friend Vector3 operator-(Vector3 a, Vector3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
  friend Vector3 operator*(Vector3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
  friend Vector3 operator-(Vector3 a) { return {-a.x, -a.y, -a.z}; }
};

inline double Dot(Vector3 a, Vector3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vector3 Cross(Vector3 a, Vector3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(Vector3 a) { return std::sqrt(Dot(a, a)); }
inline Vector3 Unit(Vector3 a) { return a * (1 / Length(a)); }
