// The random user at the palette: tool buttons, the selectors and the other mouse buttons.

#include "usersession.h"

#include "usersessioninput.h"

namespace talvex::test {

void UserSession::clickPalette(int toolClass)
{
    count("Palette");
    log(QStringLiteral("Palette %1").arg(QString::fromUtf8(paletteButtonName(toolClass))));
    m_expected.clickButton(toolClass);
    QTest::mouseClick(m_editor.main->paletteButton(paletteButtonAt(toolClass)), Qt::LeftButton);
}

void UserSession::clickSelector()
{
    const int kind = uniform(0, 2);
    count("Leiterart");
    log(QStringLiteral("Leiterart %1").arg(kind));
    m_expected.chooseConductorKind(kind);
    QTest::mouseClick(m_editor.main->selectorImage(kind), Qt::LeftButton);
}

void UserSession::clickPaletteOtherButton()
{
    const int toolClass = uniform(1, 23);
    const Qt::MouseButton button = chance(50) ? Qt::RightButton : Qt::MiddleButton;
    count("Palette andere Taste");
    log(QStringLiteral("Palette %1 mit Taste %2")
            .arg(QString::fromUtf8(paletteButtonName(toolClass)), buttonName(button)));
    sendClick(m_editor.main->paletteButton(paletteButtonAt(toolClass)), button, Qt::NoModifier,
              QPoint(15, 15));
}

} // namespace talvex::test
