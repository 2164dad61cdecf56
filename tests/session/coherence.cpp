#include "coherence.h"

#include "inspector/currentdata.h"
#include "inspector/valuelist.h"
#include "inspectorlists.h"
#include "model/elementmodel.h"
#include "widgets/framefollower.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <sstream>

namespace talvex::test {

namespace {

using Overlay = ExpectedState::Overlay;

const QColor Silver(192, 192, 192);

// The texts a difference is reported with.
QString text(int n)
{
    return QString::number(n);
}

QString text(bool yes)
{
    return yes ? QStringLiteral("ja") : QStringLiteral("nein");
}

QString text(const QString &s)
{
    return s;
}

QString text(const QStringList &list)
{
    return QLatin1Char('[') + list.join(QStringLiteral("|")) + QLatin1Char(']');
}

QString text(const QRect &r)
{
    return r.isEmpty() ? QStringLiteral("(leer)")
                       : QStringLiteral("(%1,%2 %3x%4)")
                             .arg(r.x())
                             .arg(r.y())
                             .arg(r.width())
                             .arg(r.height());
}

QString text(const AttributeRow &row)
{
    std::ostringstream out;
    PrintTo(row, &out);
    return QString::fromStdString(out.str());
}

template<typename T>
void expectEqual(QStringList &out, const char *what, const T &actual, const T &expected)
{
    if (!(actual == expected))
        out << QStringLiteral("%1: %2, erwartet %3")
                   .arg(QString::fromUtf8(what), text(actual), text(expected));
}

// The first pixel where the two layers differ outside except, compared a scanline at a time.
std::optional<QPoint> firstDifferenceOutside(const QImage &a, const QImage &b, const QRect &except)
{
    const int width = a.width();
    const int bytes = 4;
    for (int y = 0; y < a.height(); ++y) {
        const uchar *rowA = a.constScanLine(y);
        const uchar *rowB = b.constScanLine(y);
        const bool crossed = !except.isEmpty() && y >= except.top() && y <= except.bottom();
        const int left = crossed ? except.left() : width;
        const int right = crossed ? except.right() + 1 : width;
        if (std::memcmp(rowA, rowB, std::size_t(left * bytes)) != 0 ||
            std::memcmp(rowA + right * bytes, rowB + right * bytes,
                        std::size_t((width - right) * bytes)) != 0) {
            for (int x = 0; x < width; ++x)
                if ((x < left || x >= right) && a.pixel(x, y) != b.pixel(x, y))
                    return QPoint(x, y);
        }
    }
    return std::nullopt;
}

QString trimmedControl(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

// After the change handler has run, an editable value is the loaded one, blank, or in its
// canonical form: a plain integer, or digits, a comma and exactly two decimals.
bool settledValue(const QString &value, const QString &loaded, bool decimal)
{
    if (value == loaded || trimmedControl(value).isEmpty())
        return true;
    static const QRegularExpression Integer(QStringLiteral("^(0|-?[1-9][0-9]*)$"));
    static const QRegularExpression Decimal(QStringLiteral("^[+-]?[0-9]+,[0-9]{2}$"));
    if (decimal)
        return Decimal.match(value).hasMatch();
    bool fits = false;
    value.toInt(&fits);
    return fits && Integer.match(value).hasMatch();
}

// Compares the rows a list shows with the model's, field by field. A value stands as loaded; a
// writable one may also stand as the change handler settled it, a pick list's as one of its
// choices.
void expectRows(QStringList &out, const char *what, std::vector<AttributeRow> shown,
                const std::vector<AttributeRow> &want)
{
    expectEqual(out, what, int(shown.size()), int(want.size()));
    for (std::size_t i = 0; i < shown.size() && i < want.size(); ++i) {
        AttributeRow &row = shown[i];
        const std::vector<std::string> &picks = want[i].pickList;
        const bool held = want[i].readOnly
                              ? std::find(picks.begin(), picks.end(), row.value) != picks.end()
                              : settledValue(QString::fromStdString(row.value),
                                             QString::fromStdString(want[i].value),
                                             want[i].mask.find(',') != std::string::npos);
        if (held)
            row.value = want[i].value;
        // A list does not know which editor a row opens.
        row.opens = want[i].opens;
        expectEqual(out, what, row, want[i]);
    }
}

// Whether a field with this input mask can show text at all; a value written into the list as
// a whole may hold characters or digits the mask has no room for.
bool fitsMask(const QString &qtMask, const QString &text)
{
    static QLineEdit probe;
    probe.setInputMask(qtMask);
    probe.setText(text);
    return probe.text() == text;
}

// Every open in-place editor of a list shows the value the list holds, as far as its mask can
// show it; a masked field shows no blanks, so those are left out of the comparison.
void checkOpenEditors(QStringList &out, const ValueListEditor *list)
{
    for (int item = 0; item < list->itemCount(); ++item) {
        const QWidget *child = editorOf(list, item);
        QString value = list->value(item);
        QString shown;
        if (const auto *edit = qobject_cast<const QLineEdit *>(child)) {
            shown = edit->text();
            if (!edit->inputMask().isEmpty()) {
                value.remove(QLatin1Char(' '));
                if (!fitsMask(edit->inputMask(), value))
                    continue;
            }
        } else if (const auto *combo = qobject_cast<const QComboBox *>(child))
            shown = combo->currentIndex() >= 0 ? combo->currentText() : combo->placeholderText();
        else
            continue;
        if (shown != value)
            out << QStringLiteral("%1: Editor von Wert %2 zeigt \"%3\", die Liste hält \"%4\"")
                       .arg(list->objectName())
                       .arg(item)
                       .arg(shown, list->value(item));
    }
}

} // namespace

CoherenceCheck::CoherenceCheck(const Editor &editor, const ExpectedState &expected)
    : m_editor(editor)
    , m_expected(expected)
{
    m_background = QImage(expected.sheetRect.size(), QImage::Format_RGB32);
    m_background.fill(Silver);
    m_attributeInspect = editor.main->findChild<QAction *>(QStringLiteral("AttributeInspect"));
    for (int c = 1; c <= 23; ++c)
        m_buttons[std::size_t(c - 1)] = editor.main->paletteButton(paletteButtonAt(c));
    m_markInk = editor.main->pictures().blackImg().pixel(0, 0);
}

QStringList CoherenceCheck::problems() const
{
    QStringList out;
    checkPalette(out);
    checkSheet(out);
    checkModel(out);
    checkElementList(out);
    checkInspectorLists(out);
    checkCells(out);
    checkWindows(out);
    return out;
}

QStringList CoherenceCheck::screenProblems() const
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return sheetOnScreenProblems(false);
    // A real display repaints what a moved or closed window uncovered after the server's
    // exposure events, which come late on a loaded machine: the sheet has a while to catch up.
    QStringList problems;
    (void)QTest::qWaitFor(
        [&] {
            problems = sheetOnScreenProblems(true);
            return problems.isEmpty();
        },
        2000);
    return problems;
}

QStringList CoherenceCheck::sheetOnScreenProblems(bool realDisplay) const
{
    const QWidget *view = m_editor.main->sheetView();
    const QWidget *window = view->window();
    const QPoint origin = view->mapTo(window, QPoint(0, 0));
    // The offscreen screen hands out the window's backing store as it was last painted.
    QImage shown =
        window->screen()
            ->grabWindow(window->winId(), origin.x(), origin.y(), view->width(), view->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    const QImage &fore = m_editor.main->sheet().foreground();
    if (realDisplay && shown.size() == fore.size()) {
        // On a real display other windows may stand over the sheet; what they cover is theirs.
        QPainter painter(&shown);
        const QRect sheet(view->mapToGlobal(QPoint(0, 0)), view->size());
        for (const QWidget *other : QApplication::topLevelWidgets()) {
            if (other == window || !other->isVisible())
                continue;
            // The window manager's border may lie a pixel or two beyond the frame Qt knows, and
            // Qt's frame of a window shown again can be the one from before: the frame the
            // window system reports counts too.
            const QRect covered = other->frameGeometry()
                                      .united(FrameFollower::outerGeometry(other))
                                      .adjusted(-2, -2, 2, 2)
                                      .intersected(sheet)
                                      .translated(-sheet.topLeft());
            if (!covered.isEmpty())
                painter.drawImage(covered.topLeft(), fore.copy(covered));
        }
    }
    if (shown.size() != fore.size())
        return {QStringLiteral("Blatt auf dem Bildschirm hat die Größe %1x%2")
                    .arg(shown.width())
                    .arg(shown.height())};
    if (const auto at = firstDifferenceOutside(shown, fore, QRect())) {
        // Which windows stood where, to tell a stale sheet from a window not accounted for.
        QStringList windows;
        for (const QWidget *other : QApplication::topLevelWidgets()) {
            if (other->isVisible()) {
                const QRect outer = FrameFollower::outerGeometry(other);
                windows << QStringLiteral("%1 %2,%3 %4x%5")
                               .arg(other->objectName())
                               .arg(outer.x())
                               .arg(outer.y())
                               .arg(outer.width())
                               .arg(outer.height());
            }
        }
        return {QStringLiteral("Blatt auf dem Bildschirm zeigt bei (%1,%2) altes Bild; Blatt bei "
                               "%3,%4; Fenster: %5")
                    .arg(at->x())
                    .arg(at->y())
                    .arg(view->mapToGlobal(QPoint(0, 0)).x())
                    .arg(view->mapToGlobal(QPoint(0, 0)).y())
                    .arg(windows.join(QStringLiteral(", ")))};
    }
    return {};
}

void CoherenceCheck::checkPalette(QStringList &out) const
{
    const PaletteState &palette = m_editor.main->palette();
    int pressedCount = 0;
    for (int c = 1; c <= 23; ++c) {
        const QToolButton *button = m_buttons[std::size_t(c - 1)];
        const PaletteButton b = paletteButtonAt(c);
        pressedCount += button->isChecked() ? 1 : 0;
        const QString name = QString::fromUtf8(paletteButtonName(c));
        // The button, the palette's state and the expectation agree.
        const auto expectButton = [&](const char *what, bool shown, bool state, bool want) {
            if (shown != want || state != shown)
                out << QStringLiteral("Palettenknopf %1: %2 %3, Palette %4, erwartet %5")
                           .arg(name, QString::fromUtf8(what), text(shown), text(state),
                                text(want));
        };
        expectButton("gedrückt", button->isChecked(), palette.isPressed(b),
                     m_expected.pressed == c);
        expectButton("aktiv", button->isEnabled(), palette.isEnabled(b),
                     m_expected.buttonEnabled(c));
    }
    expectEqual(out, "gedrückte Palettenknöpfe", pressedCount, 1);

    const QString status = m_editor.main->statusText(0);
    expectEqual(out, "Statusfeld 0", status, m_expected.statusText());
    expectEqual(out, "Statusfeld 0 gegen Palettenzustand", status,
                QString::fromStdString(palette.statusText()));
    expectEqual(out, "gewählte Werkzeugklasse", palette.chosenToolClass(),
                m_expected.chosenToolClass);
    expectEqual(out, "Leiterart", palette.conductorKind(), m_expected.conductorKind);
    expectEqual(out, "Umrissbreite", int(palette.outlineWidth()), m_expected.outlineWidth);
    expectEqual(out, "Umrisshöhe", int(palette.outlineHeight()), m_expected.outlineHeight);
    const Category &category = palette.chosenCategory();
    expectEqual(out, "Kategorie Breite", int(category.width), m_expected.categoryWidth);
    expectEqual(out, "Kategorie Höhe", int(category.height), m_expected.categoryHeight);
    expectEqual(out, "Kategorie Orientierung", int(category.orientation),
                m_expected.categoryOrientation);

    const Pictures &pictures = m_editor.main->pictures();
    for (int kind = 0; kind < 3; ++kind) {
        const ClickableImage *selector = m_editor.main->selectorImage(kind);
        const bool chosen = kind == m_expected.conductorKind;
        const QString hint = chosen ? QStringList{QStringLiteral("Leiterart: Zahlenwerte"),
                                                  QStringLiteral("Leiterart: Verteilungen"),
                                                  QStringLiteral("Leiterart: Entscheidungen")}
                                          .at(kind)
                                    : QStringLiteral("Leiterart auswählen");
        expectEqual(out, "Leiterart-Hinweis", selector->toolTip(), hint);
        const QImage &source = pictures.selectorSource(kind, chosen);
        const QImage &shown = selector->image();
        bool same = shown.size() == QSize(26, 10);
        for (int y = 0; same && y < 10; ++y)
            for (int x = 0; same && x < 26; ++x)
                same = shown.pixel(x, y) == (x < 25 ? source.pixel(x, y) : Silver.rgb());
        if (!same)
            out << QStringLiteral("Leiterart-Bild %1 zeigt nicht %2").arg(kind).arg(chosen);
    }
}

void CoherenceCheck::checkSheet(QStringList &out) const
{
    const SheetLayers &sheet = m_editor.main->sheet();
    const QImage &fore = sheet.foreground();
    const QImage &back = sheet.background();
    if (std::memcmp(back.constBits(), m_background.constBits(), std::size_t(back.sizeInBytes())))
        out << QStringLiteral("Hintergrund weicht von den gesetzten Kacheln ab");

    expectEqual(out, "Überlagerung", int(sheet.overlay()), int(m_expected.overlay));

    QRect expectedRect;
    if (m_expected.overlay == Overlay::Outline) {
        expectedRect = m_expected.outline & m_expected.sheetRect;
    } else if (m_expected.overlay == Overlay::Marks) {
        for (const QRect &mark : m_expected.marks)
            expectedRect |= mark;
        expectedRect &= m_expected.sheetRect;
    }
    expectEqual(out, "Überlagerungsrechteck", sheet.overlayRect(), expectedRect);

    if (const auto at = firstDifferenceOutside(fore, back, sheet.overlayRect()))
        out << QStringLiteral("Vordergrund weicht außerhalb der Überlagerung ab bei (%1,%2)")
                   .arg(at->x())
                   .arg(at->y());

    // Inside the overlay: the frame or the four squares in black, the background elsewhere.
    const QRect inside = expectedRect & sheet.overlayRect();
    const QRect frame = m_expected.outline;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            bool ink = false;
            if (m_expected.overlay == Overlay::Outline) {
                ink = x == frame.left() || x == frame.right() || y == frame.top() ||
                      y == frame.bottom();
            } else {
                for (const QRect &mark : m_expected.marks)
                    ink = ink || mark.contains(x, y);
            }
            const QRgb want =
                ink ? (m_expected.overlay == Overlay::Outline ? qRgb(0, 0, 0) : m_markInk)
                    : back.pixel(x, y);
            if (fore.pixel(x, y) != want) {
                out << QStringLiteral("Überlagerung falsch bei (%1,%2)").arg(x).arg(y);
                return;
            }
        }
    }
}

