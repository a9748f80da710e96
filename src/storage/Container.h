// The ".tml" container: a ZIP archive of bare-named members, scrambled byte by byte as a whole,
// and the helpers that read other timelines without opening them.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The stream scrambling. Each output byte is the input byte XOR the high byte of a 16-bit
// running key K; then K = ((K + c) * M + A) mod 65536, c being the scrambled byte. The three
// constants are fixed for every file the program writes.
constexpr quint16 ScrambleStartKey = 0x5C3A;
constexpr quint16 ScrambleMultiplier = 0x6B9D; // M (odd, so every key step is a permutation)
constexpr quint16 ScrambleIncrement = 0x2F47;  // A

void ScrambleBytes(QByteArray& bytes);
void UnscrambleBytes(QByteArray& bytes);
// Rewrite a whole file in place (through a temporary file, flushed, then renamed).
void ScrambleFile(const QString& path);
void UnscrambleFile(const QString& path);

// Thrown when the bytes are not a ZIP archive this program accepts: not a ZIP at all, an
// unsupported kind, or a member that is not a bare file name.
class ENotATimeline : public std::exception {
public:
    const char* what() const noexcept override { return "not a valid timeline container"; }
};

// A ZIP archive read from memory.
class TZipReader {
public:
    // Throws ENotATimeline when `bytes` is not an acceptable archive.
    explicit TZipReader(QByteArray bytes);
    ~TZipReader();
    TZipReader(const TZipReader&) = delete;
    TZipReader& operator=(const TZipReader&) = delete;

    QStringList Members() const { return m_members; }
    bool Contains(const QString& member) const;
    QByteArray Read(const QString& member) const;
    // Writes the members matching `mask` ("*" for all, "*.ff2") into `folder`, replacing files;
    // returns the paths written. Throws EVzError on a failed read or write.
    QStringList ExtractTo(const QString& folder, const QString& mask = QStringLiteral("*")) const;

private:
    QByteArray m_bytes;
    struct zip* m_zip = nullptr;
    QStringList m_members;
};

// A new ZIP archive written to `path` from files of one base folder, added by bare name.
class TZipWriter {
public:
    explicit TZipWriter(const QString& path);
    ~TZipWriter();
    TZipWriter(const TZipWriter&) = delete;
    TZipWriter& operator=(const TZipWriter&) = delete;

    // Adds the file `folder/name` under `name`; the file is read when the archive is closed.
    void AddFile(const QString& folder, const QString& name);
    // Adds `bytes` under `name` as given (tests build deliberately broken archives with it).
    void AddBytes(const QString& name, const QByteArray& bytes);
    // Writes the archive; `progress` gets a fraction 0..1 while it runs.
    void Close(const std::function<void(double)>& progress = {});

private:
    QString m_path;
    struct zip* m_zip = nullptr;
    std::vector<QByteArray> m_buffers; // kept until the archive is written
};

// A member name that may be written into the working folder: no folder part, no "..", not
// absolute, not empty.
bool IsBareMemberName(const QString& name);

// True when `path` is a complete container that holds the two tables.
bool IsValidTimelineFile(const QString& path);

// A new folder under the temporary path named by the local time ("yyyy-mm-dd_hh-nn_ss-zzz"),
// private to the user; returned with a trailing "/".
QString MakeTempCopyFolder();
// A new private folder under the temporary path for a new timeline; trailing "/".
QString MakePrivateWorkFolder();
// True when the folder of `path` holds "Event.ff2".
bool FolderInUse(const QString& path);
// Copies a container into a new temporary folder and unscrambles it there as "<name>.zip";
// returns that path.
QString OpenCopyForReading(const QString& path);
// Extracts the members of an unscrambled archive matching `mask` into its own folder.
void ExtractMembers(const QString& zipPath, const QString& mask);
// Deletes a folder with everything in it, silently; when that fails, only an empty folder goes.
void RemoveTempFolder(const QString& folder);
// Compares two folder paths with a trailing "/" ignoring letter case.
bool SameFolder(const QString& a, const QString& b);
