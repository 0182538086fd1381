#pragma once

#include <QScrollArea>

// Every form widget of the library on one scrolling page.
class GalleryWindow : public QScrollArea
{
    Q_OBJECT
public:
    explicit GalleryWindow(QWidget *parent = nullptr);
};
