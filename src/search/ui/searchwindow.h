#pragma once

#include <QDialog>

#include "search/searchcontroller.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;

// The search window: a query field, the ranked results as they are typed (the document's title, its entry
// and a piece of its text with the matches in bold) and a status line with the indexing progress. It
// decides nothing: what is typed and which result is chosen go to its listener.
class SearchWindow : public QDialog, public ISearchView {
    Q_OBJECT
public:
    explicit SearchWindow(QWidget* parent = nullptr);

    void showRows(const std::vector<SearchRow>& rows) override;
    void showStatus(const QString& text) override;
    void showProgress(int done, int total) override;

    // Shows the window and puts the cursor in the query field.
    void present();

    QLineEdit* txtQuery() const { return m_query; }
    QListWidget* lstResults() const { return m_results; }
    QLabel* lblStatus() const { return m_status; }
    QProgressBar* barProgress() const { return m_progress; }

    static constexpr int kSnippetRole = Qt::UserRole + 1;
    // How a row's entry is set off from its title (on the selection it takes the selected text's colour).
    static constexpr QLatin1String kMutedStyle{"color:gray"};

signals:
    void queryEdited(const QString& text);
    void resultChosen(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_query;
    QListWidget* m_results;
    QLabel* m_status;
    QProgressBar* m_progress;
};
