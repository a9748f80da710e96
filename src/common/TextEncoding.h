// Text files of the program (settings, views) are written in UTF-8; a file that is not valid
// UTF-8 comes from an older program and is read as Windows-1252.
#pragma once

#include <QByteArray>
#include <QString>

// UTF-8 (a leading byte-order mark skipped) when the bytes are valid UTF-8, else Windows-1252.
QString DecodeTextFile(const QByteArray& bytes);

// Windows-1252 bytes as text.
QString FromWindows1252(const QByteArray& bytes);
