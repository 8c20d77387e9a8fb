// Paragraph ends, page breaks and the table model of the reader.
#include "viewers/doc/rtfreader.h"

#include <algorithm>

#include <QTextDocument>
#include <QTextTable>

namespace rtfread {

void Reader::ensureTableContext(bool forceTable)
{
    const bool inTable = forceTable || m_state.p.intbl;
    if (m_table && (!inTable || (m_rowPending && m_tableCells >= m_limits.maxTableCells))) {
        flush();
        closeTable(); // left the table, or too many cells: what follows is plain paragraphs
    } else if (inTable && m_tableCells < m_limits.maxTableCells) {
        if (!m_table) {
            flush();
            openTable();
        } else if (m_rowPending) {
            flush();
            m_rowPending = false;
            if (m_row + 1 >= m_limits.maxTableRows) {
                closeTable();
                openTable();
                return;
            }
            if (m_row + 1 >= m_table->rows()) {
                // Every change of the table's rows rebuilds its whole grid, so rows are added in growing
                // batches and the unused ones removed when the table ends: linear time for long tables.
                const int more = std::min(m_table->rows(), m_limits.maxTableRows - m_table->rows());
                m_table->appendRows(std::max(1, more));
            }
            m_tableCells += m_table->columns();
            ++m_row;
            m_col = 0;
            widenTable(static_cast<int>(m_cellx.size()));
            m_cursor = m_table->cellAt(m_row, 0).firstCursorPosition();
        } else if (m_col >= m_table->columns()) {
            // content after the last cell the row defined: a new column, or the last cell when full
            flush();
            if (m_table->columns() < m_limits.maxTableColumns &&
                m_tableCells + m_table->rows() <= m_limits.maxTableCells) {
                widenTable(m_col + 1);
                m_cursor = m_table->cellAt(m_row, m_col).firstCursorPosition();
            } else {
                m_col = m_table->columns() - 1;
                m_cursor = m_table->cellAt(m_row, m_col).lastCursorPosition();
                m_cursor.insertText(QStringLiteral("\t"));
            }
        }
    }
}

void Reader::openTable()
{
    const int columns = std::clamp(static_cast<int>(m_cellx.size()), 1, m_limits.maxTableColumns);
    if (m_blockHasContent) {
        m_cursor.setBlockFormat(blockFormat());
        m_cursor.insertBlock();
    }
    QTextTableFormat format;
    format.setBorder(1);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    if (static_cast<int>(m_cellx.size()) == columns) {
        QList<QTextLength> widths;
        int left = 0;
        for (int x : m_cellx) {
            widths << QTextLength(QTextLength::FixedLength, std::clamp(x - left, 15, 150000) / 15.0);
            left = std::max(left, x);
        }
        format.setColumnWidthConstraints(widths);
    }
    m_table = m_cursor.insertTable(1, columns, format);
    m_tableCells += columns;
    m_row = 0;
    m_col = 0;
    m_rowPending = false;
    m_blockHasContent = false;
    m_cursor = m_table->cellAt(0, 0).firstCursorPosition();
}

void Reader::widenTable(int columns)
{
    columns = std::min(columns, m_limits.maxTableColumns);
    if (!m_table || columns <= m_table->columns())
        return;
    const int added = columns - m_table->columns();
    m_table->appendColumns(added);
    m_tableCells += added * m_table->rows();
    QTextTableFormat format = m_table->format();
    format.clearColumnWidthConstraints();
    m_table->setFormat(format);
}

void Reader::closeTable()
{
    if (!m_table)
        return;
    if (m_table->rows() > m_row + 1)
        m_table->removeRows(m_row + 1, m_table->rows() - m_row - 1);
    m_cursor = m_table->lastCursorPosition();
    m_cursor.movePosition(QTextCursor::NextBlock);
    m_table = nullptr;
    m_rowPending = false;
    m_blockHasContent = false;
}

void Reader::nextCell()
{
    ensureTableContext(true);
    flush();
    if (!m_table) {
        appendChar(u'\t'); // too many cells: the rest are shown as tab-separated lines
        return;
    }
    m_cursor.setBlockFormat(blockFormat());
    ++m_col; // a cell past the row's last one is made when content arrives for it
    if (m_col < m_table->columns())
        m_cursor = m_table->cellAt(m_row, m_col).firstCursorPosition();
}

void Reader::endRow()
{
    flush();
    if (!m_table) {
        endParagraph();
        return;
    }
    m_rowPending = true;
}

void Reader::endParagraph()
{
    ensureTableContext();
    flush();
    m_cursor.setBlockFormat(blockFormat());
    m_cursor.insertBlock();
    m_blockPageBreak = false;
    m_blockHasContent = false;
}

void Reader::pageBreak()
{
    ensureTableContext();
    if (m_table)
        return; // a page break inside a table row is not kept
    flush();
    if (m_blockHasContent) {
        m_cursor.setBlockFormat(blockFormat());
        m_cursor.insertBlock();
        m_blockHasContent = false;
    }
    m_blockPageBreak = true;
}

} // namespace rtfread
