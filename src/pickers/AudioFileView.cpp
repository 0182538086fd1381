#include "AudioFileView.h"

#include "AudioFilePickerViewController.h"
#include "ViewControllerPresenter.h"
#include "platform/FormControlStyle.h"

#include "platform/Interface.h"
#include "platform/NavigationController.h"

#include <QLabel>
#include <QPushButton>

namespace NequoraUI {

AudioFileView::AudioFileView(ViewControllerPresenter *delegate, const QString &title,
                             const std::optional<QUrl> &initialValue, const QList<QUrl> &audioFiles,
                             ValueChangedHandler valueChangedHandler, QWidget *parent)
    : QWidget(parent), delegate(delegate), audioFiles(audioFiles),
      valueChangedHandler(std::move(valueChangedHandler))
{
    const auto ui = platform::Interface::load(QStringLiteral("AudioFileView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    titleLabel = ui.outlet<QLabel>("titleLabel");
    valueLabel = ui.outlet<QLabel>("valueLabel");
    actionButton = ui.outlet<QPushButton>("actionButton");
    platform::FormControlStyle::apply(actionButton, platform::FormControlStyle::Kind::TextButton);

    titleLabel->setText(title);
    actionButton->setAccessibleDescription(title);
    m_file = initialValue.value_or(QUrl());
    valueLabel->setText(initialValue ? AudioFilePickerViewController::displayName(*initialValue)
                                     : QString());
}

AudioFileView::~AudioFileView() = default;

void AudioFileView::tappedActionButton()
{
    auto *picker = new AudioFilePickerViewController(audioFiles);
    picker->setDelegate(this);
    picker->setTitle(titleLabel->text());
    auto *navigation = new platform::NavigationController(picker);
    if (delegate)
        delegate->presentViewController(navigation);
    else
        delete navigation;
}

void AudioFileView::audioFilePickerViewControllerDidSelectFile(AudioFilePickerViewController *,
                                                               const QUrl &file)
{
    m_file = file;
    valueLabel->setText(AudioFilePickerViewController::displayName(file));
    if (delegate)
        delegate->dismissPresentedViewController();
    // Reported even when the presenter is gone.
    const QPointer<AudioFileView> alive(this);
    if (valueChangedHandler)
        valueChangedHandler(file);
    if (alive)
        emit selectionChanged(file);
}

void AudioFileView::setFile(const QUrl &file)
{
    m_file = file;
    valueLabel->setText(file.fileName());
}

void AudioFileView::didCancelInAudioFilePickerViewController(AudioFilePickerViewController *)
{
    if (delegate)
        delegate->dismissPresentedViewController();
}

} // namespace NequoraUI
