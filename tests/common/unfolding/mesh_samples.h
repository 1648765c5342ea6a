// The meshes the unfolding is tested and measured on, generated here rather
// than read from files: the regular solids, spheres, round bodies, a torus,
// a star-shaped prism and a noisy mesh with the faults model files have.
#pragma once

#include "unfolding/mesh.h"

#include <cstdint>
#include <string>
#include <vector>

TMesh CubeMesh(); // 12 triangles
TMesh TetrahedronMesh();
TMesh OctahedronMesh();
TMesh IcosahedronMesh();
TMesh IcosphereMesh(int subdivisions);       // 20 * 4^subdivisions triangles
TMesh UvSphereMesh(int segments, int rings); // along Z, pole fans and split quads
TMesh CylinderMesh(int sides); // along Z, as tall as wide, caps fanned from their centres
TMesh ConeMesh(int sides);     // along Z, as tall as wide, its base fanned from the centre
TMesh TorusMesh(int segments, int tubeSegments); // round Z, the tube a third of its width
TMesh StarPrismMesh(int points);                 // two star polygons and a quad per side
// About triangles triangles on a bumpy sphere: a third of the quads left
// whole and bent, a zero-area face at some edges with the corner it leaves
// on the neighbour's side, and every face with its own copy of its corners,
// shifted by far less than the merge distance.
TMesh NoisyMesh(int triangles, std::uint32_t seed);

struct TSampleMesh {
    std::string Name;
    TMesh Mesh;
};

// The benchmark set: cube, tetrahedron, octahedron, icosahedron, icospheres
// of 80, 320 and 1280 faces, UV sphere 32 x 16, cylinder and cone of 24 sides,
// torus 24 x 8, a five-pointed star prism and the noisy mesh of 5000 triangles.
std::vector<TSampleMesh> BenchmarkMeshes();
