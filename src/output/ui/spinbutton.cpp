#include "output/ui/spinbutton.h"

#include <QLineEdit>

SpinButton::SpinButton(QWidget* parent) : QAbstractSpinBox(parent)
{
    lineEdit()->setReadOnly(true);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
}

void SpinButton::stepBy(int steps)
{
    if (steps != 0)
        emit stepped(steps > 0);
}
