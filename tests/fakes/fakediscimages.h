#pragma once

#include <map>

#include <QStringList>

#include "platform/discimages.h"

// Disc images "mounted" on folders a test prepares: image path -> folder. Records every request.
class FakeDiscImages final : public IDiscImages {
public:
    Mounted mount(const QString& imagePath) override
    {
        requests << imagePath;
        const auto it = folders.find(imagePath);
        if (it == folders.end())
            return {{}, failure};
        return {it->second, {}};
    }
    void release(const QString& imagePath) override { released << imagePath; }
    void releaseAll() override { ++releases; }

    std::map<QString, QString> folders;
    QString failure = QStringLiteral("the test's image does not mount");
    QStringList requests;
    QStringList released;
    int releases = 0;
};
