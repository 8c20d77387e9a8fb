#pragma once

#include <vector>

#include <QImage>
#include <QStringList>

#include "photodecoder.h"
#include "savertimer.h"
#include "saverview.h"
#include "threadeddecoder.h"

// What the cycle drew, in order.
class FakeSaverView final : public ISaverView {
public:
    void showPhoto(const QImage& photo) override
    {
        shown << QStringLiteral("photo:%1").arg(photo.text("name"));
    }
    void showMessage(const QString& text) override { shown << QStringLiteral("message:%1").arg(text); }
    QSize pictureSize() const override { return size; }
    QStringList shown;
    QSize size{320, 240};
};

// An interval fired by the test.
class FakeSaverTimer final : public ISaverTimer {
public:
    void start(int ms, std::function<void()> onTimeout) override
    {
        intervalMs = ms;
        callback = std::move(onTimeout);
        running = true;
    }
    void stop() override { running = false; }
    void fire()
    {
        if (running)
            callback();
    }
    int intervalMs = 0;
    bool running = false;
    std::function<void()> callback;
};

// Decodes when the test says so; answers are a named stand-in picture or, for files named "bad*", nothing.
class FakeDecoder final : public IPhotoDecoder {
public:
    struct Job {
        int ticket;
        QString file;
        QSize size;
        Done done;
    };
    void decode(int ticket, const QString& file, const QSize& fitInto, Done done) override
    {
        jobs.push_back({ticket, file, fitInto, std::move(done)});
    }
    // Answers the oldest open job; real decoding when `real` is set.
    void answer(bool real = false)
    {
        Job job = jobs.front();
        jobs.erase(jobs.begin());
        QImage image;
        if (real) {
            image = ThreadedDecoder::decodeNow(job.file, job.size);
        } else if (!job.file.section('/', -1).startsWith(QLatin1String("bad"))) {
            image = QImage(8, 8, QImage::Format_RGB32);
        }
        if (!image.isNull())
            image.setText("name", job.file.section('/', -1));
        job.done(job.ticket, image);
    }
    std::vector<Job> jobs;
};
