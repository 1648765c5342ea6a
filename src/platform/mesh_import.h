// Reading 3D model files (Wavefront OBJ, STL, PLY, glTF/GLB, OFF) into the
// model library's mesh record through the system's mesh import library.
#pragma once

#include "unfolding/mesh.h"

#include <QString>

// Where meshes come from, so that a window's tests can stand in for files.
class TMeshReader {
public:
    virtual ~TMeshReader() = default;
    // The meshes of the file, all in one, in the file's units; false with a
    // message for the user and an empty mesh when the file holds no faces or
    // is no 3D model.
    virtual bool Read(const QString& path, TMesh& mesh, QString& error) = 0;
};

class TFileMeshReader : public TMeshReader {
public:
    bool Read(const QString& path, TMesh& mesh, QString& error) override;
};

// The open dialog's filter for the files TFileMeshReader reads, in the form
// the prompt takes ("name|patterns|...").
QString MeshFileFilter();