void CoherenceCheck::checkModel(QStringList &out) const
{
    const ElementModel &model = m_editor.model();
    const int placed = int(m_expected.placed.size());
    expectEqual(out, "vergebene Elementnummern", int(model.elements.allocationCursor()), placed);
    for (const PlacedElement &e : m_expected.placed) {
        const Element &record = model.elements.at(e.number);
        Category head = record.head;
        head.lastKind = 0;
        const QRect rect = ExpectedState::pixelRect(e);
        const bool samePixels = record.pixelLeft == rect.left() && record.pixelTop == rect.top() &&
                                record.pixelRight == rect.right() &&
                                record.pixelBottom == rect.bottom();
        if (record.number != e.number || head != ExpectedState::recordHead(e) || !samePixels)
            out << QStringLiteral("Datensatz %1 (%2 bei %3,%4 %5x%6) stimmt nicht")
                       .arg(e.number)
                       .arg(e.name)
                       .arg(e.x)
                       .arg(e.y)
                       .arg(e.width)
                       .arg(e.height);
    }
    if (placed + 1 <= LastElementNumber && model.elements.at(placed + 1).number != 0)
        out << QStringLiteral("freier Datensatz %1 ist belegt").arg(placed + 1);

    for (int column = 1; column <= MaxColumns; ++column) {
        for (int row = 1; row <= MaxRows; ++row) {
            const int want = m_expected.occupancy[std::size_t((row - 1) * 43 + column - 1)];
            const int have = model.occupancy.at(column, row);
            if (have != want) {
                out << QStringLiteral("Belegung Spalte %1 Zeile %2: %3, erwartet %4")
                           .arg(column)
                           .arg(row)
                           .arg(have)
                           .arg(want);
                return;
            }
        }
    }
}

