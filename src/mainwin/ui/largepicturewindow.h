#pragma once

#include <functional>

#include <QPixmap>
#include <QWidget>

#include "mainwin/largepicturelayout.h"

class QLabel;
class QPushButton;
class QScrollBar;

// The full-screen viewer of one large picture (an advertisement or an illustration of the series): the
// picture at its own size in a scrolling viewport, or stretched to the screen after a left click. A right
// click, Escape or the "X" in the corner closes it.
class LargePictureWindow : public QWidget {
    Q_OBJECT
public:
    // entryLabel answers the current entry's text (zooming out depends on it); screenArea is the screen's
    // available area in pixels, which the whole window, frame included, fills.
    LargePictureWindow(std::function<QString()> entryLabel, QRect screenArea, QWidget* parent = nullptr);

    // The opening sequence, in steps, so that callers can put their own steps between them.
    void prepare(); // size to the screen, hide the picture, picture at (0, 0)
    void setCaption(const QString& caption);
    bool loadPicture(const QString& realPath); // hides the bars; false when the file cannot be read
    void finishShowing(QSize layoutClient);    // places Image1, lays out, shows the scrolling view
    // The whole sequence; false when the picture cannot be loaded (the viewer is then not shown).
    bool showLargePicture(const QString& realPath, const QString& caption, QSize layoutClient);

    // The two views: scrolling (viewport, picture and bars) or fitted (Image1).
    bool scrollingViewShown() const;
    void zoomOut();
    void zoomIn();
    void relayout();

signals:
    void unloaded();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLayout(QSize client);
    // Places the window so that it fills the screen area with its frame; again whenever the window
    // manager's frame changes (it is known only after the window is shown).
    void fitToScreen();
    QMargins frameMargins() const;
    void refitWhenFrameChanged();
    void toggleScrollingView();

    std::function<QString()> m_entryLabel;
    QRect m_area;
    QSize m_screen;
    QMargins m_fittedFrame;
    bool m_fitting = false;
    QPixmap m_picture;
    largepicture::Layout m_layout;

    QWidget* m_picParent;
    QLabel* m_picChild;
    QScrollBar* m_hScroll;
    QScrollBar* m_vScroll;
    QPushButton* m_close;
    QLabel* m_image1;
};
