// Reading 3D model files into the mesh record.
#include "mesh_import.h"

#include "ui_text.h"

#include <QDir>
#include <QFile>

#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

namespace {

// For a file that is no 3D model and for one that holds no faces alike: the
// import library refuses both.
QString UnreadableText() {
    return UiText("TMeshImport", "「%1」は3Dモデルとして読み込めませんでした。");
}

bool Failed(const QString& path, TMesh& mesh, QString& error) {
    mesh = TMesh();
    error = UnreadableText().arg(QDir::toNativeSeparators(path));
    return false;
}

} // namespace

QString MeshFileFilter() {
    return UiText("TMeshImport", "3Dモデル (OBJ, STL, PLY, glTF, GLB, OFF)|"
                                 "*.obj;*.stl;*.ply;*.gltf;*.glb;*.off|全てのファイル (*.*)|*.*");
}

bool TFileMeshReader::Read(const QString& path, TMesh& mesh, QString& error) {
    Assimp::Importer importer;
    // Points and lines have no faces to unfold.
    importer.SetPropertyInteger(AI_CONFIG_PP_SBP_REMOVE,
                                aiPrimitiveType_POINT | aiPrimitiveType_LINE);
    // The nodes' placements are applied, so that the parts of a model lie
    // where the file puts them; the cleaning merges the rest.
    const aiScene* scene =
        importer.ReadFile(QFile::encodeName(path).constData(),
                          aiProcess_PreTransformVertices | aiProcess_SortByPType |
                              aiProcess_JoinIdenticalVertices | aiProcess_ValidateDataStructure);
    if (scene == nullptr || scene->mRootNode == nullptr)
        return Failed(path, mesh, error);

    mesh = TMesh();
    for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
        const aiMesh& part = *scene->mMeshes[m];
        const int first = static_cast<int>(mesh.Vertices.size());
        for (unsigned v = 0; v < part.mNumVertices; ++v)
            mesh.Vertices.push_back(
                {part.mVertices[v].x, part.mVertices[v].y, part.mVertices[v].z});
        for (unsigned f = 0; f < part.mNumFaces; ++f) {
            const aiFace& face = part.mFaces[f];
            if (face.mNumIndices < 3)
                continue;
            TMeshFace corners;
            for (unsigned i = 0; i < face.mNumIndices; ++i)
                corners.push_back(first + static_cast<int>(face.mIndices[i]));
            mesh.Faces.push_back(std::move(corners));
        }
    }
    if (mesh.Faces.empty())
        return Failed(path, mesh, error);
    error.clear();
    return true;
}
