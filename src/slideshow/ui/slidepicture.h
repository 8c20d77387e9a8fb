#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

// A picture control of the slide show: shows one decoded picture, stretched over its rectangle or at its
// own size, and announces clicks. It keeps the file it came from, so a copy takes the whole picture.
class SlidePicture : public QWidget {
    Q_OBJECT
public:
    SlidePicture(const QString& objectName, const QString& accessibleName, QWidget* parent);

    void setPicture(const QImage& image, const QString& file);
    void clear();
    bool hasPicture() const { return !m_image.isNull(); }
    const QImage& shownImage() const { return m_image; }
    QString file() const { return m_file; }
    // The picture at full size for the clipboard; the shown one when the file cannot be read again.
    QImage fullImage() const;

    void setStretch(bool on)
    {
        m_stretch = on;
        update();
    }
    bool stretch() const { return m_stretch; }

signals:
    void leftClicked();
    void rightClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    QString m_file;
    bool m_stretch = false;
};
