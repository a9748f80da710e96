#include "storage/Container.h"

#include "common/Errors.h"
#include "common/MiscUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>

#include <zip.h>

namespace {
void Transform(QByteArray& bytes, bool scrambling) {
    quint16 key = ScrambleStartKey;
    auto* p = reinterpret_cast<unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned char in = p[i];
        const unsigned char out = in ^ static_cast<unsigned char>(key >> 8);
        p[i] = out;
        const unsigned char c = scrambling ? out : in;
        key = static_cast<quint16>((quint32(key) + c) * ScrambleMultiplier + ScrambleIncrement);
    }
}

QString ZipError(zip_t* za) {
    return QString::fromUtf8(zip_strerror(za));
}

bool MatchesMask(const QString& name, const QString& mask) {
    if (mask == QLatin1String("*"))
        return true;
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(mask),
                                QRegularExpression::CaseInsensitiveOption);
    return re.match(name).hasMatch();
}

bool MakePrivateFolder(const QString& path) {
    if (!QDir().mkdir(path))
        return false;
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return true;
}
} // namespace

void ScrambleBytes(QByteArray& bytes) {
    Transform(bytes, true);
}

void UnscrambleBytes(QByteArray& bytes) {
    Transform(bytes, false);
}

void ScrambleFile(const QString& path) {
    QByteArray bytes = ReadWholeFile(path);
    ScrambleBytes(bytes);
    WriteFileAtomically(path, bytes);
}

void UnscrambleFile(const QString& path) {
    QByteArray bytes = ReadWholeFile(path);
    UnscrambleBytes(bytes);
    WriteFileAtomically(path, bytes);
}

bool IsBareMemberName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1Char(':')) || name.contains(QChar(0)))
        return false;
    return true;
}

TZipReader::TZipReader(QByteArray bytes) : m_bytes(std::move(bytes)) {
    // The smallest archive is its 22-byte end record; an empty file is no archive.
    if (m_bytes.size() < 22)
        throw ENotATimeline();
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(m_bytes.constData(), zip_uint64_t(m_bytes.size()), 0, &error);
    if (!source) {
        zip_error_fini(&error);
        throw ENotATimeline();
    }
    m_zip = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    zip_error_fini(&error);
    if (!m_zip) {
        zip_source_free(source);
        throw ENotATimeline();
    }
    const zip_int64_t n = zip_get_num_entries(m_zip, 0);
    for (zip_int64_t i = 0; i < n; ++i) {
        const char* raw = zip_get_name(m_zip, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
        const QString name = raw ? QString::fromUtf8(raw) : QString();
        if (!IsBareMemberName(name)) {
            zip_discard(m_zip);
            m_zip = nullptr;
            throw ENotATimeline();
        }
        m_members << name;
    }
}

TZipReader::~TZipReader() {
    if (m_zip)
        zip_discard(m_zip);
}

bool TZipReader::Contains(const QString& member) const {
    return m_members.contains(member, Qt::CaseInsensitive);
}

QByteArray TZipReader::Read(const QString& member) const {
    const zip_int64_t index = zip_name_locate(m_zip, member.toUtf8().constData(), ZIP_FL_NOCASE);
    if (index < 0)
        throw EVzError(QStringLiteral("The member \"%1\" is missing.").arg(member));
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(m_zip, zip_uint64_t(index), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
        throw EVzError(QStringLiteral("Could not read \"%1\": %2").arg(member, ZipError(m_zip)));
    zip_file_t* file = zip_fopen_index(m_zip, zip_uint64_t(index), 0);
    if (!file)
        throw EVzError(QStringLiteral("Could not read \"%1\": %2").arg(member, ZipError(m_zip)));
    QByteArray data;
    data.resize(qsizetype(st.size));
    const zip_int64_t got = zip_fread(file, data.data(), st.size);
    zip_fclose(file);
    if (got < 0 || zip_uint64_t(got) != st.size)
        throw EVzError(QStringLiteral("Could not read \"%1\": %2").arg(member, ZipError(m_zip)));
    return data;
}

QStringList TZipReader::ExtractTo(const QString& folder, const QString& mask) const {
    QStringList written;
    for (const QString& member : m_members) {
        if (!MatchesMask(member, mask))
            continue;
        const QString target = WithTrailingSlash(folder) + member;
        const QByteArray data = Read(member);
        QFile out(target);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(data) != data.size())
            throw EVzError(QStringLiteral("Could not write \"%1\": %2").arg(target, out.errorString()));
        written << target;
    }
    return written;
}

TZipWriter::TZipWriter(const QString& path) : m_path(path) {
    int error = 0;
    m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!m_zip) {
        zip_error_t e;
        zip_error_init_with_code(&e, error);
        const QString text = QString::fromUtf8(zip_error_strerror(&e));
        zip_error_fini(&e);
        throw EVzError(QStringLiteral("Could not create \"%1\": %2").arg(path, text));
    }
}

