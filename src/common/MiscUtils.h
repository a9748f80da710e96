// Small helpers shared by the subsystems: file copies and deletes that report their failure and
// let the caller's sequence go on, atomic file writes, and path texts.
#pragma once

#include <QByteArray>
#include <QString>

// Copies `source` over `target` and then deletes `source`. A failed copy shows
// "Could not copy "%s" to "%s"." and leaves both files as they were; a failed delete shows
// "Could not delete "%s".". Returns true when the file was moved.
bool MoveFileReplacing(const QString& source, const QString& target);

// Deletes a file; when that fails (a missing file counts as failing) and `report` is true, shows
// "Could not delete "%s".". Returns true when the file was deleted.
bool DeleteFileReported(const QString& path, bool report);

// Copies `source` to `target`, replacing it; shows the copy message on failure.
bool CopyFileReported(const QString& source, const QString& target);

// Writes `bytes` to `path` through a temporary file in the same folder that is flushed to disk
// and then renamed over `path`, so `path` is either the old or the new content. Throws EVzError.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

// Reads a whole file; throws EVzError when it cannot be read.
QByteArray ReadWholeFile(const QString& path);

// Renames `source` over `target` in one step (replacing it) and flushes the folder entry.
// Throws EVzError on failure.
void RenameReplacing(const QString& source, const QString& target);

// `path` with its extension (the text after the last dot of the file name) replaced by `ext`
// (given with its dot); a name without extension gets `ext` appended.
QString ChangeFileExt(const QString& path, const QString& ext);

// The folder of `path` with a trailing "/".
QString FolderOf(const QString& path);

// `folder` with exactly one trailing "/".
QString WithTrailingSlash(const QString& folder);

// The local time as "yyyy-mm-dd_hh-nn_ss-zzz" (e.g. 2009-03-14_15-09_26-535): timeline IDs and
// temporary-copy folder names.
QString IdentityStamp();
