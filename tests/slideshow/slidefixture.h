#pragma once

#include <QStringList>

#include <gtest/gtest.h>

#include "catalog/photoindex.h"
#include "fakes/fakescreen.h"
#include "fakes/fakeslideview.h"
#include "session/session.h"
#include "slideshow/slidecontroller.h"
#include "support/testservices.h"

// A session on a throw-away media tree with the given photos and clip art, a fake window and a controller.
struct SlideFixture : ::testing::Test, TestServices {
    Session session{messages, processes, drives, QString()};
    FakeSlideView view;
    FakeScreen screen{800, 600};
    SlideController controller{session, view, screen};

    void SetUp() override
    {
        session.roots.mediaRoot = session.roots.photoRoot = tree.path();
        for (const char* name : {"97emboss.jpg", "53tile.jpg", "insignia.jpg"})
            tree.add(QStringLiteral("graphics/") + name);
    }

    void photos(const QStringList& names)
    {
        for (const QString& n : names)
            tree.add(QStringLiteral("zephanes/") + n);
        buildPhotoIndex(session.index, names, tree.path());
    }
    // n photos of 1953: 53A01.JPG ...
    void photoCount(int n)
    {
        QStringList names;
        for (int i = 1; i <= n; ++i)
            names << QStringLiteral("53A%1.JPG").arg(i, 2, 10, QLatin1Char('0'));
        photos(names);
    }
    void clipArt(const QStringList& names)
    {
        for (const QString& n : names)
            tree.add(QStringLiteral("clipart/") + n);
        buildClipArtIndex(session.index, names, tree.path());
    }
    void emblemFiles(const QStringList& relatives)
    {
        for (const QString& r : relatives)
            tree.add(r);
    }

    int& pos() { return session.step.photoPosition; }
    QString label() const { return view.caption(SlideControl::PanYear); }
    QString counter() const { return view.caption(SlideControl::PhotoNumber); }
    QString shown() const { return view.picture(SlideControl::Image1); }
    QString reported() const { return session.errors.code; }
    int reports() const { return int(messages.shown.size()); }
};
