// The random user in the dialogs: the lines and data table editors and the about box.

#include "usersession.h"

#include "inspector/valuelist.h"
#include "usersessioninput.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

namespace talvex::test {

void UserSession::openValueEditor()
{
    QToolButton *button = m_editor.inspector->CommonValueList->findChild<QToolButton *>(
        QStringLiteral("EllipsisButton"));
    if (!button || !button->isVisible()) {
        log(QStringLiteral("Knopf \"...\" gesucht"));
        m_findings << QStringLiteral(
            "kein sichtbarer Knopf \"...\" in der Zell-übergreifenden Liste");
        return;
    }
    const bool lines = m_expected.common == CommonDisplay::TextElement;
    count(lines ? "Zeileneditor" : "Datentabelle");
    log(QStringLiteral("Knopf \"...\" von %1")
            .arg(QLatin1String(lines ? "Textzeilen" : "Vorgeschichte")));
    if (!actInEditorOpenedBy([button] { QTest::mouseClick(button, Qt::LeftButton); }))
        m_findings << QStringLiteral("der Knopf \"...\" öffnete keinen Editor");
}

bool UserSession::actInEditorOpenedBy(const std::function<void()> &input)
{
    // The editor is modal: the session acts inside it from the event loop it runs. Should it
    // not close, it is rejected after a while so that the session cannot hang.
    QObject scope;
    QPointer<QDialog> opened;
    const int ending = uniform(0, 3);
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, &scope, [this] {
        if (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            m_findings << QStringLiteral("%1 blieb offen").arg(modal->objectName());
            modal->reject();
        }
    });
    fallback.start(5000);
    QTimer::singleShot(0, &scope, [&, ending] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return; // the input opened nothing
        const bool expectLines = m_expected.common == CommonDisplay::TextElement;
        opened = expectLines ? static_cast<QDialog *>(m_editor.lines)
                             : static_cast<QDialog *>(m_editor.data);
        actInValueEditor(opened, expectLines, ending);
    });
    input();
    fallback.stop();
    if (!opened)
        return false;
    const bool lines = opened == static_cast<QDialog *>(m_editor.lines);
    if (opened->result() == QDialog::Accepted) {
        if (lines)
            m_expected.textLines = m_editor.lines->lines();
        else
            m_expected.historyTable = m_editor.data->table();
    }
    if (lines) {
        m_linesText =
            opened->findChild<QPlainTextEdit *>(QStringLiteral("LinesMemo"))->toPlainText();
    } else {
        for (int r = 1; r <= TDataForm::Periods; ++r)
            m_historyValues[r - 1] = m_editor.data->cell(1, r);
    }
    return true;
}

void UserSession::actInValueEditor(QDialog *dialog, bool lines, int ending)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal != dialog) {
        m_findings << QStringLiteral("statt %1 ist %2 offen")
                          .arg(dialog->objectName(),
                               modal ? modal->objectName() : QStringLiteral("nichts"));
        if (auto *other = qobject_cast<QDialog *>(modal))
            other->reject();
        return;
    }

    // What the user left at the last opening is still there.
    if (lines) {
        auto *memo = dialog->findChild<QPlainTextEdit *>(QStringLiteral("LinesMemo"));
        if (memo->toPlainText() != m_linesText)
            m_findings << QStringLiteral("Zeileneditor zeigt %1 statt %2")
                              .arg(visible(memo->toPlainText()), visible(m_linesText));
        const QString text = randomText(12, true);
        log(QStringLiteral("  Zeileneditor: getippt %1").arg(visible(text)));
        for (QChar c : text)
            typeCharacter(memo, c);
        if (chance(30))
            commitAsInputMethod(memo);
    } else {
        const TDataForm &data = *m_editor.data;
        if (data.cell(0, 0) != QStringLiteral("Zeitraum") ||
            data.cell(1, 0) != QStringLiteral("Zahlenwerte"))
            m_findings << QStringLiteral("Datentabelle ohne Überschriften");
        for (int r = 1; r <= TDataForm::Periods; ++r) {
            if (data.cell(0, r) != QString::number(r))
                m_findings << QStringLiteral("Datentabelle: Zeitraum %1 zeigt %2")
                                  .arg(r)
                                  .arg(visible(data.cell(0, r)));
            if (data.cell(1, r) != m_historyValues[r - 1])
                m_findings << QStringLiteral("Datentabelle: Wert %1 zeigt %2 statt %3")
                                  .arg(r)
                                  .arg(visible(data.cell(1, r)), visible(m_historyValues[r - 1]));
        }
        auto *grid = dialog->findChild<QTableWidget *>(QStringLiteral("StringGrid"));
        const int row = uniform(0, TDataForm::Periods - 1);
        const int column = chance(80) ? 1 : 0;
        log(QStringLiteral("  Datentabelle: Zelle %1,%2").arg(column).arg(row + 1));
        // Choosing the cell opens its editor unless it is open already.
        grid->setCurrentCell(row, column);
        auto cellEditor = [grid, row, column]() -> QLineEdit * {
            const QRect cell = grid->visualItemRect(grid->item(row, column));
            for (QLineEdit *edit : grid->viewport()->findChildren<QLineEdit *>())
                if (edit->isVisible() && edit->geometry() == cell)
                    return edit;
            return nullptr;
        };
        if (!cellEditor())
            grid->editItem(grid->item(row, column));
        if (QLineEdit *edit = cellEditor())
            typeIntoDialogField(edit);
        else
            m_findings << QStringLiteral("Datentabelle: keine Eingabe in Zelle %1,%2")
                              .arg(column)
                              .arg(row + 1);
        if (chance(20)) {
            const char *field = chance(50) ? "fromEdit" : "Edit1";
            log(QStringLiteral("  Feld %1").arg(QString::fromUtf8(field)));
            typeIntoDialogField(dialog->findChild<QLineEdit *>(QString::fromUtf8(field)));
        }
    }

    static const char *const Endings[] = {"OK", "Abbrechen", "Schließfeld", "Esc"};
    log(QStringLiteral("  %1").arg(QString::fromUtf8(Endings[ending])));
    if (ending < 2) {
        const auto name = ending == 0 ? QStringLiteral("OKButton") : QStringLiteral("CancelButton");
        QTest::mouseClick(dialog->findChild<QPushButton *>(name), Qt::LeftButton);
    } else if (ending == 2) {
        dialog->close();
    } else {
        QTest::keyClick(dialog, Qt::Key_Escape);
    }
}

void UserSession::typeIntoDialogField(QLineEdit *edit)
{
    const QString text = randomText(6, false);
    log(QStringLiteral("    getippt %1").arg(visible(text)));
    QPointer<QLineEdit> guard(edit);
    for (QChar c : text) {
        if (!isEditorOpen(guard))
            break;
        typeCharacter(guard, c);
    }
}

void UserSession::showAbout()
{
    count("Über Talvex");
    log(QStringLiteral("Hilfe > Über Talvex..."));
    m_expected.aboutVisible = true;
    m_editor.main->findChild<QAction *>(QStringLiteral("About"))->trigger();
}

void UserSession::closeAbout()
{
    if (!m_expected.aboutVisible) {
        log(QStringLiteral("(Info-Fenster ist zu)"));
        return;
    }
    m_expected.aboutVisible = false;
    if (chance(30)) {
        count("Info Schließfeld");
        log(QStringLiteral("Info-Fenster: Schließfeld"));
        m_editor.about->close();
        return;
    }
    count("Info OK");
    log(QStringLiteral("Info-Fenster: OK"));
    QTest::mouseClick(m_editor.about->OKButton, Qt::LeftButton);
}

} // namespace talvex::test
