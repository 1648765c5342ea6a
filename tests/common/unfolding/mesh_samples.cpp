// The meshes the unfolding is tested and measured on.
#include "common/unfolding/mesh_samples.h"
#include "geometry/angles.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <utility>

namespace {

// Turns every face of a convex solid around the origin to face away from it.
TMesh Outward(TMesh mesh) {
    for (TMeshFace& face : mesh.Faces)
        if (Dot(FaceAreaVector(mesh, face), FaceCentroid(mesh, face)) < 0)
            std::reverse(face.begin(), face.end());
    return mesh;
}

// Every triple of vertices at the given distance from each other: the faces
// of a regular solid whose edges are that long.
TMesh TrianglesOfEdge(std::vector<TMeshPoint> vertices, long double edge) {
    TMesh mesh;
    mesh.Vertices = std::move(vertices);
    const int n = static_cast<int>(mesh.Vertices.size());
    auto isEdge = [&](int a, int b) {
        return std::fabs(Length(mesh.Vertices[a] - mesh.Vertices[b]) - edge) < 1e-9L;
    };
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c)
                if (isEdge(a, b) && isEdge(b, c) && isEdge(a, c))
                    mesh.Faces.push_back({a, b, c});
    return Outward(std::move(mesh));
}

TMeshPoint OnCircle(long double radius, long double angle, long double z) {
    return {radius * std::cos(angle), radius * std::sin(angle), z};
}

// A quad a, b, c, d (counter-clockwise from outside) as two triangles.
void AddQuad(TMesh& mesh, int a, int b, int c, int d) {
    mesh.Faces.push_back({a, b, c});
    mesh.Faces.push_back({a, c, d});
}

// A uniform number in [0, 1) taken the same way from the generator everywhere.
long double Uniform(std::mt19937& random) {
    return random() / 4294967296.0L;
}

} // namespace

TMesh CubeMesh() {
    TMesh mesh;
    for (int i = 0; i < 8; ++i)
        mesh.Vertices.push_back({i & 1 ? 1.0L : -1.0L, i & 2 ? 1.0L : -1.0L, i & 4 ? 1.0L : -1.0L});
    const int quads[6][4] = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4},
                             {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};
    for (const auto& q : quads)
        AddQuad(mesh, q[0], q[1], q[2], q[3]);
    return Outward(std::move(mesh));
}

TMesh TetrahedronMesh() {
    return TrianglesOfEdge({{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}}, 2 * std::sqrt(2.0L));
}

TMesh OctahedronMesh() {
    return TrianglesOfEdge({{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, -1}},
                           std::sqrt(2.0L));
}

TMesh IcosahedronMesh() {
    const long double phi = (1 + std::sqrt(5.0L)) / 2;
    std::vector<TMeshPoint> vertices;
    for (long double a : {-1.0L, 1.0L})
        for (long double b : {-phi, phi}) {
            vertices.push_back({0, a, b});
            vertices.push_back({a, b, 0});
            vertices.push_back({b, 0, a});
        }
    return TrianglesOfEdge(std::move(vertices), 2);
}

TMesh IcosphereMesh(int subdivisions) {
    TMesh mesh = IcosahedronMesh();
    for (TMeshPoint& p : mesh.Vertices)
        p = Normalized(p);
    for (int step = 0; step < subdivisions; ++step) {
        std::map<std::pair<int, int>, int> middles;
        auto middle = [&](int a, int b) {
            const auto key = std::minmax(a, b);
            const auto found = middles.find(key);
            if (found != middles.end())
                return found->second;
            mesh.Vertices.push_back(Normalized((mesh.Vertices[a] + mesh.Vertices[b]) * 0.5L));
            const int index = static_cast<int>(mesh.Vertices.size()) - 1;
            middles[key] = index;
            return index;
        };
        std::vector<TMeshFace> faces;
        for (const TMeshFace& f : mesh.Faces) {
            const int ab = middle(f[0], f[1]), bc = middle(f[1], f[2]), ca = middle(f[2], f[0]);
            faces.push_back({f[0], ab, ca});
            faces.push_back({f[1], bc, ab});
            faces.push_back({f[2], ca, bc});
            faces.push_back({ab, bc, ca});
        }
        mesh.Faces = std::move(faces);
    }
    return mesh;
}

