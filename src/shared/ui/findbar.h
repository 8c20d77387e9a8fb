#pragma once

#include <vector>

#include <QWidget>

#include "search/searchtext.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

// Find in the document viewer: Ctrl+F shows a bar under the window's own controls (the window grows by its
// height, so nothing of the viewer moves), F3 and Shift+F3 go to the next and previous match, Escape hides
// it. Every match is highlighted, the current one selected, and the bar says how many there are. A search
// result opens with its matches already shown (showMatches).
class FindBar : public QWidget {
    Q_OBJECT
public:
    // Attaches itself to the window that holds the text (its parent) and installs the window's shortcuts.
    FindBar(QTextEdit& text, QWidget& window);

    // Shows the bar with these matches (positions in the document), the first one current and scrolled to.
    void showMatches(const QString& label, const std::vector<searchtext::Span>& spans);

    void open();     // Ctrl+F
    void close();    // Escape
    void next();     // F3, Enter
    void previous(); // Shift+F3

    int matchCount() const { return int(m_spans.size()); }
    int currentMatch() const { return m_current; } // 0-based, -1 when none
    QLineEdit* field() const { return m_field; }
    QLabel* countLabel() const { return m_count; }

    static constexpr int kHeight = 32;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void findText(const QString& needle);
    void select(int index);
    void highlight();
    void setShown(bool shown);
    void updateCount();

    QTextEdit& m_text;
    QWidget& m_window;
    QLineEdit* m_field;
    QLabel* m_count;
    QPushButton* m_previous;
    QPushButton* m_next;
    QPushButton* m_close;
    std::vector<searchtext::Span> m_spans;
    int m_current = -1;
};
