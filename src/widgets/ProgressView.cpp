#include "ProgressView.h"

#include "platform/Interface.h"
#include "platform/NumberText.h"
#include "platform/ProgressBar.h"

#include <QLabel>

namespace NequoraUI {

ProgressView::ProgressView(const QString &title, QWidget *parent) : QWidget(parent)
{
    const auto ui = platform::Interface::load(QStringLiteral("ProgressView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    titleLabel = ui.outlet<QLabel>("titleLabel");
    valueLabel = ui.outlet<QLabel>("valueLabel");
    progressView = ui.outlet<platform::ProgressBar>("progressView");

    titleLabel->setText(title);
    titleLabel->setBuddy(progressView);
    valueLabel->setText(QString());
    progressView->setProgress(0);
}

void ProgressView::setTitle(const QString &title)
{
    titleLabel->setText(title);
}

void ProgressView::setProgress(float progress)
{
    valueLabel->setText(QString::fromStdString(platform::NumberText::fixed(progress, 2)));
    progressView->setProgress(progress);
}

} // namespace NequoraUI
