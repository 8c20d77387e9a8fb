#pragma once

#include <QAbstractSpinBox>

// A spin button with nothing in its box: it only reports its up and down events.
class SpinButton final : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit SpinButton(QWidget* parent);
    void stepBy(int steps) override;

signals:
    void stepped(bool up);

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }
};
