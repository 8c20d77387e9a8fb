#pragma once

#include <set>
#include <vector>

#include <QRect>
#include <QString>
#include <QStringList>

#include "catalog/photoview.h"

// Records what stepping shows; loading fails for the paths in brokenPhotos / missing texts.
class FakePhotoView final : public IPhotoView {
public:
    bool showPhoto(const QString& path) override
    {
        loads << path;
        if (brokenPhotos.count(path))
            return false;
        photo = path;
        photoVisible = true;
        return true;
    }
    void hidePhoto() override { photoVisible = false; }
    void setPhotoNumber(const QString& n) override { number = n; }
    QString photoNumber() const override { return number; }
    void setPhotoFileName(const QString& name) override { fileName = name; }
    void focusYearButton(int index, bool enableFirst) override
    {
        focused = index;
        if (enableFirst)
            enabledButtons.insert(index);
    }
    bool detailsVisible() const override { return details; }
    bool loadDetails(const QString& path) override
    {
        textLoads << path;
        if (missingTexts.count(path))
            return false;
        detailsText = path;
        return true;
    }
    void setDetailsVisible(bool v) override { details = v; }
    void placeCaptionBox(bool topTen, const QString& photoNumber) override
    {
        placedFor = topTen ? photoNumber : QStringLiteral("beside cmdAd");
    }

    QString photo;
    bool photoVisible = true;
    QString number = QStringLiteral("1");
    QString fileName;
    int focused = 0;
    std::set<int> enabledButtons;
    bool details = false;
    QString detailsText;
    QString placedFor; // "beside cmdAd", or the Top Ten photo number the box was placed for
    QStringList loads;
    QStringList textLoads;
    std::set<QString> brokenPhotos;
    std::set<QString> missingTexts;
};
