// Tests of reading 3D model files: a small model written by the test in each
// format read back through the mesh import library, and files that are no
// model or hold no faces refused with the message that names them.
#include "mesh_import.h"

#include "unfolding/mesh.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

// A tetrahedron with corners on the axes: three right triangles of area 2
// and one equilateral face of area 2 * sqrt(3).
const long double TetrahedronArea = 6 + 2 * std::sqrt(3.0L);

QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

template <class T> void Append(QByteArray& bytes, T value) {
    bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
}

const float Corners[4][3] = {{0, 0, 0}, {2, 0, 0}, {0, 2, 0}, {0, 0, 2}};
const int Triangles[4][3] = {{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}};

QByteArray BinaryStl() {
    QByteArray bytes(80, ' ');
    Append<std::uint32_t>(bytes, 4);
    for (const auto& triangle : Triangles) {
        for (int i = 0; i < 3; ++i)
            Append<float>(bytes, 0); // the normal, which readers work out again
        for (int corner : triangle)
            for (float coordinate : Corners[corner])
                Append<float>(bytes, coordinate);
        Append<std::uint16_t>(bytes, 0);
    }
    return bytes;
}

std::string AsciiStl() {
    std::string text = "solid tetra\n";
    for (const auto& triangle : Triangles) {
        text += " facet normal 0 0 0\n  outer loop\n";
        for (int corner : triangle)
            text += "   vertex " + std::to_string(Corners[corner][0]) + " " +
                    std::to_string(Corners[corner][1]) + " " + std::to_string(Corners[corner][2]) +
                    "\n";
        text += "  endloop\n endfacet\n";
    }
    return text + "endsolid tetra\n";
}

// The tetrahedron's corners and indices as a glTF buffer, the node scaled by
// two so that the placement must be applied (the area grows fourfold).
QByteArray GltfBuffer() {
    QByteArray bytes;
    for (const auto& corner : Corners)
        for (float coordinate : corner)
            Append<float>(bytes, coordinate);
    for (const auto& triangle : Triangles)
        for (int corner : triangle)
            Append<std::uint16_t>(bytes, static_cast<std::uint16_t>(corner));
    return bytes; // 48 bytes of corners, 24 of indices
}

std::string GltfJson(const std::string& bufferUri) {
    return R"({"asset":{"version":"2.0"},"scene":0,"scenes":[{"nodes":[0]}],)"
           R"("nodes":[{"mesh":0,"scale":[2,2,2]}],)"
           R"("meshes":[{"primitives":[{"attributes":{"POSITION":0},"indices":1}]}],)"
           R"("accessors":[{"bufferView":0,"componentType":5126,"count":4,"type":"VEC3",)"
           R"("min":[0,0,0],"max":[2,2,2]},)"
           R"({"bufferView":1,"componentType":5123,"count":12,"type":"SCALAR"}],)"
           R"("bufferViews":[{"buffer":0,"byteOffset":0,"byteLength":48},)"
           R"({"buffer":0,"byteOffset":48,"byteLength":24}],)"
           R"("buffers":[{"byteLength":72)" +
           (bufferUri.empty() ? std::string() : R"(,"uri":")" + bufferUri + "\"") + "}]}";
}

QByteArray Glb() {
    QByteArray json = Bytes(GltfJson(""));
    while (json.size() % 4 != 0)
        json.append(' ');
    const QByteArray buffer = GltfBuffer();
    QByteArray bytes("glTF");
    Append<std::uint32_t>(bytes, 2);
    Append<std::uint32_t>(bytes,
                          static_cast<std::uint32_t>(12 + 8 + json.size() + 8 + buffer.size()));
    Append<std::uint32_t>(bytes, static_cast<std::uint32_t>(json.size()));
    bytes.append("JSON", 4);
    bytes.append(json);
    Append<std::uint32_t>(bytes, static_cast<std::uint32_t>(buffer.size()));
    bytes.append("BIN\0", 4);
    bytes.append(buffer);
    return bytes;
}

