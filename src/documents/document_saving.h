#pragma once

#include "dialogs/answer.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The save sequence shared by "Sauver la liste" and the quit command, and
// the reading of a document file.
namespace DocumentSaving {
enum class Outcome { Cancelled, Written, Failed };

// The question that asks for the timing's comment before it is saved or
// printed, starting from defaultComment.
Reply askComment(const QString &defaultComment);
// "Document VelTiming", then "Document VelTiming 2" and so on.
QString suggestedName();
// Asks for the comment (starting from defaultComment) and the file, then
// writes the list as it stood when the rows were counted.
Outcome run(const QDateTime &moment, const QString &defaultComment, bool countThisSave);
// Replaces the file only once the whole document is written; reports a
// failure in a message box naming the file and the reason.
bool writeFile(const QString &path, const QByteArray &bytes);
// The whole file, or nothing and the reason in problem.
std::optional<QByteArray> readFile(const QString &path, QString &problem);
} // namespace DocumentSaving
