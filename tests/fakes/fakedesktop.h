#pragma once

#include <functional>
#include <map>
#include <set>
#include <vector>

#include <QStringList>

#include "platform/desktop.h"

// A desktop set up by hand: settings, environment, programs on the PATH, which paths run and which files
// have a handler. Records every look-up, start and opening.
class FakeDesktop final : public IDesktop {
public:
    QString setting(const QString& key) const override
    {
        calls << QStringLiteral("setting:") + key;
        const auto it = settings.find(key);
        return it == settings.end() ? QString() : it->second;
    }
    bool setSetting(const QString& key, const QString& value) override
    {
        calls << QStringLiteral("set:") + key;
        if (failWrites)
            return false;
        settings[key] = value;
        return true;
    }
    QString environment(const QString& name) const override
    {
        calls << QStringLiteral("env:") + name;
        const auto it = env.find(name);
        return it == env.end() ? QString() : it->second;
    }
    QString findOnPath(const QString& program) const override
    {
        calls << QStringLiteral("path:") + program;
        const auto it = onPath.find(program);
        return it == onPath.end() ? QString() : it->second;
    }
    bool isExecutable(const QString& path) const override
    {
        calls << QStringLiteral("exec:") + path;
        return executables.count(path) != 0;
    }
    bool startDetached(const QString& program, const QStringList& arguments) override
    {
        started.push_back(QStringList{program} + arguments);
        return !failStarts;
    }
    void openWithHandler(const QString& realPath, std::function<void(bool opened)> done) override
    {
        opened << realPath;
        const bool answer = handled.count(realPath) != 0;
        if (deferHandlerAnswers)
            pendingAnswers.push_back([done, answer] { done(answer); });
        else
            done(answer);
    }
    // Gives the oldest awaited answer, as the desktop would later on.
    void answerNextHandlerQuery()
    {
        auto next = pendingAnswers.front();
        pendingAnswers.erase(pendingAnswers.begin());
        next();
    }

    std::map<QString, QString> settings;
    std::map<QString, QString> env;
    std::map<QString, QString> onPath;
    std::set<QString> executables;
    std::set<QString> handled;
    bool failStarts = false;
    bool failWrites = false;
    bool deferHandlerAnswers = false; // answers wait for answerNextHandlerQuery(), as a slow desktop's do
    std::vector<std::function<void()>> pendingAnswers;
    mutable QStringList calls;
    std::vector<QStringList> started;
    QStringList opened;
};
