#include "core/saved_list.h"

#include "core/date_texts.h"

#include <QStringDecoder>

#include <iconv.h>

namespace {
const QByteArray kHyphens61(61, '-');
const QByteArray kHyphens62(62, '-');

QString fromMacRoman(const QByteArray &bytes)
{
    iconv_t converter = iconv_open("UTF-8", "MACINTOSH");
    // iconv_open reports failure as (iconv_t)-1.
    if (converter == reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr)
        return QString::fromLatin1(bytes);
    QByteArray out(bytes.size() * 4 + 4, Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char *outPtr = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(converter, &in, &inLeft, &outPtr, &outLeft) == size_t(-1)) {
            // A byte the table lacks: keep going without it.
            ++in;
            --inLeft;
        }
    }
    iconv_close(converter);
    out.truncate(out.size() - qsizetype(outLeft));
    return QString::fromUtf8(out);
}

QList<QStringView> splitLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}
} // namespace

namespace SavedList {
QString headerLine(const QDateTime &moment)
{
    return QStringLiteral("Tableau de chronométrage créé le ") + DateTexts::shortDate(moment) + QStringLiteral(" à ") +
           DateTexts::shortTime(moment) + QStringLiteral(" par VelTiming.");
}

QByteArray write(const QString &header, const QString &comment, const QList<ListRow> &rows)
{
    QString commentLines = comment;
    commentLines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // A comment read back ends with its last line's break; the line end
    // written after the comment stands for it.
    if (commentLines.endsWith(QLatin1Char('\n')))
        commentLines.chop(1);
    QByteArray out;
    out.reserve(256 + rows.size() * 48);
    out += header.toUtf8() + '\n';
    out += kHyphens61 + '\n';
    out += commentLines.toUtf8() + '\n';
    out += kHyphens62 + '\n';
    for (const ListRow &row : rows) {
        out += row.label.toUtf8();
        out += '\t';
        out += row.time.toUtf8();
        out += '\t';
        out += row.difference.toUtf8();
        out += '\n';
    }
    return out;
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return fromMacRoman(bytes);
    return text;
}

Contents read(const QByteArray &bytes)
{
    Contents contents;
    const QString text = decode(bytes);
    const QList<QStringView> lines = splitLines(text);
    // A document of the program's own keeps its comment, every line of it,
    // between the line of 61 hyphens and the last line of 62.
    qsizetype commentEnd = -1;
    if (lines.size() > 1 && lines[1] == QLatin1String(kHyphens61))
        for (qsizetype i = lines.size() - 1; i > 1 && commentEnd < 0; --i)
            if (lines[i] == QLatin1String(kHyphens62))
                commentEnd = i;
    // The empty comment is written as one empty line.
    const bool emptyComment = commentEnd == 3 && lines[2].isEmpty();
    for (qsizetype i = 2; i < commentEnd && !emptyComment; ++i) {
        contents.comment += lines[i];
        contents.comment += QLatin1Char('\r');
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (commentEnd >= 0 && i >= 1 && i <= commentEnd)
            continue;
        const QStringView line = lines[i];
        const qsizetype firstTab = line.indexOf(QLatin1Char('\t'));
        if (firstTab < 0) {
            // Elsewhere, forgiving: non-empty lines from the third on that do
            // not begin with "-" make the comment.
            if (i >= 2 && !line.isEmpty() && line.front() != QLatin1Char('-')) {
                contents.comment += line;
                contents.comment += QLatin1Char('\r');
            }
            continue;
        }
        const qsizetype secondTab = line.indexOf(QLatin1Char('\t'), firstTab + 1);
        ListRow row;
        row.label = line.left(firstTab).toString();
        if (secondTab < 0) {
            row.time = line.mid(firstTab + 1).toString();
        } else {
            row.time = line.mid(firstTab + 1, secondTab - firstTab - 1).toString();
            row.difference = line.mid(secondTab + 1).toString();
        }
        contents.rows.append(std::move(row));
    }
    return contents;
}
} // namespace SavedList
