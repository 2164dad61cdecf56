#include "mainwindow/aboutform.h"

#include "model/geometry.h"
#include "pictures/ink.h"
#include "pictures/pictures.h"
#include "widgets/accessibility.h"
#include "widgets/framefollower.h"
#include "widgets/handlerguard.h"
#include "widgets/readonlyinput.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace talvex {

namespace {

const QString WebAddress = QStringLiteral("talvex.example.org");
const QString Indent = QStringLiteral("     ");

QFont memoFont()
{
    QFont font(QStringLiteral("Verdana"), 8);
    font.setBold(true);
    return font;
}

} // namespace

TAboutTalvexForm::TAboutTalvexForm(const Pictures &pictures, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setAccessibleRole(this, QAccessible::Dialog);
    setObjectName(QStringLiteral("AboutTalvexForm"));
    setWindowTitle(QStringLiteral("Über Talvex™..."));
    setFixedSize(250, 322);
    setAutoFillBackground(true);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, QColor(ink::Navy));
    setPalette(ground);

    AboutMemo = new QPlainTextEdit(this);
    AboutMemo->setObjectName(QStringLiteral("AboutMemo"));
    AboutMemo->setAccessibleName(QStringLiteral("Version"));
    AboutMemo->setGeometry(47, 0, 152, 33);
    AboutMemo->setFont(memoFont());
    AboutMemo->setFrameShape(QFrame::NoFrame);
    AboutMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    AboutMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    AboutMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    AboutMemo->document()->setDocumentMargin(1);
    QPalette blackOnWhite = AboutMemo->palette();
    blackOnWhite.setColor(QPalette::Base, Qt::white);
    blackOnWhite.setColor(QPalette::Text, Qt::black);
    AboutMemo->setPalette(blackOnWhite);
    // Read-only but reachable by Tab, which moves on instead of typing a tab character.
    AboutMemo->setReadOnly(true);
    AboutMemo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    AboutMemo->setTabChangesFocus(true);
    AboutMemo->setFocusPolicy(Qt::StrongFocus);
    AboutMemo->setAcceptDrops(false);
    guardReadOnlyInput(AboutMemo);
    AboutMemo->setPlainText(Indent + QStringLiteral("Talvex " TALVEX_VERSION "\n") +
                            QStringLiteral("© 2026 Talvex-Team\n\n") + Indent + WebAddress);

    WebMemo = new QLineEdit(this);
    WebMemo->setObjectName(QStringLiteral("WebMemo"));
    WebMemo->setAccessibleName(QStringLiteral("Webadresse"));
    WebMemo->setGeometry(47, 33, 152, 21);
    WebMemo->setFont(memoFont());
    WebMemo->setFrame(false);
    QPalette limeOnNavy = WebMemo->palette();
    limeOnNavy.setColor(QPalette::Base, QColor(ink::Navy));
    limeOnNavy.setColor(QPalette::Text, QColor(ink::Lime));
    WebMemo->setPalette(limeOnNavy);
    WebMemo->setReadOnly(true);
    WebMemo->setAcceptDrops(false);
    guardReadOnlyInput(WebMemo);
    WebMemo->setText(Indent + WebAddress);
    WebMemo->setCursorPosition(0);

    VorqLogo = new QLabel(this);
    VorqLogo->setObjectName(QStringLiteral("VorqLogo"));
    VorqLogo->setAccessibleName(QStringLiteral("Talvex"));
    VorqLogo->setGeometry(0, 55, 250, 249);
    VorqLogo->setPixmap(QPixmap::fromImage(pictures.logo(true)));

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(114, 305, 24, 17);
    QPalette blue = OKButton->palette();
    blue.setColor(QPalette::ButtonText, Qt::blue);
    OKButton->setPalette(blue);
    // Return presses the focused OK button as Space does.
    OKButton->setAutoDefault(true);
    connect(OKButton, &QPushButton::clicked, this, guardedSlot(this, [this] { OKButtonClick(); }));

    setTabOrder(AboutMemo, OKButton);
    setTabOrder(OKButton, WebMemo);

    new FrameFollower(this, AboutBoxTitleBar,
                      [this](const FrameExtents &frame) { centreOnScreen(frame); });
    centreOnScreen({});
}

void TAboutTalvexForm::centreOnScreen(const FrameExtents &frame)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize area = screen->geometry().size();
        const QPoint outer(centredOuterStart(area.width(), width() + frame.left + frame.right),
                           centredOuterStart(area.height(), height() + frame.top + frame.bottom));
        FrameFollower::moveOuter(this, outer, frame);
    }
}

void TAboutTalvexForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        OKButtonClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TAboutTalvexForm::OKButtonClick()
{
    hide();
}

} // namespace talvex