void CoherenceCheck::checkElementList(QStringList &out) const
{
    QStringList want{QStringLiteral("0000 Zeichenfläche")};
    for (const PlacedElement &e : m_expected.placed)
        want << QStringLiteral("%1  %2").arg(e.number, 4, 10, QLatin1Char('0')).arg(e.name);
    expectEqual(out, "Elementliste", entries(*m_editor.inspector), want);
    expectEqual(out, "gewählter Eintrag", m_editor.inspector->ComboBox->currentIndex(),
                m_expected.selectedEntry);
}

void CoherenceCheck::checkInspectorLists(QStringList &out) const
{
    const TInspectForm &inspector = *m_editor.inspector;
    const std::vector<AttributeRow> element = m_expected.elementRowsOf(m_expected.shownElement);
    expectEqual(out, "ElementShownValues", inspector.elementShownValues(), values(element));
    expectRows(out, "Merkmale des Elements", shownRows(inspector.ElementValueList), element);
    checkOpenEditors(out, inspector.ElementValueList);
    checkOpenEditors(out, inspector.CommonValueList);

    const bool filled = m_expected.common != CommonDisplay::None;
    expectEqual(out, "Zell-übergreifende Liste aktiv", inspector.CommonValueList->isEnabled(),
                filled);
    expectEqual(out, "Zell-übergreifende Überschrift aktiv", inspector.CommonLabel->isEnabled(),
                filled);
    expectEqual(out, "CommonShownValues", inspector.commonShownValues(),
                values(m_expected.commonRows));
    expectRows(out, "Zell-übergreifende Merkmale", shownRows(inspector.CommonValueList),
               filled ? m_expected.commonRows : std::vector<AttributeRow>());
}

