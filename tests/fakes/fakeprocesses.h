#pragma once

#include <deque>
#include <vector>

#include <QStringList>

#include "platform/processes.h"

// Records program ends and started programs instead of doing them.
class FakeProcesses final : public IProcesses {
public:
    bool anotherInstanceRunning() override { return otherInstance; }
    void endProgramNow(int exitCode) override
    {
        ended = true;
        endCode = exitCode;
    }
    int runAndWait(const QString& program, const QStringList& arguments) override
    {
        started.push_back(QStringList{program} + arguments);
        if (exitCodes.empty())
            return 0;
        const int code = exitCodes.front();
        exitCodes.pop_front();
        return code;
    }

    bool otherInstance = false;
    bool ended = false;
    int endCode = -1;
    std::vector<QStringList> started;
    std::deque<int> exitCodes;
};
