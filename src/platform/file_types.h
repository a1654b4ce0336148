#pragma once

#include <QString>

// The document types the program knows, with their classic Mac type and
// creator codes. Linux keeps no such codes with a file; the names still tell
// the types apart.
struct FileType {
    QString name;
    QString macType;
    QString macCreator;
};

struct FileTypes {
    static void Initialize();
    static FileType pText;
    static FileType pSimpletext;
    static FileType pPREFER;
};
