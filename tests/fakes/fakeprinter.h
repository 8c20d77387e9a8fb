#pragma once

#include <functional>
#include <vector>

#include <QImage>

#include "platform/printer.h"

// A printer that draws nothing: it records the job, the pages and every render request, and answers each
// render with the next scripted "first character that did not fit" (or the end of the range).
class FakePrinter final : public IPrinter {
public:
    struct Render {
        int from;
        int to;
        TwipRect target;
        TwipRect pageRect;
    };

    bool startJob(const QString& documentName) override
    {
        ++jobsStarted;
        jobName = documentName;
        inJob = startSucceeds;
        return startSucceeds;
    }
    PrinterPage page() const override { return geometry; }
    int renderRichText(const QTextDocument&, int from, int to, const TwipRect& target,
                       const TwipRect& pageRect) override
    {
        renders.push_back({from, to, target, pageRect});
        if (onRender)
            return onRender(from, to);
        return to;
    }
    void drawPicture(const QImage& picture, qint32 left, qint32 top) override
    {
        pictures.push_back({picture.size(), left, top, newPages});
    }
    void printLine(const QString& text) override { lines.push_back(text); }
    void newPage() override { ++newPages; }
    bool endJob() override
    {
        ++jobsEnded;
        inJob = false;
        return endSucceeds;
    }

    int pages() const { return jobsStarted > 0 && startSucceeds ? newPages + 1 : 0; }

    PrinterPage geometry{12240, 15840, 11520, 15120, 50, 50, 200, 200}; // Letter, 0.25 inch unprintable
    bool startSucceeds = true;
    bool endSucceeds = true;
    std::function<int(int from, int to)> onRender;

    int jobsStarted = 0;
    int jobsEnded = 0;
    int newPages = 0;
    bool inJob = false;
    QString jobName;
    std::vector<Render> renders;
    struct Picture {
        QSize size;
        qint32 left;
        qint32 top;
        int page; // pages begun before it
    };
    std::vector<Picture> pictures;
    std::vector<QString> lines;
};
