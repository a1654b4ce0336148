// libFuzzer's entry points; each fuzzer gives its seeds, made with the program's writers, and what must hold.
#include <QDir>
#include <QFile>

#include <cstdlib>

QList<QByteArray> seeds();
bool holds(const QByteArray &input);

// `FUZZER --seeds DIR` empties DIR, writes the seeds there and quits.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    if (*argc != 3 || qstrcmp((*argv)[1], "--seeds") != 0)
        return 0;
    QDir dir((*argv)[2]);
    bool written = dir.removeRecursively() && dir.mkpath(".");
    for (const QByteArray &seed : seeds()) {
        QFile file(dir.filePath(QString::number(qHash(seed))));
        written = written && file.open(QIODevice::WriteOnly) && file.write(seed) == seed.size();
    }
    std::exit(written ? 0 : 1);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (!holds(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        __builtin_trap();
    return 0;
}
