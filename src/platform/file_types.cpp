#include "platform/file_types.h"

FileType FileTypes::pText;
FileType FileTypes::pSimpletext;
FileType FileTypes::pPREFER;

void FileTypes::Initialize()
{
    pText = {QStringLiteral("text"), QStringLiteral("TEXT"), QStringLiteral("ttxt")};
    pSimpletext = {QStringLiteral("simpletext"), QStringLiteral("Text"), QStringLiteral("ttxt")};
    pPREFER = {QStringLiteral("PREFER"), QStringLiteral("VVLL"), QStringLiteral("VVLL")};
}
