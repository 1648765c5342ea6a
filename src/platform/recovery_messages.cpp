// The texts about recovery copies.
#include "recovery_messages.h"

#include "ui_text.h"

#include <QDir>

#include <cstring>

namespace {

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The drawing and the copy's time, one line each.
QString CopyLines(const TLeftRecoveryCopy& copy) {
    const QString drawing = copy.DrawingFile().isEmpty() ? UiText("TRecoveryMessages", "名前なし")
                                                         : Shown(copy.DrawingFile());
    return UiText("TRecoveryMessages", "図面: %1\n控えの日時: %2")
        .arg(drawing, copy.Written().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
}

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString UnreadableReason(const TLeftRecoveryCopy& copy) {
    switch (copy.State()) {
    case TRecoveryCopyState::CutShort:
        return UiText("TRecoveryMessages", "控えが途中で切れています。");
    case TRecoveryCopyState::NewerVersion:
        return UiText("TRecoveryMessages",
                      "新しい版の Zelvo で書かれた控えで、この版では読めません。");
    case TRecoveryCopyState::Damaged:
        return UiText("TRecoveryMessages",
                      "控えの内容が図形データとして正しくないか、範囲外の値を含んでいます。");
    case TRecoveryCopyState::CannotRead:
        return UiText("TRecoveryMessages", "控えを読めません（%1）。")
            .arg(SystemError(copy.Error()));
    case TRecoveryCopyState::Readable:
        break;
    }
    return QString();
}

QString FolderProblem(const TSaveResult& problem) {
    switch (problem.Failure) {
    case TSaveFailure::DiskFull:
        return UiText("TRecoveryMessages", "ディスクの空き容量が足りません");
    case TSaveFailure::NoPermission:
        return UiText("TRecoveryMessages", "書き込む権限がありません");
    case TSaveFailure::ReadOnlyFileSystem:
        return UiText("TRecoveryMessages", "読み取り専用のドライブです");
    case TSaveFailure::FolderGone:
        return UiText("TRecoveryMessages", "フォルダーがありません");
    default:
        return SystemError(problem.Error);
    }
}

} // namespace

QString RecoveryQuestionText(const TLeftRecoveryCopy& copy) {
    QString text = UiText("TRecoveryMessages",
                          "保存されずに終了した図形データがあります。復元しますか？\n\n") +
                   CopyLines(copy);
    if (copy.OlderThanFile())
        text += UiText("TRecoveryMessages",
                       "\n\nこの控えは、その後に保存された図面のファイルより古いものです。");
    return text;
}

QString UnreadableRecoveryText(const TLeftRecoveryCopy& copy) {
    return UiText("TRecoveryMessages",
                  "保存されずに終了した図形データの控えを読み込めませんでした。") +
           UnreadableReason(copy) +
           UiText("TRecoveryMessages", "控えは「%1」に残してあります。\n\n")
               .arg(Shown(copy.Path())) +
           CopyLines(copy);
}

QString RecoveryUnavailableText(const QString& folder, const TSaveResult& problem) {
    return UiText("TRecoveryMessages", "復元用の控えをフォルダー「%1」に書き込めません（%2）。"
                                       "保存しないまま異常終了すると、変更は失われます。")
        .arg(Shown(folder), FolderProblem(problem));
}

QString MoreRecoveryCopiesText(int count) {
    return UiText("TRecoveryMessages",
                  "保存されずに終了した図形データがほかに%1件あります。"
                  "Zelvo をもう一つ起動すると、それを復元するかどうかを確認します。")
        .arg(count);
}
