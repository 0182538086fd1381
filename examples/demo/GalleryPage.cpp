#include "GalleryPage.h"

#include "ButtonStyle.h"
#include "ButtonView.h"
#include "LibraryStyle.h"
#include "PickerView.h"
#include "ProgressView.h"
#include "SegmentedView.h"
#include "SliderView.h"
#include "SwitchView.h"
#include "TextFieldView.h"
#include "TextLabelView.h"
#include "TitleLabelView.h"
#include "VStackViewController.h"
#include "ValueLabelView.h"

#include <QTextStream>
#include <QVBoxLayout>

namespace {

void report(const QString &line)
{
    QTextStream(stdout) << "gallery: " << line << Qt::endl;
}

} // namespace

GalleryPage::GalleryPage(NequoraUI::platform::ViewController *presenter, QWidget *parent)
    : QScrollArea(parent)
{
    using namespace NequoraUI;
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("galleryPage"));
    // On the palette's base, as the cards of the graph page are.
    page->setStyleSheet(QStringLiteral("#galleryPage { background: %1; }")
                            .arg(page->palette().color(QPalette::Base).name()));
    LibraryStyle::apply(page);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 12, 0, 12);
    layout->setSpacing(2);

    layout->addWidget(new TitleLabelView(QStringLiteral("Form widgets")));
    layout->addWidget(new TextLabelView(
        QStringLiteral("Every row is loaded from its Designer interface file and reports user "
                       "changes through its handler.")));
    layout->addWidget(
        new ValueLabelView(QStringLiteral("Sample Rate"), QStringLiteral("48000 Hz")));
    layout->addWidget(
        new SliderView(QStringLiteral("Cutoff"), 440.0f, 20.0f, 20000.0f,
                       [](float value) { report(QStringLiteral("Cutoff %1").arg(value)); }));
    layout->addWidget(new SwitchView(QStringLiteral("Bypass"), true, [](bool on) {
        report(QStringLiteral("Bypass %1").arg(on ? "on" : "off"));
    }));
    layout->addWidget(new SegmentedView(
        QStringLiteral("Filter Type"),
        {QStringLiteral("Low-pass"), QStringLiteral("Band-pass"), QStringLiteral("High-pass")},
        [](std::int64_t index) { report(QStringLiteral("Filter Type %1").arg(index)); }));
    layout->addWidget(
        new TextFieldView(QStringLiteral("Preset Name"), QStringLiteral("Warm Hall")));
    layout->addWidget(
        new PickerView(presenter, QStringLiteral("Scale"), QStringLiteral("Dorian"),
                       {QStringLiteral("Major"), QStringLiteral("Minor"), QStringLiteral("Dorian"),
                        QStringLiteral("Lydian")},
                       [](const QString &item) { report(QStringLiteral("Scale %1").arg(item)); }));

    const std::pair<const char *, ButtonStyle> buttons[] = {{"Inactive", ButtonStyle::inactive},
                                                            {"Active", ButtonStyle::active},
                                                            {"Loading", ButtonStyle::loading}};
    for (const auto &[title, style] : buttons) {
        auto *button = new ButtonView(QString::fromLatin1(title), [](ButtonView *view) {
            report(QStringLiteral("Tapped %1").arg(view->title()));
        });
        setButtonStyle(button->button, style);
        layout->addWidget(button);
    }

    auto *progress = new ProgressView(QStringLiteral("Export"));
    progress->setProgress(0.62f);
    layout->addWidget(progress);
    layout->addStretch();

    setWidget(page);
    setWidgetResizable(true);
    // On a wide window the rows keep the generated screens' content width, centred.
    page->setMaximumWidth(VStackViewController::maximumContentWidth);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setFrameShape(QFrame::NoFrame);
}