void CoherenceCheck::checkCells(QStringList &out) const
{
    const TInspectForm &inspector = *m_editor.inspector;
    expectEqual(out, "Zellen-Reiter", tabs(inspector),
                m_expected.tabTexts(m_expected.shownElement));
    expectEqual(out, "gewählter Reiter", inspector.CellTabBar->currentIndex(),
                m_expected.currentTab);
    expectEqual(out, "Zellenliste verborgen", inspector.CellValueList->isHidden(),
                m_expected.shownElement == 0);
    // The shown cell's properties with their catalogue values, none of them writable.
    std::vector<AttributeRow> wantRows;
    if (const PlacedElement *e = m_expected.element(m_expected.shownElement);
        e && m_expected.currentTab >= 0) {
        const int kind =
            ExpectedState::tileKinds(e->firstKind, e->width, e->height).at(m_expected.currentTab);
        wantRows = cellRows(m_editor.model().kinds.kind(kind));
    }
    expectRows(out, "Zellenmerkmale", shownRows(inspector.CellValueList), wantRows);
    if (m_expected.cellImageKind != 0) {
        const QImage &shown = inspector.cellImage();
        const QImage want =
            m_editor.main->kindTile(m_expected.cellImageKind).convertToFormat(shown.format());
        if (shown != want)
            out << QStringLiteral("CellImg zeigt nicht die Kachel der Art %1")
                       .arg(m_expected.cellImageKind);
    }
}

