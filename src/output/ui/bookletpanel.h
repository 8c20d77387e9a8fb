#pragma once

#include <array>

#include <QFrame>

#include "output/bookletplan.h"

class IMainFrame;
class QCheckBox;
class QListWidget;
class QPushButton;

// pnlPrint: the booklet panel laid over the main window: eight section boxes, the start and end year lists,
// Print and Cancel. It announces Print and Cancel; the booklet controller prints.
class BookletPanel final : public QFrame {
    Q_OBJECT
public:
    explicit BookletPanel(IMainFrame& frame);

    // mnuPrnt: place, clear the boxes, disable Print, captions "Print" and "Cancel", show, focus cmdOK. The
    // lists keep their selection.
    void open();
    BookletChoice ticked() const;
    QString fromItem() const;
    QString toItem() const;
    void setPrinted(); // "Print Again" and "Exit"

signals:
    void printClicked();
    void cancelClicked();

private:
    void updatePrint();

    IMainFrame& m_frame;
    std::array<QCheckBox*, kBookletSectionCount> m_boxes{};
    std::array<QListWidget*, 2> m_lists{};
    QPushButton* m_print;
    QPushButton* m_ok;
};
