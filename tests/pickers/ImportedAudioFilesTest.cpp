#include "ImportedAudioFiles.h"

#include <QThread>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using NequoraUI::ImportedAudioFiles;

TEST(ImportedAudioFilesTest, FirstUseFromSeveralThreadsCreatesOneListThatOnlyGrows)
{
    // Creation is the only part that may happen off the main thread.
    std::vector<const QList<QUrl> *> seen(4, nullptr);
    std::vector<std::unique_ptr<QThread>> threads;
    for (size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back(QThread::create([&seen, i] { seen[i] = &ImportedAudioFiles::all(); }));
    for (auto &thread : threads)
        thread->start();
    for (auto &thread : threads)
        thread->wait();
    for (const auto *list : seen)
        EXPECT_EQ(list, &ImportedAudioFiles::all());

    const qsizetype before = ImportedAudioFiles::count();
    const QUrl file = QUrl::fromLocalFile(QStringLiteral("/inbox/take.wav"));
    ImportedAudioFiles::append(file);
    ImportedAudioFiles::append(file);
    ASSERT_EQ(ImportedAudioFiles::count(), before + 2);
    EXPECT_EQ(ImportedAudioFiles::all().last(), file);
    EXPECT_EQ(ImportedAudioFiles::all().at(before), file);
}
