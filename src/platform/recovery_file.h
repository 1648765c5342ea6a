// The drawing written aside while it has unsaved changes, so that a crash
// loses at most the last minute of work: one file in the user's data folder,
// never the user's own file, held by one running program at a time (a
// TRecoveryCopy is one per running program).
#pragma once

#include "recovery_copy.h"

#include <QString>

#include <memory>
#include <string>

class QLockFile;

class TRecoveryFile {
public:
    // Takes the file for this program unless another running program holds it;
    // a program that crashed holds nothing.
    explicit TRecoveryFile(const QString& folder);
    ~TRecoveryFile();

    // False in a second program running beside the first: it writes nothing,
    // so the two never write over each other's work.
    bool IsOwned() const { return FLock != nullptr; }
    QString Path() const { return FPath; }

    // A file left by a program that did not end normally.
    bool Exists() const;
    bool Read(std::string& bytes) const;
    // Atomic, so a crash while writing keeps the previous copy.
    bool Write(const std::string& bytes);
    void Remove();

private:
    QString FPath;
    std::unique_ptr<QLockFile> FLock;
};
