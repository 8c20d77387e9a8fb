#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

// The document viewer window: one document in rtbText, a close button and a print button under it (and the
// two sound buttons, which openers hide). It knows nothing of which documents exist; DocumentViewerHost loads
// it, fills it and unloads it.
class DocumentWindow : public QDialog {
    Q_OBJECT
public:
    enum class CloseReason { None, CloseButton, CloseBox };

    // Design sizes in pixels (the form's design positions in twips divided by 15).
    static constexpr QRect kTextBox{8, 8, 513, 401};
    static constexpr QRect kCloseButton{8, 416, 417, 25};
    static constexpr QRect kSoundButton{432, 416, 26, 25};
    static constexpr QRect kStopButton{464, 416, 25, 25};
    static constexpr QRect kPrintButton{496, 416, 25, 25};
    static constexpr QSize kClientSize{529, 449};

    explicit DocumentWindow(QWidget* parent = nullptr);

    QTextBrowser* rtbText() const { return m_rtbText; }
    QPushButton* SSCommand1() const { return m_close; }
    QPushButton* SSCommand2() const { return m_sound; }
    QPushButton* SSCommand3() const { return m_stop; }
    QPushButton* cmdPrint() const { return m_print; }

    // Loads a document file into rtbText; false when the file cannot be read (the text box keeps what it
    // had).
    bool loadDocument(const QString& realPath);
    // Puts the window in the middle of the screen.
    void centre();

    CloseReason closeReason() const { return m_closeReason; }

signals:
    void printRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QTextBrowser* m_rtbText;
    QPushButton* m_close;
    QPushButton* m_sound;
    QPushButton* m_stop;
    QPushButton* m_print;
    CloseReason m_closeReason = CloseReason::None;
};
