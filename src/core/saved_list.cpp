#include "core/saved_list.h"

#include "core/cell_text.h"
#include "core/date_texts.h"
#include "core/program.h"

#include <iconv.h>

namespace {
const QByteArray kHyphens61(61, '-');
const QByteArray kHyphens62(62, '-');

QByteArray fromMacRoman(const QByteArray &bytes)
{
    iconv_t converter = iconv_open("UTF-8", "MACINTOSH");
    // iconv_open reports failure as (iconv_t)-1.
    if (converter == reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr)
        return QString::fromLatin1(bytes).toUtf8();
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
    return out;
}

// The text as UTF-8: as it is when it is, without a byte order mark;
// otherwise read as Mac OS Roman.
QByteArray utf8Text(const QByteArray &bytes)
{
    if (!bytes.isValidUtf8())
        return fromMacRoman(bytes);
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
}

struct Line {
    qsizetype start;
    qsizetype end;
};

// Lines end at LF, CR or CRLF; a last line without its end still counts.
QList<Line> splitLines(const QByteArray &text)
{
    QList<Line> lines;
    const char *data = text.constData();
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] != '\n' && data[i] != '\r')
            continue;
        lines.append({start, i});
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append({start, size});
    return lines;
}
} // namespace

namespace SavedList {
QString headerLine(const QDateTime &moment)
{
    return QStringLiteral("Tableau de chronométrage créé le ") + DateTexts::shortDate(moment) + QStringLiteral(" à ") +
           DateTexts::shortTime(moment) + QStringLiteral(" par ") + Program::name() + QLatin1Char('.');
}

QByteArray write(const QString &header, const QString &comment, const LapRows &rows)
{
    QString commentLines = CellText::lineFeeds(comment);
    // A comment read back ends with its last line's break; the line end
    // written after the comment stands for it.
    if (commentLines.endsWith(QLatin1Char('\n')))
        commentLines.chop(1);
    QByteArray out;
    out.reserve(256 + commentLines.size() * 3 + rows.size() * 48);
    out += header.toUtf8() + '\n';
    out += kHyphens61 + '\n';
    out += commentLines.toUtf8() + '\n';
    out += kHyphens62 + '\n';
    for (qsizetype row = 0; row < rows.size(); ++row) {
        out += rows.line(row);
        out += '\n';
    }
    return out;
}

QString refusal(const QByteArray &bytes, const Contents &contents)
{
    if (bytes.contains('\0'))
        return QStringLiteral("ce n'est pas un fichier texte");
    if (contents.rows.isEmpty())
        return QStringLiteral("il ne contient aucune ligne de liste");
    return QString();
}

QString decode(const QByteArray &bytes)
{
    return CellText::fromUtf8(utf8Text(bytes));
}

Contents read(const QByteArray &bytes)
{
    const QByteArray text = utf8Text(bytes);
    const QList<Line> lines = splitLines(text);
    const auto view = [&text](const Line &line) {
        return QByteArrayView(text.constData() + line.start, line.end - line.start);
    };
    Contents contents{QString(), LapRows(text)};
    // A document of the program's own keeps its comment, every line of it,
    // between the line of 61 hyphens and the last line of 62.
    qsizetype commentEnd = -1;
    if (lines.size() > 1 && view(lines[1]) == kHyphens61)
        for (qsizetype i = lines.size() - 1; i > 2 && commentEnd < 0; --i) // its comment takes a line at least
            if (view(lines[i]) == kHyphens62)
                commentEnd = i;
    // The empty comment is written as one empty line.
    const bool emptyComment = commentEnd == 3 && lines[2].start == lines[2].end;
    for (qsizetype i = 2; i < commentEnd && !emptyComment; ++i)
        contents.comment += CellText::fromUtf8(view(lines[i])) + QLatin1Char('\r');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (commentEnd >= 0 && i >= 1 && i <= commentEnd)
            continue;
        const QByteArrayView line = view(lines[i]);
        const qsizetype firstTab = line.indexOf('\t');
        const qsizetype secondTab = line.indexOf('\t', firstTab + 1); // none when there is no first
        if (secondTab >= 0) {
            contents.rows.appendLine(lines[i].start, firstTab, secondTab - firstTab - 1, lines[i].end);
        } else if (firstTab >= 0) {
            contents.rows.append(ListRow{CellText::fromUtf8(line.first(firstTab)),
                                         CellText::fromUtf8(line.sliced(firstTab + 1)), QString()});
        } else if (i >= 2 && !line.isEmpty() && line.front() != '-') {
            // Elsewhere, forgiving: non-empty lines from the third on that do
            // not begin with "-" make the comment.
            contents.comment += CellText::fromUtf8(line) + QLatin1Char('\r');
        }
    }
    return contents;
}
} // namespace SavedList
