#pragma once

#include <QString>

class QObject;

// What the movie controller asks of the movie window (frmMovie). Sizes and positions in twips.
class IMovieView {
public:
    virtual ~IMovieView() = default;
    // The widget the video is drawn into (PicMovie).
    virtual QObject* videoSurface() = 0;
    virtual void showPicture() = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual void setPictureHeight(int twips) = 0;
    // Centres the control bar across the window, just above the first movie option, and shows it.
    virtual void showControlBar() = 0;
    // Closes the window (the Exit button).
    virtual void closeWindow() = 0;
};
