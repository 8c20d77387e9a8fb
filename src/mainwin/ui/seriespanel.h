#pragma once

#include <array>

#include <QFrame>

#include "catalog/mediarules.h"
#include "mainwin/illustratedseries.h"

class IMainFrame;
class QLabel;
class QPushButton;

// SSpnlOstrand: the panel of the illustrated series on the main window, with its 26 titles (Label12) and
// their small buttons (Command1), the series text button and Close.
class SeriesPanel final : public QFrame, public ISeriesPanelView {
    Q_OBJECT
public:
    static constexpr QSize kDesignSize{609, 473};
    static const QString kHeading;

    explicit SeriesPanel(IMainFrame& frame);

    void setController(IllustratedSeries* controller) { m_controller = controller; }
    QLabel* title(int index) const;
    QPushButton* button(int index) const;

    // Where title i and its button sit on the panel.
    static QRect titleGeometry(int index);
    static QRect buttonGeometry(int index);

    int panelWidth() const override { return width(); }
    int exitButtonRight() const override;
    void showPanelAt(QPoint topLeft) override;
    void hidePanel() override { hide(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    IMainFrame& m_frame;
    IllustratedSeries* m_controller = nullptr;
    std::array<QLabel*, mediarules::kSeriesCount + 1> m_titles{};       // [0] unused
    std::array<QPushButton*, mediarules::kSeriesCount + 1> m_buttons{}; // [0] is not part of the series
    QPushButton* m_about = nullptr;
    QPushButton* m_close = nullptr;
};
