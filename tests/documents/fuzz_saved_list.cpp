// libFuzzer target for the saved list reader (built with clang only).
#include "documents/saved_list.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const SavedList::Contents contents =
        SavedList::read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    SavedList::write(QStringLiteral("h"), contents.comment, contents.rows);
    return 0;
}
