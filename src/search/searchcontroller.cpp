#include "search/searchcontroller.h"

#include <algorithm>

SearchController::SearchController(ISearchView& view, Open open) : m_view(view), m_open(std::move(open)) {}

void SearchController::queryEdited(const QString& text)
{
    m_text = text;
    m_query = parseQuery(text);
    refresh();
}

void SearchController::resultChosen(int row)
{
    if (row < 0)
        row = 0;
    if (row >= int(m_rows.size()) || !m_rows[size_t(row)].document || !m_open)
        return;
    m_open(*m_rows[size_t(row)].document, m_query);
}

void SearchController::indexingStarted(int total)
{
    m_indexing = true;
    m_failed = false;
    m_engine = nullptr;
    m_done = 0;
    m_total = total;
    refresh();
}

void SearchController::indexingProgress(int done, int total)
{
    m_done = done;
    m_total = total;
    if (m_indexing) {
        m_view.showProgress(done, total);
        m_view.showStatus(QStringLiteral("Indexing the disc: %1 of %2 documents").arg(done).arg(total));
    }
}

void SearchController::indexReady(ISearchEngine* engine, const QString& note)
{
    m_indexing = false;
    m_engine = engine;
    m_failed = engine == nullptr;
    m_note = note;
    refresh();
}

void SearchController::refresh()
{
    m_rows.clear();
    if (m_indexing) {
        m_view.showRows(m_rows);
        m_view.showProgress(m_done, m_total);
        m_view.showStatus(QStringLiteral("Indexing the disc: %1 of %2 documents").arg(m_done).arg(m_total));
        return;
    }
    m_view.showProgress(0, 0);
    if (!m_engine) {
        m_view.showRows(m_rows);
        m_view.showStatus(m_failed ? QStringLiteral("The documents cannot be searched: %1").arg(m_note)
                                   : QStringLiteral("The disc has not been indexed yet."));
        return;
    }
    if (m_query.isEmpty()) {
        m_view.showRows(m_rows);
        const int n = m_engine->documentCount();
        m_view.showStatus(n == 0 ? QStringLiteral("There are no documents to search on this disc.")
                                 : QStringLiteral("Type words to search %1 documents.").arg(n));
        return;
    }
    int total = 0;
    m_rows = m_engine->search(m_query, kMaxRows, &total);
    m_view.showRows(m_rows);
    if (m_rows.empty())
        m_view.showStatus(QStringLiteral("No documents found for \u201c%1\u201d.").arg(m_text.trimmed()));
    else if (m_rows.size() == 1)
        m_view.showStatus(QStringLiteral("1 document found."));
    else
        m_view.showStatus(
            QStringLiteral("%1 documents found.").arg(std::max<int>(total, int(m_rows.size()))));
}