struct TModelFile {
    const char* Name;
    QByteArray Contents;
    std::size_t Faces;
    long double Area;
};

} // namespace

TEST(MeshImport, ReadsEachFormatBack) {
    const std::string cubeObj =
        "# a cube of side 2, one quad per side\n"
        "v 0 0 0\nv 2 0 0\nv 2 2 0\nv 0 2 0\n"
        "v 0 0 2\nv 2 0 2\nv 2 2 2\nv 0 2 2\n"
        "f 1 4 3 2\nf 5 6 7 8\nf 1 2 6 5\nf 2 3 7 6\nf 3 4 8 7\nf 4 1 5 8\n";
    const std::string pyramidPly = "ply\nformat ascii 1.0\nelement vertex 5\n"
                                   "property float x\nproperty float y\nproperty float z\n"
                                   "element face 5\nproperty list uchar int vertex_indices\n"
                                   "end_header\n"
                                   "0 0 0\n2 0 0\n2 2 0\n0 2 0\n1 1 1\n"
                                   "4 0 3 2 1\n3 0 1 4\n3 1 2 4\n3 2 3 4\n3 3 0 4\n";
    const std::string tetrahedronOff = "OFF\n4 4 6\n0 0 0\n2 0 0\n0 2 0\n0 0 2\n"
                                       "3 0 2 1\n3 0 1 3\n3 0 3 2\n3 1 2 3\n";
    const TModelFile files[] = {
        {"cube.obj", Bytes(cubeObj), 6, 24},
        {"tetra-ascii.stl", Bytes(AsciiStl()), 4, TetrahedronArea},
        {"tetra-binary.stl", BinaryStl(), 4, TetrahedronArea},
        {"pyramid.ply", Bytes(pyramidPly), 5, 4 + 4 * std::sqrt(2.0L)},
        {"tetra.off", Bytes(tetrahedronOff), 4, TetrahedronArea},
        {"tetra.gltf",
         Bytes(GltfJson("data:application/octet-stream;base64," +
                        GltfBuffer().toBase64().toStdString())),
         4, 4 * TetrahedronArea},
        {"tetra.glb", Glb(), 4, 4 * TetrahedronArea},
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const TModelFile& file : files) {
        SCOPED_TRACE(file.Name);
        const QString path = folder.filePath(QString::fromLatin1(file.Name));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file.Contents);
        out.close();

        TMesh mesh;
        QString error = QStringLiteral("stale");
        ASSERT_TRUE(TFileMeshReader().Read(path, mesh, error)) << error.toStdString();
        EXPECT_TRUE(error.isEmpty());
        EXPECT_EQ(mesh.Faces.size(), file.Faces);
        EXPECT_NEAR(static_cast<double>(SurfaceArea(mesh)), static_cast<double>(file.Area), 1e-5);
    }
}

TEST(MeshImport, RefusesFilesThatAreNoModel) {
    const struct {
        const char* Name;
        QByteArray Contents;
    } files[] = {
        {"notes.txt", "A shopping list, not a model.\n"},
        {"empty.stl", ""},
        {"points.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\n"},
        {"lines.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nl 1 2\nl 2 3\n"},
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const auto& file : files) {
        SCOPED_TRACE(file.Name);
        const QString path = folder.filePath(QString::fromLatin1(file.Name));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file.Contents);
        out.close();

        TMesh mesh;
        mesh.Faces.push_back({0, 1, 2});
        QString error;
        EXPECT_FALSE(TFileMeshReader().Read(path, mesh, error));
        EXPECT_TRUE(mesh.Faces.empty());
        EXPECT_TRUE(mesh.Vertices.empty());
        EXPECT_TRUE(error.contains(QString::fromLatin1(file.Name))) << error.toStdString();
        EXPECT_TRUE(error.startsWith(QStringLiteral("「")) &&
                    error.endsWith(QStringLiteral("」は3Dモデルとして読み込めませんでした。")))
            << error.toStdString();
    }
}