void CoherenceCheck::checkWindows(QStringList &out) const
{
    const bool visible = m_editor.inspector->isVisible();
    expectEqual(out, "Inspektor sichtbar", visible, m_expected.inspectorVisible);
    expectEqual(out, "Haken bei Merkmal-Einsteller", m_attributeInspect->isChecked(), visible);
    expectEqual(out, "Info-Fenster sichtbar", m_editor.about->isVisible(), m_expected.aboutVisible);
    expectEqual(out, "Orientierungsmenü offen", m_editor.main->orientPopupMenu()->isVisible(),
                m_expected.menuOpen);
    expectEqual(out, "Zeileneditor offen", m_editor.lines->isVisible(), false);
    expectEqual(out, "Datentabelle offen", m_editor.data->isVisible(), false);
    if (visible) {
        // The inspector's columns follow its width at every resize.
        const TInspectForm &inspector = *m_editor.inspector;
        // The outer width in the frame the window manager reports now; Qt's cached frame can
        // be stale after the window was shown again.
        const auto outerWidth = [&] {
            const FrameExtents frame = FrameFollower::frameOf(&inspector);
            return inspector.width() + frame.left + frame.right;
        };
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
            // On a desktop the frame arrives before the resize it causes; a slow build may look
            // between the two.
            (void)QTest::qWaitFor([&] { return inspector.ComboBox->width() == outerWidth() - 8; },
                                  1000);
        }
        const int panel = inspector.ComponTopPanel->width();
        expectEqual(out, "Breite der Elementliste", inspector.ComboBox->width(), outerWidth() - 8);
        expectEqual(out, "Schlüsselspalte", inspector.ElementValueList->columnWidth(0),
                    panel * 5 / 10);
        expectEqual(out, "Schlüsselspalte (zell-übergreifend)",
                    inspector.CommonValueList->columnWidth(0), panel * 5 / 10);
        expectEqual(out, "CellImg links", inspector.CellImg->x(), panel / 2 - 12);
    }
    expectEqual(out, "CurrentTextLines", CurrentTextLines, m_expected.textLines);
    if (CurrentHistoryTable != m_expected.historyTable)
        out << QStringLiteral("CurrentHistoryTable stimmt nicht");
}

} // namespace talvex::test
