// Save failures sorted by what the user can do about them, and their texts.
#include "save_result.h"

#include "ui_text.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace {

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// What went wrong and, where it helps, what to do, in a sentence or two; file
// is the file meant (a missing folder is named by it).
QString SaveFailureReason(TSaveFailure failure, int error, const QString& file) {
    switch (failure) {
    case TSaveFailure::DiskFull:
        return UiText("TSaveResult", "ディスクの空き容量が足りません。"
                                     "不要なファイルを削除するか、別の場所に保存してください。");
    case TSaveFailure::NoPermission:
        return UiText("TSaveResult", "このファイルまたはフォルダーに書き込む権限がありません。"
                                     "別の場所に保存してください。");
    case TSaveFailure::ReadOnlyFileSystem:
        return UiText("TSaveResult",
                      "保存先のドライブは読み取り専用です。別の場所に保存してください。");
    case TSaveFailure::FolderGone:
        return UiText("TSaveResult", "保存先のフォルダー「%1」がありません。"
                                     "削除されたか、ドライブが取り外された可能性があります。")
            .arg(Shown(QFileInfo(file).absolutePath()));
    case TSaveFailure::ReadOnlyFile:
        return UiText("TSaveResult", "ファイルは読み取り専用です。");
    case TSaveFailure::NotAFile:
        return UiText("TSaveResult", "同じ名前のフォルダーなど、ファイルではないものがあります。");
    case TSaveFailure::Cancelled:
        return UiText("TSaveResult", "保存は中止されました。ファイルは元のままです。");
    case TSaveFailure::None:
    case TSaveFailure::BackupFailed:
    case TSaveFailure::Other:
        break;
    }
    return UiText("TSaveResult", "予期しないエラーが起きました（%1）。")
        .arg(QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

TSaveFailure SaveFailureOf(int error) {
    switch (error) {
    case 0:
        return TSaveFailure::None;
    case ENOSPC:
    case EDQUOT:
        return TSaveFailure::DiskFull;
    case EACCES:
    case EPERM:
        return TSaveFailure::NoPermission;
    case EROFS:
        return TSaveFailure::ReadOnlyFileSystem;
    case ENOENT:
    case ENOTDIR:
        return TSaveFailure::FolderGone;
    case EISDIR:
        return TSaveFailure::NotAFile;
    case ECANCELED:
        return TSaveFailure::Cancelled;
    default:
        return TSaveFailure::Other;
    }
}

QString SaveFailureText(const QString& path, const TSaveResult& result) {
    QString text = UiText("TSaveResult", "ファイル「%1」を保存できませんでした。").arg(Shown(path));
    const QString file = result.Path.isEmpty() ? path : result.Path;
    if (result.Failure == TSaveFailure::BackupFailed) {
        text +=
            UiText("TSaveResult", "フォルダーに新しいファイルを作れないため、元の内容を「%1」に"
                                  "控えてから上書きしようとしましたが、控えを作れませんでした。")
                .arg(Shown(result.BackupPath));
        return text +
               SaveFailureReason(SaveFailureOf(result.Error), result.Error, result.BackupPath);
    }
    text += SaveFailureReason(result.Failure, result.Error, file);
    if (!result.BackupPath.isEmpty())
        text += UiText("TSaveResult", "元の内容は「%1」に控えてあります。")
                    .arg(Shown(result.BackupPath));
    return text;
}

QString FileChangedQuestion(const QString& path, TFileChange change) {
    switch (change) {
    case TFileChange::Modified:
        return UiText("TSaveResult",
                      "ファイル「%1」は、開いた後か最後に保存した後で、ほかのプログラムに"
                      "変更されています。上書きしますか？")
            .arg(Shown(path));
    case TFileChange::Replaced:
        return UiText("TSaveResult",
                      "ファイル「%1」は、開いた後か最後に保存した後で、ほかのプログラムに"
                      "置き換えられています。上書きしますか？")
            .arg(Shown(path));
    case TFileChange::Removed:
        return UiText("TSaveResult",
                      "ファイル「%1」は、開いた後か最後に保存した後で削除されています。"
                      "保存しますか？")
            .arg(Shown(path));
    case TFileChange::Unchanged:
        break;
    }
    return QString();
}

QString ReadOnlyFileQuestion(const QString& path) {
    return UiText("TSaveResult", "ファイル「%1」は読み取り専用です。上書きしますか？")
        .arg(Shown(path));
}
