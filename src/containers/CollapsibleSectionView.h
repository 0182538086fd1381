#pragma once

#include "platform/PaletteColors.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QPainter;
class QParallelAnimationGroup;
class QPropertyAnimation;
class QVBoxLayout;

namespace NequoraUI {

class FoldingClipView;

// A titled block whose content folds away and back, with a fade, when the title is tapped.
//
// The state is the content's hidden flag and nothing else. It flips the moment the title is
// tapped, as the target of the fold: during a fold the content already reads hidden (a picture
// of it fades out in its place), during an unfold it already reads shown. A tap in the middle
// of a fold therefore turns back from wherever the fold has got to.
class CollapsibleSectionView : public QWidget
{
    Q_OBJECT

public:
    // Duration of the fold and of its fade.
    static constexpr int foldDurationMs = 300;
    // Room in the card below the content.
    static constexpr int cardBottomPadding = 8;

    // Takes content over; it starts shown unless it is already hidden.
    CollapsibleSectionView(const QString &title, QWidget *content, QWidget *parent = nullptr);

    QWidget *content() const { return m_content; }
    // The content's opacity: 1 when expanded, 0 when collapsed, in between while folding.
    qreal contentOpacity() const;
    bool isFolding() const;
    // The fold's target: true once an unfold starts, false once a fold starts.
    bool isExpanded() const;
    // Folds or unfolds at once, without animating and without reporting it (a section made
    // again as the user left it).
    void setExpanded(bool expanded);

    // Outlets from the interface resource.
    QWidget *contentView = nullptr;
    QVBoxLayout *stackView = nullptr;
    QLabel *titleLabel = nullptr;

signals:
    // Each tap on the title, with the state it folds towards.
    void expandedChanged(bool expanded);

public slots:
    void tappedTitleView();

protected:
    // Places the title and paints the title bar's wash (where no style sheet does) and its
    // chevron: the bar is one button, without a layout or a chevron widget of its own.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paintTitleWash(QPainter &painter);
    void paintChevron(QPainter &painter);
    void placeTitleLabel();
    QChar chevronCharacter() const;

    void makeFoldAnimation();
    void foldFinished();
    void showFoldState();

    QPointer<QWidget> m_content;
    QWidget *titleView = nullptr;
    FoldingClipView *body = nullptr;
    QParallelAnimationGroup *foldAnimation = nullptr;
    QPropertyAnimation *revealAnimation = nullptr;
    QPropertyAnimation *fadeAnimation = nullptr;
    platform::PaletteColors titleColors;
};

} // namespace NequoraUI
