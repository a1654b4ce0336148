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

// A case that cannot be played here (say, without root): what the file keeps for it stands.
inline void skip(QStringList &made, const char *reason)
{
    made << QStringLiteral("\x01") + QLatin1String(reason);
}

// The text with %1, %2… filled in turn with the values, texts and numbers alike.
template <class... Values>
QString filled(QString text, const Values &...values)
{
    ((text = text.arg(values)), ...);
    return text;
}

// Plays each case of the file: `play` takes its input, the text after the name, and adds what it gives.
template <class Play>
void check(const QString &path, Play play)
{
    const QStringList kept = read(path);
    QStringList made;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        if (!kept[i].startsWith("== "))
            continue;
        made << kept[i];
        const qsizetype at = made.size();
        play(kept[i].section(": ", 1), made);
        if (QTest::currentTestFailed())
            return;
        if (made.size() > at && made[at].startsWith(u'\x01')) {
            qInfo("%s: skipped, %s", qUtf8Printable(kept[i]), qUtf8Printable(made[at].mid(1)));
            made.resize(at);
            for (qsizetype next = i + 1; next < kept.size() - 1 && !kept[next].startsWith("== "); ++next)
                made << kept[next]; // the file's last line is the empty one after its last line end
        }
    }
    compare(path, made);
}
} // namespace KeptLines
