// What the window tells the user about recovery copies: the question whether
// to restore one, naming its drawing and its time; a copy that cannot be
// read; and a recovery folder that cannot be written.
#pragma once

#include "left_recovery_copies.h"
#include "save_result.h"

#include <QString>

// "保存されずに終了した図形データがあります。復元しますか？" with the drawing's
// file (or 名前なし) and the copy's time, and a warning when the copy is older
// than the file.
QString RecoveryQuestionText(const TLeftRecoveryCopy& copy);
// Why the copy cannot be read and where it is kept (its path at the call).
QString UnreadableRecoveryText(const TLeftRecoveryCopy& copy);
// That copies cannot be kept in folder, and why.
QString RecoveryUnavailableText(const QString& folder, const TSaveResult& problem);
// That count more copies are left, which one window cannot show at once, and
// how to restore them.
QString MoreRecoveryCopiesText(int count);
