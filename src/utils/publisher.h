#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

// This edition's publisher texts for the About window and the registration notice, and where the About
// window stands.
namespace publisher {
QString nameAndAddress(); // panVornic: name, address lines, web address
QString rightsNotice();   // SSPanel2
QString registrationNotice();
// frmAbout's position from the main window's size only (its position is not used).
QPoint aboutPosition(QSize mainWindow, QSize about);
} // namespace publisher
