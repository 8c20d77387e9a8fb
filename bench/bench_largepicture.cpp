// Scrolling a 4000-pixel picture in the large-picture viewer: one scroll step, including the repaint.
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "mainwin/ui/largepicturewindow.h"

namespace {

void BM_ScrollLargePicture(benchmark::State& state)
{
    QTemporaryDir dir;
    QImage picture(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); x += 4)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    const QString path = dir.path() + "/big.jpg";
    picture.save(path, "JPG", 90);

    LargePictureWindow viewer([] { return QStringLiteral("1963"); }, QRect(0, 0, 1024, 768));
    viewer.showLargePicture(path, QStringLiteral("The Zephane Folarium    1963 Advertisement"),
                            QSize(1024, 768));
    auto* h = viewer.findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    auto* v = viewer.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    QImage frame(viewer.size(), QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        step = (step + 37) % 2000;
        h->setValue(step);
        v->setValue(step / 2);
        viewer.render(&frame); // paints the whole window, as a screen update would
    }
    state.counters["frames_per_second"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ScrollLargePicture)->Unit(benchmark::kMillisecond);

} // namespace
