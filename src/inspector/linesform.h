#pragma once

#include "inspector/valueeditorform.h"

#include <QStringList>

class QPlainTextEdit;
class QWidget;

namespace talvex {

// The lines editor "Zeilen-Editor": a modal dialog holding lines of text that stay from one
// opening to the next; OK hands a copy of them over as CurrentTextLines.
class TLinesForm : public TValueEditorForm
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 412;
    static constexpr int ClientHeight = 159;

    explicit TLinesForm(QWidget *parent = nullptr);

    // Places the buttons from the window's outer width: cancel at the middle, OK one OK-button
    // width before it.
    void FormResize() override;

    // The lines of the text field as separated by Enter; an empty text has no lines.
    QStringList lines() const;

protected:
    void showEvent(QShowEvent *event) override;
    void takeOver() override;

private:
    QWidget *LinesPanel;
    QPlainTextEdit *LinesMemo;
};

} // namespace talvex