TMesh UvSphereMesh(int segments, int rings) {
    TMesh mesh;
    mesh.Vertices.push_back({0, 0, 1});
    for (int ring = 1; ring < rings; ++ring) {
        const long double polar = Pi * ring / rings;
        for (int s = 0; s < segments; ++s)
            mesh.Vertices.push_back(
                OnCircle(std::sin(polar), 2 * Pi * s / segments, std::cos(polar)));
    }
    mesh.Vertices.push_back({0, 0, -1});
    const int south = static_cast<int>(mesh.Vertices.size()) - 1;
    auto at = [&](int ring, int s) { return 1 + (ring - 1) * segments + (s % segments); };
    for (int s = 0; s < segments; ++s) {
        mesh.Faces.push_back({0, at(1, s), at(1, s + 1)});
        for (int ring = 1; ring + 1 < rings; ++ring)
            AddQuad(mesh, at(ring, s), at(ring + 1, s), at(ring + 1, s + 1), at(ring, s + 1));
        mesh.Faces.push_back({south, at(rings - 1, s + 1), at(rings - 1, s)});
    }
    return mesh;
}

TMesh CylinderMesh(int sides) {
    TMesh mesh;
    for (int s = 0; s < sides; ++s) {
        mesh.Vertices.push_back(OnCircle(1, 2 * Pi * s / sides, -1));
        mesh.Vertices.push_back(OnCircle(1, 2 * Pi * s / sides, 1));
    }
    mesh.Vertices.push_back({0, 0, -1});
    mesh.Vertices.push_back({0, 0, 1});
    const int bottom = 2 * sides, top = 2 * sides + 1;
    for (int s = 0; s < sides; ++s) {
        const int b0 = 2 * s, t0 = 2 * s + 1;
        const int b1 = 2 * ((s + 1) % sides), t1 = b1 + 1;
        AddQuad(mesh, b0, b1, t1, t0);
        mesh.Faces.push_back({top, t0, t1});
        mesh.Faces.push_back({bottom, b1, b0});
    }
    return mesh;
}

TMesh ConeMesh(int sides) {
    TMesh mesh;
    for (int s = 0; s < sides; ++s)
        mesh.Vertices.push_back(OnCircle(1, 2 * Pi * s / sides, -1));
    mesh.Vertices.push_back({0, 0, -1});
    mesh.Vertices.push_back({0, 0, 1});
    const int centre = sides, apex = sides + 1;
    for (int s = 0; s < sides; ++s) {
        mesh.Faces.push_back({s, (s + 1) % sides, apex});
        mesh.Faces.push_back({centre, (s + 1) % sides, s});
    }
    return mesh;
}

TMesh TorusMesh(int segments, int tubeSegments) {
    TMesh mesh;
    constexpr long double Ring = 2, Tube = 1;
    for (int s = 0; s < segments; ++s) {
        const long double around = 2 * Pi * s / segments;
        for (int t = 0; t < tubeSegments; ++t) {
            const long double tube = 2 * Pi * t / tubeSegments;
            mesh.Vertices.push_back(
                OnCircle(Ring + Tube * std::cos(tube), around, Tube * std::sin(tube)));
        }
    }
    auto at = [&](int s, int t) { return (s % segments) * tubeSegments + (t % tubeSegments); };
    for (int s = 0; s < segments; ++s)
        for (int t = 0; t < tubeSegments; ++t)
            AddQuad(mesh, at(s, t), at(s + 1, t), at(s + 1, t + 1), at(s, t + 1));
    return mesh;
}

