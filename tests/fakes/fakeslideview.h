#pragma once

#include <map>
#include <vector>

#include <QFile>
#include <QFileInfo>

#include "slideshow/slideview.h"

// The slide-show window's controls as plain values. A picture loads when its file exists and does not hold
// the text "bad"; it takes the size set in sizes (by file name, twips) or 1500 x 900.
class FakeSlideView final : public ISlideView {
public:
    FakeSlideView()
    {
        rects[SlideControl::Image1] = {115, 140, 11770, 6980};
        rects[SlideControl::PanYear] = {120, 7940, 3300, 300};
        rects[SlideControl::PhotoNumber] = {120, 7620, 1800, 255};
        rects[SlideControl::CoStar] = {120, 8340, 4200, 300};
        rects[SlideControl::Beginning] = {3840, 7380, 1500, 240};
        rects[SlideControl::ControlBar] = {3840, 7680, 3000, 345};
        for (int b = 0; b < 7; ++b)
            bar[BarButton(b)] = BarButton(b) != BarButton::Pause;
    }

    bool loadPicture(SlideControl slot, const QString& file) override
    {
        loads.push_back(QFileInfo(file).fileName());
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly) || f.readAll() == "bad")
            return false;
        pictures[slot] = QFileInfo(file).fileName();
        if (!(slot == SlideControl::Image1 && stretch)) {
            const auto it = sizes.find(QFileInfo(file).fileName());
            rects[slot].setSize(it != sizes.end() ? it->second : QSize(1500, 900));
        }
        return true;
    }
    void clearPicture(SlideControl slot) override { pictures[slot].clear(); }
    void setStretch(bool on) override { stretch = on; }
    bool stretched() const override { return stretch; }
    void prepare(const QStringList& files) override
    {
        for (const QString& f : files)
            prepared.push_back(QFileInfo(f).fileName());
    }
    void raisePicture() override { ++raised; }
    QRect rect(SlideControl c) const override
    {
        const auto it = rects.find(c);
        return it == rects.end() ? QRect() : it->second;
    }
    void move(SlideControl c, int left, int top) override { rects[c].moveTo(left, top); }
    void resize(SlideControl c, int w, int h) override { rects[c].setSize(QSize(w, h)); }
    void setVisible(SlideControl c, bool v) override { hidden[c] = !v; }
    bool isVisible(SlideControl c) const override
    {
        const auto it = hidden.find(c);
        return it == hidden.end() || !it->second;
    }
    void setEnabled(SlideControl c, bool e) override { disabled[c] = !e; }
    bool enabled(SlideControl c) const
    {
        const auto it = disabled.find(c);
        return it == disabled.end() || !it->second;
    }
    void setCaption(SlideControl c, const QString& t) override { captions[c] = t; }
    QString caption(SlideControl c) const override
    {
        const auto it = captions.find(c);
        return it == captions.end() ? QString() : it->second;
    }
    int windowWidth() const override { return width; }
    void setBarEnabled(BarButton b, bool e) override { bar[b] = e; }
    bool barEnabled(BarButton b) const override { return bar.at(b); }
    void setTimer(SlideTimer t, int ms) override { timers[t] = ms; }
    bool focusBeginning() override
    {
        if (!shown || !enabled(SlideControl::Beginning))
            return false;
        ++focusCount;
        return true;
    }
    void checkMode(int index) override { checkedMode = index; }

    QString picture(SlideControl c) const
    {
        const auto it = pictures.find(c);
        return it == pictures.end() ? QString() : it->second;
    }
    int timer(SlideTimer t) const
    {
        const auto it = timers.find(t);
        return it == timers.end() ? 0 : it->second;
    }

    std::map<SlideControl, QRect> rects;
    std::map<SlideControl, bool> hidden, disabled;
    std::map<SlideControl, QString> captions, pictures;
    std::map<BarButton, bool> bar;
    std::map<SlideTimer, int> timers;
    std::map<QString, QSize> sizes;
    std::vector<QString> loads, prepared;
    bool stretch = false;
    bool shown = true;
    int width = 12000;
    int focusCount = 0;
    int raised = 0;
    int checkedMode = -1;
};
