#pragma once

#include "inspector/currentdata.h"
#include "inspector/valueeditorform.h"

class QLabel;
class QLineEdit;
class QTableWidget;
class QWidget;

namespace talvex {

// The data table editor "Daten-Bearbeitung": a modal dialog with a table of ten periods and
// their values that stays from one opening to the next; OK hands a copy over as
// CurrentHistoryTable.
class TDataForm : public TValueEditorForm
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 261;
    static constexpr int ClientHeight = 245;
    static constexpr int Periods = 10;

    explicit TDataForm(QWidget *parent = nullptr);

    // Places the buttons from the window's outer width (cancel 6 pixels from the right edge, OK
    // one OK-button width before it) and writes the titles and the period numbers 1 to 10.
    void FormResize() override;

    // Cell text by column and row; row 0 is the title row.
    QString cell(int column, int row) const;
    // All rows of the grid, the title row first.
    StringTable table() const;

protected:
    void takeOver() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *NamePanel;
    QTableWidget *StringGrid;
    QLabel *fromLabel;
    QLabel *toLabel;
    QLineEdit *fromEdit;
    QLineEdit *Edit1;
    // The grid's current cell while the dialog is hidden.
    int m_currentRow = 0;
    int m_currentColumn = 0;
};

} // namespace talvex
