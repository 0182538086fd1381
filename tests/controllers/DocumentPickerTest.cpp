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

class RecordingDelegate : public QObject, public DocumentPickerDelegate
{
public:
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

class DocumentPickerTest : public ::testing::Test
{
protected:
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
TEST_F(DocumentPickerTest, ImportsCopiesUnderUniqueNamesWithoutOverwriting)
{
    const std::pair<const char *, QByteArray> takes[] = {
        {"take.wav", "first"}, {"take.wav", "second"}, {"take.wav", "third"}, {"loop", "l1"},
        {"loop", "l2"},        {"my.song.mp3", "s1"},  {"my.song.mp3", "s2"}};
    QUrl source;
    for (const auto &[name, take] : takes)
        picker.pickDocuments({source = writeSource(QLatin1String(name), take)});

    ASSERT_EQ(delegate.picks.size(), qsizetype(std::size(takes)));
    const QString inbox = QDir(DocumentPicker::inboxPath()).canonicalPath();
    QStringList names;
    for (qsizetype i = 0; i < delegate.picks.size(); ++i) {
        ASSERT_EQ(delegate.picks[i].size(), 1);
        const QFileInfo copy(delegate.picks[i].first().toLocalFile());
        EXPECT_EQ(copy.canonicalPath(), inbox);
        EXPECT_EQ(contents(copy.filePath()), takes[i].second);
        names.append(copy.fileName());
    }
    EXPECT_EQ(names, (QStringList{"take.wav", "take-1.wav", "take-2.wav", "loop", "loop-1",
                                  "my.song.mp3", "my.song-1.mp3"}));
    EXPECT_TRUE(QFile::exists(source.toLocalFile())) << "the source is left where it was";
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

TEST_F(DocumentPickerTest,
       ChosenFilesAreCopiedFailuresLeftOutNoneCopiedIsACancellationDeadDelegatesSkipped)
{
    const QUrl a = writeSource(QStringLiteral("a.wav"), "a");
    const QUrl missing = QUrl::fromLocalFile(sources.filePath(QStringLiteral("gone.wav")));
    picker.pickDocuments({a, missing, writeSource(QStringLiteral("b.aiff"), "b")});
    picker.pickDocuments({});
    ASSERT_EQ(delegate.picks.size(), 2);
    ASSERT_EQ(delegate.picks[0].size(), 2);
    EXPECT_EQ(delegate.picks[0][0].fileName(), QStringLiteral("a.wav"));
    EXPECT_EQ(delegate.picks[0][1].fileName(), QStringLiteral("b.aiff"));
    EXPECT_TRUE(delegate.picks[1].isEmpty()) << "an empty choice is reported as it is";

    picker.pickDocuments({missing, QUrl(QStringLiteral("https://example.org/remote.wav"))});
    EXPECT_EQ(delegate.picks.size(), 2);
    EXPECT_EQ(delegate.cancellations, 1);

    auto shortLived = std::make_unique<RecordingDelegate>();
    picker.setDelegate(shortLived.get());
    shortLived.reset();
    EXPECT_EQ(picker.delegate(), nullptr);
    picker.pickDocuments({a}); // a destroyed delegate receives nothing (checked under ASan)
}

TEST_F(DocumentPickerTest, DialogIsWindowModalFilteredToAudioAcceptImportsRejectCancels)
{
    QWidget window;
    auto *inner = new QWidget(&window);
    window.show();
    const QUrl source = writeSource(QStringLiteral("voice.wav"), "voice");

    picker.present(inner);
    QFileDialog *dialog = picker.dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->parentWidget(), &window);
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
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
