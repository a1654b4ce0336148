#pragma once

#include <QByteArrayView>
#include <QString>

// A tab, CR or LF inside a cell would shift the columns of a saved document,
// so cells never hold one: each becomes a blank.
namespace CellText {
QString clean(QString text);
// CR LF and lone CR made LF, so that a text's lines break the same everywhere.
QString lineFeeds(QString text);
// Text from UTF-8 exactly as it is: QString::fromUtf8() would drop a byte order
// mark that begins a cell or a line.
QString fromUtf8(QByteArrayView utf8);
} // namespace CellText
