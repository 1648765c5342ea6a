// The 3D mesh a model file brings in, and the vector arithmetic on it.
#include "unfolding/mesh.h"

#include <cmath>

long double Length(const TMeshPoint& a) {
    return std::sqrt(Dot(a, a));
}

TMeshPoint Normalized(const TMeshPoint& a) {
    const long double length = Length(a);
    return length > 0 ? a * (1 / length) : TMeshPoint{};
}

long double AngleBetween(const TMeshPoint& a, const TMeshPoint& b) {
    return std::atan2(Length(Cross(a, b)), Dot(a, b));
}

TMeshPoint FaceAreaVector(const TMesh& mesh, const TMeshFace& face) {
    TMeshPoint sum;
    const std::size_t n = face.size();
    if (n < 3)
        return sum;
    // Relative to the first vertex, so that a model far from the origin keeps
    // its precision.
    const TMeshPoint& origin = mesh.Vertices[face[0]];
    for (std::size_t i = 1; i + 1 < n; ++i)
        sum = sum + Cross(mesh.Vertices[face[i]] - origin, mesh.Vertices[face[i + 1]] - origin);
    return sum;
}

long double FaceArea(const TMesh& mesh, const TMeshFace& face) {
    return Length(FaceAreaVector(mesh, face)) / 2;
}

TMeshPoint FaceNormal(const TMesh& mesh, const TMeshFace& face) {
    return Normalized(FaceAreaVector(mesh, face));
}

TMeshPoint FaceCentroid(const TMesh& mesh, const TMeshFace& face) {
    TMeshPoint sum;
    for (int vertex : face)
        sum = sum + mesh.Vertices[vertex];
    return face.empty() ? sum : sum * (1.0L / face.size());
}

long double SurfaceArea(const TMesh& mesh) {
    long double area = 0;
    for (const TMeshFace& face : mesh.Faces)
        area += FaceArea(mesh, face);
    return area;
}
