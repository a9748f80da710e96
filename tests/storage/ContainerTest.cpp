#include "common/Errors.h"
#include "storage/Container.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

TEST(Scrambling, RoundTripsAndIsStableAcrossVersions) {
    QByteArray data;
    for (int i = 0; i < 5000; ++i)
        data.append(char(i * 7 + i / 13));
    QByteArray scrambled = data;
    ScrambleBytes(scrambled);
    EXPECT_NE(scrambled, data);
    QByteArray back = scrambled;
    UnscrambleBytes(back);
    EXPECT_EQ(back, data);
    // Files written by earlier builds must stay readable: the constants never change.
    QByteArray known("dummy");
    ScrambleBytes(known);
    EXPECT_EQ(known.toHex(), QByteArray("38f220d70a"));
}

TEST(Scrambling, FilesAreRewrittenInPlace) {
    const QString path = vztest::NewTempFolder("scramble") + "/f.bin";
    vztest::WriteAll(path, "PK\x03\x04 plain archive bytes");
    ScrambleFile(path);
    EXPECT_FALSE(vztest::ReadAll(path).startsWith("PK"));
    UnscrambleFile(path);
    EXPECT_EQ(vztest::ReadAll(path), QByteArray("PK\x03\x04 plain archive bytes"));
}

TEST(MemberNames, OnlyBareNamesAreAccepted) {
    for (const char* ok : {"Event.ff2", "Views.ini", "dummy.txt", "a b.c"})
        EXPECT_TRUE(IsBareMemberName(ok)) << ok;
    for (const char* bad : {"", ".", "..", "../x", "/x", "sub/Event.ff2", "..\\x", "C:x"})
        EXPECT_FALSE(IsBareMemberName(bad)) << bad;
}

TEST(ZipArchive, ReaderRefusesArchivesWithFolderParts) {
    const QString folder = vztest::NewTempFolder("zip");
    for (const char* bad : {"../x", "/x", "dir/x"}) {
        const QString path = folder + "/bad.zip";
        QFile::remove(path);
        {
            TZipWriter w(path);
            w.AddBytes("Event.ff2", "e");
            w.AddBytes(bad, "escape");
            w.Close();
        }
        EXPECT_THROW(TZipReader(vztest::ReadAll(path)), ENotATimeline) << bad;
    }
    EXPECT_THROW(TZipReader(QByteArray("not a zip at all")), ENotATimeline);
    EXPECT_THROW(TZipReader{QByteArray()}, ENotATimeline);
}

TEST(ZipArchive, WritesMembersInOrderAndExtractsByMask) {
    const QString folder = vztest::NewTempFolder("zip2");
    vztest::WriteAll(folder + "/src/a.ff2", "A");
    vztest::WriteAll(folder + "/src/b.ini", "B");
    {
        TZipWriter w(folder + "/out.zip");
        w.AddFile(folder + "/src", "b.ini");
        w.AddFile(folder + "/src", "a.ff2");
        w.Close();
    }
    TZipReader r(vztest::ReadAll(folder + "/out.zip"));
    EXPECT_EQ(r.Members(), (QStringList{"b.ini", "a.ff2"}));
    QDir().mkpath(folder + "/dst");
    EXPECT_EQ(r.ExtractTo(folder + "/dst", "*.ff2"), QStringList{folder + "/dst/a.ff2"});
    EXPECT_EQ(QDir(folder + "/dst").entryList(QDir::Files), QStringList{"a.ff2"});
}

TEST(Folders, TemporaryFoldersArePrivateAndNamedByTime) {
    const QString copy = MakeTempCopyFolder();
    EXPECT_TRUE(copy.startsWith(QDir::tempPath() + "/"));
    EXPECT_TRUE(copy.endsWith("/"));
    EXPECT_EQ(QFileInfo(copy).permissions() & (QFile::ReadOther | QFile::ReadGroup | QFile::WriteOther), 0);
    EXPECT_NE(MakeTempCopyFolder(), copy) << "two folders made at once differ";
    const QString work = MakePrivateWorkFolder();
    EXPECT_EQ(QFileInfo(work).permissions() & (QFile::ReadOther | QFile::ExeOther | QFile::ReadGroup), 0);
    EXPECT_TRUE(SameFolder("/a/B", "/A/b/"));
    EXPECT_FALSE(SameFolder("/a/b", "/a/c"));
}
