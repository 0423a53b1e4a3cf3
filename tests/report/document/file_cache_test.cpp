// The file cache: page elements of a build moved to a swap file and read back on demand.
#include "prepared_diary.h"

#include "../report_engine_fixture.h"

#include "platform/errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The files this process holds open in the folder, named or not: the swap file may have no name
// in the folder, so it is found through the descriptors.
QStringList OpenFilesIn(const QString& folder)
{
    QStringList files;
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : descriptors.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
        const QString target = QFileInfo(descriptors.filePath(fd)).symLinkTarget();
        if (target.startsWith(QDir(folder).canonicalPath() + u'/'))
            files << descriptors.filePath(fd);
    }
    return files;
}

// The diary of `entries` short entries (twelve to a page), built with or without the file cache.
// A limit of 0 MB sends every finished page but the first two out at the next page.
struct CachedBuild : DiaryBuild {
    QTemporaryDir dir;

    CachedBuild(int entries, bool fileCache, const QString& tempDir = QString())
    {
        SetEntries(std::vector<int>(size_t(entries), 2));
        report.EngineOptions()->SetUseFileCache(fileCache);
        report.EngineOptions()->SetMaxMemSize(0);
        report.EngineOptions()->SetTempDir(tempDir.isNull() ? dir.path() : tempDir);
    }

    QStringList SwapFiles() const { return OpenFilesIn(dir.path()); }
    qint64 SwapSize() const
    {
        const QStringList files = SwapFiles();
        return files.size() == 1 ? QFileInfo(files[0]).size() : -1;
    }
    const TfrxXMLItem& PageItem(int index) { return *store.FindSection(QStringLiteral("previewpages"))->Items(index); }
    QStringList DescribeAll()
    {
        QStringList pages;
        for (int i = 0; i < store.Count(); ++i)
            pages << Describe(*store.GetPage(i)).join(u'\n');
        return pages;
    }
};

TEST(FileCache, FinishedPagesGoToTheSwapFileAndComeBackUnchanged)
{
    CachedBuild inMemory(70, false);
    CachedBuild cached(70, true);
    ASSERT_TRUE(inMemory.report.PrepareReport(true));
    ASSERT_TRUE(cached.report.PrepareReport(true));
    ASSERT_EQ(cached.store.Count(), 6);
    EXPECT_TRUE(inMemory.SwapFiles().isEmpty());
    ASSERT_EQ(cached.SwapFiles().size(), 1);

    // The first two pages always stay; a new page sends out the pages before the one it follows,
    // so the last two stay too.
    const std::vector<bool> loaded{true, true, false, false, true, true};
    for (int i = 0; i < cached.store.Count(); ++i) {
        EXPECT_EQ(cached.PageItem(i).Loaded(), loaded[size_t(i)]) << i;
        EXPECT_EQ(cached.PageItem(i).Count() > 0, loaded[size_t(i)]) << i;
    }
    EXPECT_EQ(SavePages(cached.store), SavePages(inMemory.store)) << "the same file either way";
    EXPECT_EQ(cached.DescribeAll(), inMemory.DescribeAll());
}

TEST(FileCache, PagesLeavingThePageCacheGoBackWithoutBeingWrittenAgain)
{
    CachedBuild cached(70, true);
    ASSERT_TRUE(cached.report.PrepareReport(true));
    cached.report.PreviewOptions()->SetPagesInCache(1);
    const qint64 size = cached.SwapSize();
    ASSERT_GT(size, 0);

    cached.store.GetPage(2);
    EXPECT_TRUE(cached.PageItem(2).Loaded());
    cached.store.GetPage(3);  // pushes page 2 out of the cache
    EXPECT_FALSE(cached.PageItem(2).Loaded());
    EXPECT_TRUE(cached.PageItem(3).Loaded());
    cached.store.GetPage(0);  // page 0 never went to the file and stays
    EXPECT_FALSE(cached.PageItem(3).Loaded());
    cached.store.GetPage(5);
    EXPECT_TRUE(cached.PageItem(0).Loaded());
    EXPECT_EQ(cached.SwapSize(), size);

    // Saving reads every page in and sends it back, also without growing the file.
    SavePages(cached.store);
    EXPECT_FALSE(cached.PageItem(2).Loaded());
    EXPECT_EQ(cached.SwapSize(), size);
}

TEST(FileCache, TheSwapFileGoesWhenTheStoreIsClearedOrDestroyed)
{
    auto cached = std::make_unique<CachedBuild>(70, true);
    ASSERT_TRUE(cached->report.PrepareReport(true));
    ASSERT_EQ(cached->SwapFiles().size(), 1);
    cached->store.Clear();
    EXPECT_TRUE(cached->SwapFiles().isEmpty());

    ASSERT_TRUE(cached->report.PrepareReport(true));
    ASSERT_EQ(cached->SwapFiles().size(), 1);
    QTemporaryDir keep;
    cached->report.EngineOptions()->SetTempDir(keep.path());
    cached->store.Clear();
    ASSERT_TRUE(cached->report.PrepareReport(true));
    ASSERT_EQ(OpenFilesIn(keep.path()).size(), 1);
    cached.reset();
    EXPECT_TRUE(OpenFilesIn(keep.path()).isEmpty());
    EXPECT_TRUE(QDir(keep.path()).isEmpty());
}

TEST(FileCache, ABuildEndedByAnErrorKeepsItsPagesReadableUntilCleared)
{
    CachedBuild cached(70, true);
    const auto getValue = cached.diary.dataSet->OnGetValue;
    cached.diary.dataSet->OnGetValue = [&](const QString& field, QVariant& value) {
        if (cached.diary.dataSet->RecNo() == 50)
            throw Exception(QStringLiteral("the diary went away"));
        getValue(field, value);
    };
    EXPECT_FALSE(cached.report.PrepareReport(true));
    ASSERT_GE(cached.store.Count(), 5);
    EXPECT_FALSE(cached.PageItem(2).Loaded());
    EXPECT_EQ(FirstText(*cached.store.GetPage(2)->Objects()[1]), "06.25.2021");

    cached.store.Clear();
    EXPECT_TRUE(cached.SwapFiles().isEmpty());
}

TEST(FileCache, AFolderThatCannotBeWrittenIsReportedAndNoPageIsLost)
{
    QTemporaryDir dir;
    // A file where the folder should be: not even the superuser can create files in it.
    const QString notAFolder = dir.filePath(QStringLiteral("plain-file"));
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    CachedBuild cached(70, true, notAFolder);
    EXPECT_FALSE(cached.report.PrepareReport(true));
    ASSERT_FALSE(cached.report.Errors().isEmpty());
    EXPECT_TRUE(cached.report.Errors().join(u'\n').contains(QStringLiteral("Cannot create file")))
        << cached.report.Errors().join(u'\n').toStdString();
    ASSERT_EQ(cached.store.Count(), 4) << "the build stops when the fifth page would send the third out";
    for (int i = 0; i < cached.store.Count(); ++i) {
        EXPECT_TRUE(cached.PageItem(i).Loaded()) << i;
        EXPECT_EQ(cached.store.GetPage(i)->Objects().size(), 14) << i;
    }
}

}  // namespace
