// The 3D mesh a model file brings in: points in space and faces as lists of
// point indices, with the vector arithmetic the cleaning and unfolding share.
#pragma once

#include <vector>

// A point or a vector in space, in the file's units or in millimetres.
struct TMeshPoint {
    long double X = 0;
    long double Y = 0;
    long double Z = 0;
    friend bool operator==(const TMeshPoint&, const TMeshPoint&) = default;
};

// One face: indices into TMesh::Vertices, counter-clockwise seen from outside
// once the mesh is cleaned.
using TMeshFace = std::vector<int>;

struct TMesh {
    std::vector<TMeshPoint> Vertices;
    std::vector<TMeshFace> Faces;
};

inline TMeshPoint operator+(const TMeshPoint& a, const TMeshPoint& b) {
    return {a.X + b.X, a.Y + b.Y, a.Z + b.Z};
}
inline TMeshPoint operator-(const TMeshPoint& a, const TMeshPoint& b) {
    return {a.X - b.X, a.Y - b.Y, a.Z - b.Z};
}
inline TMeshPoint operator*(const TMeshPoint& a, long double factor) {
    return {a.X * factor, a.Y * factor, a.Z * factor};
}
inline long double Dot(const TMeshPoint& a, const TMeshPoint& b) {
    return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
}
inline TMeshPoint Cross(const TMeshPoint& a, const TMeshPoint& b) {
    return {a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X};
}
long double Length(const TMeshPoint& a);
// a scaled to length 1; the zero vector stays zero.
TMeshPoint Normalized(const TMeshPoint& a);
// The angle between two vectors in [0, pi], precise also for small angles.
long double AngleBetween(const TMeshPoint& a, const TMeshPoint& b);

// Twice the area vector of the face (Newell's sum): its direction is the
// normal for the vertex order, its length twice the area of a planar face.
TMeshPoint FaceAreaVector(const TMesh& mesh, const TMeshFace& face);
long double FaceArea(const TMesh& mesh, const TMeshFace& face);
TMeshPoint FaceNormal(const TMesh& mesh, const TMeshFace& face);
TMeshPoint FaceCentroid(const TMesh& mesh, const TMeshFace& face);
long double SurfaceArea(const TMesh& mesh);
