#include "shared/ui/findbar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextEdit>

FindBar::FindBar(QTextEdit& text, QWidget& window) : QWidget(&window), m_text(text), m_window(window)
{
    setObjectName(QStringLiteral("findBar"));
    setAccessibleName(QStringLiteral("Find in document"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 8, 4);
    auto* label = new QLabel(QStringLiteral("&Find:"), this);
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("txtFind"));
    m_field->setAccessibleName(QStringLiteral("Find"));
    label->setBuddy(m_field);
    m_previous = new QPushButton(QStringLiteral("&Previous"), this);
    m_previous->setObjectName(QStringLiteral("cmdFindPrevious"));
    m_next = new QPushButton(QStringLiteral("&Next"), this);
    m_next->setObjectName(QStringLiteral("cmdFindNext"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblFindCount"));
    m_count->setMinimumWidth(90);
    m_close = new QPushButton(QStringLiteral("Close"), this);
    m_close->setObjectName(QStringLiteral("cmdFindClose"));
    m_close->setAccessibleName(QStringLiteral("Close find bar"));
    for (QPushButton* b : {m_previous, m_next, m_close})
        b->setAutoDefault(false);
    layout->addWidget(label);
    layout->addWidget(m_field, 1);
    layout->addWidget(m_previous);
    layout->addWidget(m_next);
    layout->addWidget(m_count);
    layout->addWidget(m_close);

    connect(m_field, &QLineEdit::textEdited, this, [this](const QString& t) { findText(t); });
    connect(m_field, &QLineEdit::returnPressed, this, [this] { next(); });
    connect(m_next, &QPushButton::clicked, this, [this] { next(); });
    connect(m_previous, &QPushButton::clicked, this, [this] { previous(); });
    connect(m_close, &QPushButton::clicked, this, [this] { close(); });

    auto shortcut = [this](const QKeySequence& keys, void (FindBar::*slot)()) {
        auto* s = new QShortcut(keys, &m_window);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence::Find, &FindBar::open);
    shortcut(QKeySequence(Qt::Key_F3), &FindBar::next);
    shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), &FindBar::previous);
    m_window.installEventFilter(this);
    hide();
    updateCount();
}

bool FindBar::eventFilter(QObject* watched, QEvent* event)
{
    // Escape hides the bar first; only with the bar hidden does it reach the window.
    if (watched == &m_window && event->type() == QEvent::KeyPress && isVisible() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FindBar::setShown(bool shown)
{
    if (shown == isVisible())
        return;
    // The window grows by the bar and shrinks back: the viewer's own controls never move.
    const QSize size = m_window.size();
    const int height = size.height() + (shown ? kHeight : -kHeight);
    if (m_window.minimumSize() == m_window.maximumSize())
        m_window.setFixedSize(size.width(), height);
    else
        m_window.resize(size.width(), height);
    setGeometry(0, height - kHeight, size.width(), kHeight);
    setVisible(shown);
}

void FindBar::open()
{
    setShown(true);
    raise();
    m_field->setFocus(Qt::ShortcutFocusReason);
    m_field->selectAll();
}

void FindBar::close()
{
    setShown(false);
    m_spans.clear();
    m_current = -1;
    highlight();
    m_text.setFocus(Qt::OtherFocusReason);
}

void FindBar::showMatches(const QString& label, const std::vector<searchtext::Span>& spans)
{
    setShown(true);
    m_field->setText(label);
    m_spans = spans;
    select(m_spans.empty() ? -1 : 0);
}

void FindBar::findText(const QString& needle)
{
    m_spans = searchtext::findFolded(m_text.document()->toRawText(), needle);
    // Start from the match at or after the reading position, as a reader expects.
    const int from = m_text.textCursor().selectionStart();
    int first = m_spans.empty() ? -1 : 0;
    for (size_t i = 0; i < m_spans.size(); ++i)
        if (m_spans[i].start >= from) {
            first = int(i);
            break;
        }
    select(first);
}

void FindBar::next()
{
    if (!isVisible() || m_field->text().isEmpty()) {
        open();
        return;
    }
    if (!m_spans.empty())
        select((m_current + 1) % matchCount());
}

void FindBar::previous()
{
    if (!isVisible() || m_field->text().isEmpty()) {
        open();
        return;
    }
    if (!m_spans.empty())
        select((m_current - 1 + matchCount()) % matchCount());
}

void FindBar::select(int index)
{
    m_current = index;
    highlight();
    if (index >= 0) {
        const searchtext::Span& s = m_spans[size_t(index)];
        QTextCursor c(m_text.document());
        c.setPosition(s.start);
        c.setPosition(s.start + s.length, QTextCursor::KeepAnchor);
        m_text.setTextCursor(c);
        m_text.ensureCursorVisible();
    }
    updateCount();
}

void FindBar::highlight()
{
    QList<QTextEdit::ExtraSelection> selections;
    QTextCharFormat all;
    all.setBackground(QColor(255, 235, 90));
    all.setForeground(Qt::black);
    QTextCharFormat current;
    current.setBackground(QColor(255, 150, 30));
    current.setForeground(Qt::black);
    for (size_t i = 0; i < m_spans.size(); ++i) {
        QTextEdit::ExtraSelection sel;
        sel.cursor = QTextCursor(m_text.document());
        sel.cursor.setPosition(m_spans[i].start);
        sel.cursor.setPosition(m_spans[i].start + m_spans[i].length, QTextCursor::KeepAnchor);
        sel.format = int(i) == m_current ? current : all;
        selections << sel;
    }
    m_text.setExtraSelections(selections);
}

void FindBar::updateCount()
{
    QString text;
    if (m_field->text().isEmpty())
        text.clear();
    else if (m_spans.empty())
        text = QStringLiteral("No matches");
    else
        text = QStringLiteral("%1 of %2").arg(m_current + 1).arg(m_spans.size());
    m_count->setText(text);
    m_count->setAccessibleName(text.isEmpty() ? QStringLiteral("Matches") : text);
    m_previous->setEnabled(!m_spans.empty());
    m_next->setEnabled(!m_spans.empty());
}
