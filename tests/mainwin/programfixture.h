#pragma once

#include <memory>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include "app/program.h"
#include "catalog/catalogue.h"
#include "fakes/fakedrives.h"
#include "fakes/fakemessages.h"
#include "fakes/fakeports.h"
#include "fakes/fakeprocesses.h"
#include "mainwin/maincontroller.h"
#include "mainwin/ui/mainwindow.h"
#include "mainwin/ui/mainwindowmodule.h"
#include "mainwin/ui/splashwindow.h"
#include "support/mediatree.h"

// A whole program on a small media tree of real JPEG files, started with the "HWI" switch so the tree is
// both the program folder and the media root.
class ProgramFixture : public ::testing::Test, public FakeDevices {
protected:
    static QString addPhoto(const MediaTree& tree, const QString& relative, int hue = 0,
                            QSize size = {32, 24})
    {
        QImage img(size, QImage::Format_RGB32);
        img.fill(QColor::fromHsv(hue % 360, 200, 200));
        const QString path = tree.add(relative, QByteArray());
        img.save(path, "JPG");
        return path;
    }

    void addPhotos()
    {
        int hue = 0;
        for (const char* n : {"53A", "53B", "53C", "84A", "A0A", "A0B"})
            addPhoto(tree, QStringLiteral("zephanes/%1.jpg").arg(QLatin1String(n)), hue += 40);
        for (const catalogue::Collection& c : catalogue::collections())
            addPhoto(tree, QStringLiteral("zephanes/%1A.JPG").arg(c.code), hue += 7);
    }

    void startProgram(const QString& commandLine = QStringLiteral("HWI"), QString folder = {})
    {
        program = std::make_unique<Program>(ports, folder.isEmpty() ? tree.path() : folder);
        started = program->start(commandLine);
    }
    // Fires the splash window's own timer, as its interval would.
    void fireSplashTimer()
    {
        ASSERT_NE(program->splash(), nullptr);
        ASSERT_TRUE(QMetaObject::invokeMethod(&program->splash()->timer(), "timeout", Qt::DirectConnection));
    }
    void openMainWindow()
    {
        startProgram();
        ASSERT_TRUE(started);
        fireSplashTimer();
        ASSERT_NE(window(), nullptr);
    }

    Session& session() const { return program->session(); }
    MainWindowModule& module() const { return *program->mainWindowModule(); }
    MainWindow* window() const
    {
        return program && program->mainWindowModule() ? &program->mainWindowModule()->window() : nullptr;
    }
    MainController& controller() const { return module().controller(); }
    QAction* menuItem(const QString& objectName) const { return window()->findChild<QAction*>(objectName); }
    QLabel* photoLabel() const { return window()->findChild<QLabel*>(QStringLiteral("Image4")); }
    QString panYear() const { return window()->findChild<QLabel*>(QStringLiteral("panYear"))->text(); }
    QString panPhoto() const { return window()->findChild<QLabel*>(QStringLiteral("panPhoto"))->text(); }
    int focusedYearButton() const
    {
        QWidget* f = window()->focusWidget();
        for (int i = 1; i <= catalogue::kYearButtonCount; ++i)
            if (f && f == window()->yearButton(i))
                return i;
        return 0;
    }
    static void key(QWidget* w, int qtKey)
    {
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier);
        QApplication::sendEvent(w, &release);
    }
    static void press(QWidget* w, Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent e(QEvent::MouseButtonPress, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), button, button,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    QString enabledButtons() const
    {
        static const char* letters[] = {"D", "S", "O", "C", "Sc", "N", "R", "Si", "CA", "A", "No"};
        QStringList on;
        for (int b = 0; b < catalogue::kContentButtonCount; ++b)
            if (window()->contentButton(catalogue::ContentButton(b))->isEnabled())
                on << QLatin1String(letters[b]);
        return on.join(QLatin1Char(' '));
    }

    MediaTree tree;
    FakeProcesses processes;
    FakeMessages messages;
    FakeDrives drives;
    Ports ports = portsWith(processes, messages, drives);
    std::unique_ptr<Program> program;
    bool started = false;
};
