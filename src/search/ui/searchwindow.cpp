#include "search/ui/searchwindow.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QVBoxLayout>

#include "search/searchdocuments.h"

namespace {

// Draws a result as rich text: the title and entry on the first line, the piece of text with its matches in
// bold under it. The item's own text stays plain for screen readers.
class ResultDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        QString html = index.data(SearchWindow::kSnippetRole).toString();
        // The entry's muted grey is unreadable on the selection's colour: there it takes the selected text's
        // colour, a little toned down.
        if (option.state & QStyle::State_Selected) {
            const QColor on = option.palette.color(QPalette::HighlightedText);
            const QColor under = option.palette.color(QPalette::Highlight);
            const QColor muted = QColor::fromRgbF(on.redF() * 0.8f + under.redF() * 0.2f,
                                                  on.greenF() * 0.8f + under.greenF() * 0.2f,
                                                  on.blueF() * 0.8f + under.blueF() * 0.2f);
            html.replace(SearchWindow::kMutedStyle, QStringLiteral("color:") + muted.name());
        }
        o.text.clear();
        QStyle* style = o.widget ? o.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &o, painter, o.widget);

        QTextDocument doc;
        doc.setDefaultFont(o.font);
        doc.setHtml(html);
        doc.setTextWidth(o.rect.width() - 8);
        QAbstractTextDocumentLayout::PaintContext ctx;
        ctx.palette = o.palette;
        if (o.state & QStyle::State_Selected)
            ctx.palette.setColor(QPalette::Text, o.palette.color(QPalette::HighlightedText));
        painter->save();
        painter->translate(o.rect.topLeft() + QPoint(4, 2));
        painter->setClipRect(QRect(QPoint(0, 0), o.rect.size()));
        doc.documentLayout()->draw(painter, ctx);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QTextDocument doc;
        doc.setDefaultFont(option.font);
        doc.setHtml(index.data(SearchWindow::kSnippetRole).toString());
        const int width = option.widget ? option.widget->width() - 30 : 400;
        doc.setTextWidth(width);
        return QSize(width, int(doc.size().height()) + 4);
    }
};

QString escaped(const QString& s)
{
    return s.toHtmlEscaped();
}

} // namespace

SearchWindow::SearchWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(QStringLiteral("Search the Disc"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(560, 440);

    auto* label = new QLabel(QStringLiteral("&Search for:"), this);
    m_query = new QLineEdit(this);
    m_query->setObjectName(QStringLiteral("txtQuery"));
    m_query->setAccessibleName(QStringLiteral("Search for"));
    m_query->setPlaceholderText(QStringLiteral("words, \"a phrase\""));
    m_query->setClearButtonEnabled(true);
    label->setBuddy(m_query);

    auto* resultsLabel = new QLabel(QStringLiteral("&Results:"), this);
    m_results = new QListWidget(this);
    m_results->setObjectName(QStringLiteral("lstResults"));
    m_results->setAccessibleName(QStringLiteral("Results"));
    m_results->setItemDelegate(new ResultDelegate(m_results));
    m_results->setWordWrap(true);
    m_results->setUniformItemSizes(false);
    m_results->setAlternatingRowColors(true);
    resultsLabel->setBuddy(m_results);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("barProgress"));
    m_progress->setAccessibleName(QStringLiteral("Indexing progress"));
    m_progress->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_query);
    layout->addWidget(resultsLabel);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_progress);
    layout->addWidget(m_status);
    // Its own way out, besides Escape and the frame's close box; never the default, so Enter in the field
    // opens a result instead.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAutoDefault(false);
    close->setDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_query, &QLineEdit::textChanged, this, &SearchWindow::queryEdited);
    connect(m_query, &QLineEdit::returnPressed, this,
            [this] { emit resultChosen(m_results->currentRow() >= 0 ? m_results->currentRow() : 0); });
    // A double click opens; Enter is handled with the keys below (a single-click style never opens).
    connect(m_results, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit resultChosen(m_results->row(item)); });
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        m_query->setFocus(Qt::ShortcutFocusReason);
        m_query->selectAll();
    });
    m_query->installEventFilter(this);
    m_results->installEventFilter(this);
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    // Down from the field goes into the list; Enter in the list opens the row (not the dialog's default).
    if (watched == m_query && (key == Qt::Key_Down || key == Qt::Key_PageDown) && m_results->count() > 0) {
        m_results->setFocus(Qt::TabFocusReason);
        if (m_results->currentRow() < 0)
            m_results->setCurrentRow(0);
        return true;
    }
    if (watched == m_results && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (m_results->currentRow() >= 0)
            emit resultChosen(m_results->currentRow());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SearchWindow::showRows(const std::vector<SearchRow>& rows)
{
    m_results->clear();
    for (const SearchRow& r : rows) {
        auto* item = new QListWidgetItem(m_results);
        // Read as one line: title, entry and the text around the match.
        item->setText(r.title + QStringLiteral(" \u2014 ") + r.entry + QStringLiteral(": ") + r.snippet);
        item->setData(kSnippetRole, QStringLiteral("<b>%1</b> &nbsp;<span style=\"%2\">%3</span><br>%4")
                                        .arg(escaped(r.title), kMutedStyle, escaped(r.entry), r.snippetHtml));
        item->setToolTip(r.document ? r.document->path.relative() : QString());
    }
    if (!rows.empty())
        m_results->setCurrentRow(0);
}

void SearchWindow::showStatus(const QString& text)
{
    m_status->setText(text);
    m_status->setAccessibleName(text);
}

void SearchWindow::showProgress(int done, int total)
{
    m_progress->setVisible(total > 0);
    m_progress->setRange(0, std::max(total, 1));
    m_progress->setValue(done);
}

void SearchWindow::present()
{
    show();
    raise();
    activateWindow();
    m_query->setFocus(Qt::OtherFocusReason);
    m_query->selectAll();
}
