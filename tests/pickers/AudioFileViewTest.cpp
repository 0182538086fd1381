#include "AudioFileView.h"
#include "AudioFilePickerViewController.h"
#include "ImportedAudioFiles.h"
#include "PresentingWindow.h"
#include "ViewControllerPresenter.h"

#include <memory>

using namespace NequoraUI;
using namespace NequoraUI::testing;

namespace {

const QUrl kick = QUrl::fromLocalFile(QStringLiteral("/samples/kick.wav"));
const QUrl snare = QUrl::fromLocalFile(QStringLiteral("/samples/snare.wav"));
const QUrl album(QStringLiteral("file:///music/Album%20One/"));

class AudioFileViewTest : public PresentingWindow
{
protected:
    std::unique_ptr<AudioFileView> makeView(const std::optional<QUrl> &initialValue,
                                            const QList<QUrl> &audioFiles)
    {
        auto view = std::make_unique<AudioFileView>(
            ViewControllerPresenter::of(controller), QStringLiteral("File"), initialValue,
            audioFiles, [this](const QUrl &file) { reported.append(file); });
        QObject::connect(view.get(), &AudioFileView::selectionChanged,
                         [this](const QUrl &file) { signalled.append(file); });
        return view;
    }

    QList<QUrl> reported;
    QList<QUrl> signalled;
};

} // namespace

TEST_F(AudioFileViewTest, ChoosingTheShownFileStillReportsItAndCancellingChangesNothing)
{
    auto view = makeView(kick, {kick, album});
    EXPECT_EQ(labelText(view.get(), "valueLabel"), QStringLiteral("kick.wav"));
    tap(view.get(), "actionButton");
    finishTransitions();
    clickRow(presentedPicker<AudioFilePickerViewController>(), {0, 0});
    EXPECT_EQ(reported, QList<QUrl>{kick});
    EXPECT_EQ(labelText(view.get(), "valueLabel"), QStringLiteral("kick.wav"));
    finishTransitions();
    EXPECT_EQ(controller->presentedViewController(), nullptr);

    tap(view.get(), "actionButton");
    clickRow(presentedPicker<AudioFilePickerViewController>(), {0, 1});
    EXPECT_EQ(reported, QList<QUrl>({kick, album}));
    EXPECT_EQ(signalled, reported);
    EXPECT_EQ(view->file(), album);
    EXPECT_EQ(labelText(view.get(), "valueLabel"), QStringLiteral("Album One"))
        << "a folder URL shows its name";

    // Cancelling leaves the label and the handler alone.
    tap(view.get(), "actionButton");
    finishTransitions();
    clickCancel();
    finishTransitions();
    EXPECT_EQ(controller->presentedViewController(), nullptr);
    EXPECT_EQ(signalled.size(), 2);
    EXPECT_EQ(labelText(view.get(), "valueLabel"), QStringLiteral("Album One"));
}

TEST_F(AudioFileViewTest, WithoutAFileOrFilesTheButtonOpensAPickerTitledAtTapTime)
{
    auto view = makeView(std::nullopt, {});
    EXPECT_EQ(labelText(view.get(), "valueLabel"), QString());
    child<QLabel>(view.get(), "titleLabel")->setText(QStringLiteral("Loop"));
    tap(view.get(), "actionButton");
    auto *picker = presentedPicker<AudioFilePickerViewController>();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->title(), QStringLiteral("Loop"));
    EXPECT_EQ(picker->tableView()->numberOfRows(0), 0);
    EXPECT_EQ(picker->tableView()->numberOfRows(1), ImportedAudioFiles::count() + 1);
}

// Run under AddressSanitizer: neither the row nor its presenter may be reached once gone.
TEST_F(AudioFileViewTest, APickerOutlivingItsRowOrItsPresenterIsSafe)
{
    auto view = makeView(kick, {kick, snare});
    tap(view.get(), "actionButton");
    auto *picker = presentedPicker<AudioFilePickerViewController>();
    auto doomed = makeView(kick, {kick});
    std::swap(view, doomed);
    doomed.reset();
    clickRow(picker, {0, 0});
    clickCancel();
    EXPECT_TRUE(reported.isEmpty()) << "later choices are dropped";
    EXPECT_EQ(presentedPicker<AudioFilePickerViewController>(), picker);

    delete controller; // its presenter adapter goes with it
    tap(view.get(), "actionButton");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    AudioFilePickerViewController orphan({snare});
    view->audioFilePickerViewControllerDidSelectFile(&orphan, snare);
    view->didCancelInAudioFilePickerViewController(&orphan);
    EXPECT_EQ(labelText(view.get(), "valueLabel"), QStringLiteral("snare.wav"));
    EXPECT_EQ(reported, QList<QUrl>{snare});
}
