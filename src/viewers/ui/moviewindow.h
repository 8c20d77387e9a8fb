#pragma once

#include <map>

#include <QDialog>

#include "platform/mediadevice.h"
#include "viewers/movieview.h"

class QPushButton;
class QRadioButton;
class QVideoWidget;
class QWidget;

// frmMovie: the movie picture (PicMovie), its control bar (MMControl1), one option per movie, Help and
// Exit. It announces what the user does; the movie player decides.
class MovieWindow final : public QDialog, public IMovieView {
    Q_OBJECT
public:
    explicit MovieWindow(QWidget* parent = nullptr);

    // The window's inner size in twips.
    static constexpr int kInnerWidth = 5055;
    static constexpr int kInnerHeight = 6150;

    QObject* videoSurface() override;
    void showPicture() override;
    void setCaption(const QString& caption) override;
    void setPictureHeight(int twips) override;
    void showControlBar() override;
    void closeWindow() override;

    QVideoWidget* picture() const { return m_picture; }
    QWidget* controlBar() const { return m_bar; }
    QRadioButton* option(int movieIndex) const;
    QPushButton* helpButton() const { return m_help; }
    QPushButton* exitButton() const { return m_exit; }

signals:
    void movieChosen(int movieIndex);
    void barButton(MediaButton button);
    void helpClicked();
    void exitClicked();

private:
    QWidget* buildBar();

    QVideoWidget* m_picture = nullptr;
    QWidget* m_bar = nullptr;
    std::map<int, QRadioButton*> m_options;
    QPushButton* m_help = nullptr;
    QPushButton* m_exit = nullptr;
};
