#pragma once

#include <QtTest>

// Expected lines kept in a file beside a test: "== " lines name the cases and give their input, each followed by
// what it gives. After a change meant, VEL_WRITE=<the file's name> writes the file anew from what the test makes.
namespace KeptLines {
inline QStringList read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n') : QStringList();
}

// Line breaks within a line made are written as \n and \r.
inline void compare(const QString &path, QStringList made)
{
    made.replaceInStrings("\n", "\\n").replaceInStrings("\r", "\\r");
    if (QFile file(path); qEnvironmentVariable("VEL_WRITE") == QFileInfo(path).fileName())
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write((made.join('\n') + '\n').toUtf8()));
    const QStringList kept = read(path);
    for (int i = 0; i < made.size(); ++i) // line by line, so that a failure shows the first that differs
        QCOMPARE(made[i], kept.value(i));
    QCOMPARE(kept.size(), made.size() + 1);
}

// Plays each case of the file: `play` takes its input, the text after the name, and adds what it gives.
template <class Play>
void check(const QString &path, Play play)
{
    QStringList made;
    for (const QString &line : read(path)) {
        if (!line.startsWith("== "))
            continue;
        made << line;
        play(line.section(": ", 1), made);
        if (QTest::currentTestFailed())
            return;
    }
    compare(path, made);
}
} // namespace KeptLines
