#pragma once

#include <QScrollArea>

namespace NequoraUI::platform {
class ViewController;
}

// Every form widget of the library on one scrolling page, the picker row presenting its list
// over presenter's window.
class GalleryPage : public QScrollArea
{
    Q_OBJECT
public:
    explicit GalleryPage(NequoraUI::platform::ViewController *presenter, QWidget *parent = nullptr);
};
