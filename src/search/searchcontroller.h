#pragma once

#include <functional>
#include <vector>

#include <QString>

#include "search/searchquery.h"

struct SearchDocument;

// One line of the result list.
struct SearchRow {
    const SearchDocument* document = nullptr;
    QString entry;       // "1963", "Race Cars", "Library"
    QString title;       // "1963 Description"
    QString snippetHtml; // matches between <b> and </b>
    QString snippet;     // plain
};

// What the search window shows.
class ISearchView {
public:
    virtual ~ISearchView() = default;
    virtual void showRows(const std::vector<SearchRow>& rows) = 0;
    virtual void showStatus(const QString& text) = 0;
    // Indexing progress; total 0 hides it.
    virtual void showProgress(int done, int total) = 0;
};

// The ranked search over the index, whatever keeps it.
class ISearchEngine {
public:
    virtual ~ISearchEngine() = default;
    virtual std::vector<SearchRow> search(const SearchQuery& query, int maxRows, int* total) = 0;
    virtual int documentCount() const = 0;
};

// Decides what the search window shows: the results of the query as it is typed, the indexing progress
// while the index is being built, and which document a chosen result opens.
class SearchController {
public:
    using Open = std::function<void(const SearchDocument& document, const SearchQuery& query)>;

    SearchController(ISearchView& view, Open open);

    void queryEdited(const QString& text);
    // Enter or a double click on a row (-1: the first row).
    void resultChosen(int row);

    void indexingStarted(int total);
    void indexingProgress(int done, int total);
    // The index is ready (engine), or could not be made (null); note says why or where it is kept.
    void indexReady(ISearchEngine* engine, const QString& note = {});

    const std::vector<SearchRow>& rows() const { return m_rows; }
    const QString& queryText() const { return m_text; }

    static constexpr int kMaxRows = 50;

private:
    void refresh();

    ISearchView& m_view;
    Open m_open;
    ISearchEngine* m_engine = nullptr;
    bool m_indexing = false;
    bool m_failed = false;
    int m_done = 0;
    int m_total = 0;
    QString m_note;
    QString m_text;
    SearchQuery m_query;
    std::vector<SearchRow> m_rows;
};