TMesh StarPrismMesh(int points) {
    TMesh mesh;
    const int corners = 2 * points;
    for (int i = 0; i < corners; ++i) {
        const long double radius = i % 2 == 0 ? 1 : 0.45L;
        const long double angle = Pi * i / points;
        mesh.Vertices.push_back(OnCircle(radius, angle, -0.3L));
        mesh.Vertices.push_back(OnCircle(radius, angle, 0.3L));
    }
    TMeshFace top, bottom;
    for (int i = 0; i < corners; ++i) {
        top.push_back(2 * i + 1);
        bottom.push_back(2 * (corners - 1 - i));
        const int next = (i + 1) % corners;
        mesh.Faces.push_back({2 * i, 2 * next, 2 * next + 1, 2 * i + 1});
    }
    mesh.Faces.push_back(top);
    mesh.Faces.push_back(bottom);
    return mesh;
}

TMesh NoisyMesh(int triangles, std::uint32_t seed) {
    std::mt19937 random(seed);
    // A UV sphere of 2 * segments * (rings - 1) triangles, segments = rings - 1.
    const int segments = std::max(3, static_cast<int>(std::lround(std::sqrt(triangles / 2.0))));
    const int rings = segments + 1;
    TMesh shape = UvSphereMesh(segments, rings);
    // Bumps up to a tenth of an edge, as a scanned surface has them.
    const long double edge = 2 * Pi / segments;
    for (TMeshPoint& p : shape.Vertices)
        p = p * (1 + 0.2L * edge * (Uniform(random) - 0.5L));

    std::vector<TMeshFace> faces;
    for (std::size_t i = 0; i < shape.Faces.size(); ++i) {
        const TMeshFace& face = shape.Faces[i];
        // The quads come as pairs of triangles a, b, c and a, c, d.
        const bool quad = i + 1 < shape.Faces.size() && shape.Faces[i + 1].size() == 3 &&
                          shape.Faces[i + 1][0] == face[0] && shape.Faces[i + 1][1] == face[2];
        if (quad && Uniform(random) < 1.0L / 3) {
            faces.push_back({face[0], face[1], face[2], shape.Faces[i + 1][2]});
            ++i;
            continue;
        }
        if (Uniform(random) < 0.05L) {
            // The side a, b split at a corner m: a zero-area face a, b, m
            // fills the gap to the neighbour, which still runs straight.
            const int a = face[0], b = face[1], c = face[2];
            const long double t = 0.25L + 0.5L * Uniform(random);
            shape.Vertices.push_back(shape.Vertices[a] +
                                     (shape.Vertices[b] - shape.Vertices[a]) * t);
            const int m = static_cast<int>(shape.Vertices.size()) - 1;
            faces.push_back({a, m, c});
            faces.push_back({m, b, c});
            faces.push_back({a, b, m});
            continue;
        }
        faces.push_back(face);
    }

    // Each face its own corners, as a triangle soup file gives them.
    TMesh mesh;
    for (const TMeshFace& face : faces) {
        TMeshFace own;
        for (int vertex : face) {
            const TMeshPoint jitter{Uniform(random) - 0.5L, Uniform(random) - 0.5L,
                                    Uniform(random) - 0.5L};
            mesh.Vertices.push_back(shape.Vertices[vertex] + jitter * 1e-8L);
            own.push_back(static_cast<int>(mesh.Vertices.size()) - 1);
        }
        mesh.Faces.push_back(own);
    }
    return mesh;
}

std::vector<TSampleMesh> BenchmarkMeshes() {
    return {
        {"cube", CubeMesh()},
        {"tetrahedron", TetrahedronMesh()},
        {"octahedron", OctahedronMesh()},
        {"icosahedron", IcosahedronMesh()},
        {"icosphere 80", IcosphereMesh(1)},
        {"icosphere 320", IcosphereMesh(2)},
        {"icosphere 1280", IcosphereMesh(3)},
        {"UV sphere 32x16", UvSphereMesh(32, 16)},
        {"cylinder 24", CylinderMesh(24)},
        {"cone 24", ConeMesh(24)},
        {"torus 24x8", TorusMesh(24, 8)},
        {"star prism", StarPrismMesh(5)},
        {"noisy 5000", NoisyMesh(5000, 2024)},
    };
}
