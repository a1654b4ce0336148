#include "documents/saved_list.h"

#include "platform/date_texts.h"

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
    int lineNumber = 0;
    for (const QStringView line : splitLines(text)) {
        const qsizetype firstTab = line.indexOf(QLatin1Char('\t'));
        if (firstTab < 0) {
            if (lineNumber >= 2 && !line.isEmpty() && line.front() != QLatin1Char('-')) {
                contents.comment += line;
                contents.comment += QLatin1Char('\r');
            }
        } else {
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
        ++lineNumber;
    }
    return contents;
}
} // namespace SavedList
