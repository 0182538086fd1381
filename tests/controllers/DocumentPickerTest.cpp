#include "platform/DocumentPicker.h"
#include "platform/DocumentPickerDelegate.h"
#include "support/IsolatedDataHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace NequoraUI::platform;

namespace {

struct RecordingDelegate : QObject, DocumentPickerDelegate
{
    void documentPickerDidPickDocumentsAt(DocumentPicker *, const QList<QUrl> &urls) override
    {
        picks.append(urls);
    }
    void documentPickerWasCancelled(DocumentPicker *) override { ++cancellations; }

    QList<QList<QUrl>> picks;
    int cancellations = 0;
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

struct DocumentPickerTest : ::testing::Test
{
    // Declared first: the inbox lives in a fresh data folder of each test.
    IsolatedDataHome dataHome;

    void SetUp() override
    {
        ASSERT_TRUE(dataHome.isValid() && sources.isValid());
        picker.setDelegate(&delegate);
    }

    QUrl writeSource(const QString &name, const QByteArray &data)
    {
        QFile file(sources.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(data);
        return QUrl::fromLocalFile(file.fileName());
    }

    QTemporaryDir sources;
    RecordingDelegate delegate;
    DocumentPicker picker;
};

} // namespace

// Names without a suffix or with dots in them stay readable.
TEST_F(DocumentPickerTest, ImportsCopiesUnderUniqueNamesLeavingOutFailuresAndDeadDelegates)
{
    const auto inbox = [](const char *name) {
        return QUrl::fromLocalFile(DocumentPicker::inboxPath() + '/' + QLatin1String(name));
    };
    // Each source holds the name its copy must get.
    const char *names[] = {"take.wav", "take.wav",    "take.wav",   "loop",
                           "loop",     "my.song.mp3", "my.song.mp3"};
    const char *copies[] = {"take.wav", "take-1.wav",  "take-2.wav",   "loop",
                            "loop-1",   "my.song.mp3", "my.song-1.mp3"};
    QUrl source;
    for (std::size_t i = 0; i < std::size(names); ++i) {
        picker.pickDocuments({source = writeSource(QLatin1String(names[i]), copies[i])});
        EXPECT_EQ(delegate.picks.takeLast(), QList<QUrl>{inbox(copies[i])});
    }
    for (const char *copy : copies) // none overwritten
        EXPECT_EQ(contents(inbox(copy).toLocalFile()), copy);
    EXPECT_TRUE(QFile::exists(source.toLocalFile())) << "the source is left where it was";

    // Files that cannot be read are left out; when none arrives, that is a cancellation.
    const QUrl missing = QUrl::fromLocalFile(sources.filePath(QStringLiteral("gone.wav")));
    picker.pickDocuments({source, missing, writeSource(QStringLiteral("b.aiff"), "b")});
    picker.pickDocuments({}); // an empty choice is reported as it is
    EXPECT_EQ(delegate.picks, (QList<QList<QUrl>>{{inbox("my.song-2.mp3"), inbox("b.aiff")}, {}}));
    picker.pickDocuments({missing, QUrl(QStringLiteral("https://example.org/remote.wav"))});
    EXPECT_EQ(delegate.picks.size(), 2);
    EXPECT_EQ(delegate.cancellations, 1);

    auto shortLived = std::make_unique<RecordingDelegate>();
    picker.setDelegate(shortLived.get());
    shortLived.reset();
    EXPECT_EQ(picker.delegate(), nullptr);
    picker.pickDocuments({source}); // a destroyed delegate receives nothing (checked under ASan)
}

// Run twice at once by the test below: 1,000 imports of one name, each with its own content.
TEST(DocumentPickerRace, DISABLED_ImportWorker)
{
    QTemporaryDir sources;
    QFile source(sources.filePath(QStringLiteral("take.wav")));
    DocumentPicker picker;
    for (qint64 i = 0; i < 1000; ++i) {
        ASSERT_TRUE(source.open(QIODevice::WriteOnly | QIODevice::Truncate));
        source.write(QByteArray::number(QCoreApplication::applicationPid() * 10000 + i));
        source.close();
        picker.pickDocuments({QUrl::fromLocalFile(source.fileName())});
    }
}

TEST_F(DocumentPickerTest, TwoProcessesImportingIntoOneInboxKeepEveryCopy)
{
    QProcess workers[2];
    for (QProcess &worker : workers)
        worker.start(QCoreApplication::applicationFilePath(),
                     {"--gtest_also_run_disabled_tests", "--gtest_filter=DocumentPickerRace.*"});
    for (QProcess &worker : workers)
        EXPECT_TRUE(worker.waitForFinished(120000) && worker.exitCode() == 0);
    QSet<QByteArray> copies;
    for (const QFileInfo &copy : QDir(DocumentPicker::inboxPath()).entryInfoList(QDir::Files))
        copies.insert(contents(copy.filePath()));
    EXPECT_EQ(copies.size(), 2000) << "each import has its own file, none overwritten";
}

TEST_F(DocumentPickerTest, DialogIsWindowModalFilteredToAudioAcceptImportsRejectCancels)
{
    QWidget window;
    window.show();
    const QUrl source = writeSource(QStringLiteral("voice.wav"), "voice");

    picker.present(new QWidget(&window)); // an inner widget: the dialog goes on its window
    QFileDialog *dialog = picker.dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->parentWidget(), &window);
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->fileMode() == QFileDialog::ExistingFile &&
                !picker.allowsMultipleSelection());
    for (const char *pattern : {"*.wav", "*.mp3"})
        EXPECT_TRUE(dialog->nameFilters().first().contains(QLatin1String(pattern))) << pattern;

    dialog->setDirectory(sources.path());
    dialog->selectFile(source.toLocalFile());
    static_cast<QDialog *>(dialog)->accept(); // QFileDialog hides it; the override still runs
    ASSERT_EQ(delegate.picks.size(), 1);
    ASSERT_EQ(delegate.picks[0].size(), 1);
    EXPECT_EQ(contents(delegate.picks[0][0].toLocalFile()), "voice");
    EXPECT_EQ(picker.dialog(), nullptr);

    // Rejecting it reports only a cancellation.
    picker.present(&window);
    picker.dialog()->reject();
    EXPECT_EQ(delegate.picks.size(), 1);
    EXPECT_EQ(delegate.cancellations, 1);
    EXPECT_EQ(picker.dialog(), nullptr);
}