TZipWriter::~TZipWriter() {
    if (m_zip)
        zip_discard(m_zip);
}

void TZipWriter::AddFile(const QString& folder, const QString& name) {
    const QString path = WithTrailingSlash(folder) + name;
    if (!QFileInfo(path).isFile())
        throw EVzError(QStringLiteral("Could not add \"%1\": the file is missing.").arg(path));
    zip_source_t* source = zip_source_file(m_zip, QFile::encodeName(path).constData(), 0, -1);
    if (!source)
        throw EVzError(QStringLiteral("Could not add \"%1\": %2").arg(path, ZipError(m_zip)));
    const zip_int64_t index = zip_file_add(m_zip, name.toUtf8().constData(), source,
                                           ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        throw EVzError(QStringLiteral("Could not add \"%1\": %2").arg(path, ZipError(m_zip)));
    }
    // A fast deflate level: the tables compress well and saving stays quick.
    zip_set_file_compression(m_zip, zip_uint64_t(index), ZIP_CM_DEFLATE, 3);
}

void TZipWriter::AddBytes(const QString& name, const QByteArray& bytes) {
    m_buffers.push_back(bytes);
    const QByteArray& kept = m_buffers.back();
    zip_source_t* source = zip_source_buffer(m_zip, kept.constData(), zip_uint64_t(kept.size()), 0);
    if (!source || zip_file_add(m_zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
        if (source)
            zip_source_free(source);
        throw EVzError(QStringLiteral("Could not add \"%1\": %2").arg(name, ZipError(m_zip)));
    }
}

void TZipWriter::Close(const std::function<void(double)>& progress) {
    std::function<void(double)> callback = progress;
    if (callback)
        zip_register_progress_callback_with_state(
            m_zip, 0.05,
            [](zip_t*, double fraction, void* state) {
                (*static_cast<std::function<void(double)>*>(state))(fraction);
            },
            nullptr, &callback);
    if (zip_close(m_zip) != 0) {
        const QString text = ZipError(m_zip);
        zip_discard(m_zip);
        m_zip = nullptr;
        throw EVzError(QStringLiteral("Could not write \"%1\": %2").arg(m_path, text));
    }
    m_zip = nullptr;
}

bool IsValidTimelineFile(const QString& path) {
    try {
        QByteArray bytes = ReadWholeFile(path);
        UnscrambleBytes(bytes);
        TZipReader reader(std::move(bytes));
        return reader.Contains(QStringLiteral("Event.ff2")) &&
               reader.Contains(QStringLiteral("Category.ff2"));
    } catch (...) {
        return false;
    }
}

QString MakeTempCopyFolder() {
    const QString base = QDir::tempPath();
    QDir().mkpath(base);
    for (int attempt = 0; attempt < 50; ++attempt) {
        const QString path = base + QLatin1Char('/') + IdentityStamp();
        if (MakePrivateFolder(path))
            return WithTrailingSlash(path);
        QThread::msleep(2);
    }
    throw EVzError(QStringLiteral("Could not create a temporary folder in \"%1\".").arg(base));
}

QString MakePrivateWorkFolder() {
    const QString base = QDir::tempPath();
    QDir().mkpath(base);
    QByteArray pattern = QFile::encodeName(base + QStringLiteral("/vezizivu-XXXXXX"));
    if (!::mkdtemp(pattern.data()))
        throw EVzError(QStringLiteral("Could not create a private folder in \"%1\".").arg(base));
    return WithTrailingSlash(QFile::decodeName(pattern));
}

bool FolderInUse(const QString& path) {
    return QFileInfo::exists(FolderOf(path) + QStringLiteral("Event.ff2"));
}

QString OpenCopyForReading(const QString& path) {
    const QString folder = MakeTempCopyFolder();
    const QString name = QFileInfo(path).fileName();
    const QString copy = folder + name;
    if (!QFile::copy(path, copy))
        throw EVzError(QStringLiteral("Could not copy \"%1\" to \"%2\".").arg(path, copy));
    const QString zipPath = ChangeFileExt(copy, QStringLiteral(".zip"));
    if (!MoveFileReplacing(copy, zipPath))
        throw EVzError(QStringLiteral("Could not copy \"%1\" to \"%2\".").arg(copy, zipPath));
    UnscrambleFile(zipPath);
    return zipPath;
}

void ExtractMembers(const QString& zipPath, const QString& mask) {
    TZipReader reader(ReadWholeFile(zipPath));
    reader.ExtractTo(FolderOf(zipPath), mask);
}

void RemoveTempFolder(const QString& folder) {
    if (folder.isEmpty())
        return;
    QDir dir(folder);
    if (!dir.exists())
        return;
    if (!dir.removeRecursively())
        QDir().rmdir(folder);
}

bool SameFolder(const QString& a, const QString& b) {
    return WithTrailingSlash(a).toUpper() == WithTrailingSlash(b).toUpper();
}
