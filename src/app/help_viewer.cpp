#include "app/help_viewer.h"

#include "app/help_launcher.h"
#include "windows/platform.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

QPointer<HelpViewer> theViewer;

bool isOurPage(const QUrl &url)
{
    return url.scheme() == u"qrc" && QFileInfo::exists(u':' + url.path());
}

} // namespace

HelpViewer::HelpViewer(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(u"HelpViewer"_s);
    setWindowTitle(u"Pomoc"_s);
    // Help left open must not keep the program running once the main window
    // has closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(u"HelpToolBar"_s);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->setMovable(false);
    m_back = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), u"Wstecz"_s);
    m_back->setObjectName(u"HelpBack"_s);
    m_back->setShortcut(QKeySequence::Back);
    m_forward = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), u"Dalej"_s);
    m_forward->setObjectName(u"HelpForward"_s);
    m_forward->setShortcut(QKeySequence::Forward);
    m_home = toolBar->addAction(QIcon::fromTheme(u"go-home"_s, style()->standardIcon(QStyle::SP_DirHomeIcon)),
                                u"Strona startowa"_s);
    m_home->setObjectName(u"HelpHome"_s);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(u"HelpBrowser"_s);
    // Links are followed here, so that addresses outside our help go to the
    // platform's browser instead of being loaded as pages.
    m_browser->setOpenLinks(false);
    m_browser->document()->setDocumentMargin(12);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(m_browser);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_home, &QAction::triggered, this, &HelpViewer::goToStartPage);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpViewer::openLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::updateTitle);

    resize(760, 620);
}

HelpViewer *HelpViewer::instance()
{
    return theViewer;
}

HelpViewer *HelpViewer::showPage(const QUrl &url)
{
    // A modal window (the wizard) blocks input to every window outside it, so
    // the viewer becomes that window's child while it is open.
    QWidget *host = QApplication::activeModalWidget();
    if (!theViewer) {
        theViewer = new HelpViewer(host);
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            theViewer->move(screen->availableGeometry().center() - theViewer->rect().center());
    } else if (theViewer->parentWidget() != host) {
        const QRect geometry = theViewer->geometry();
        theViewer->setParent(host, Qt::Window); // hides the window
        theViewer->setGeometry(geometry);
    }

    // Asking again for the page already shown brings its anchor (or its top)
    // back into view even after the user scrolled away.
    QTextBrowser *browser = theViewer->m_browser;
    if (browser->source() != url)
        browser->setSource(url);
    else if (!url.fragment().isEmpty())
        browser->scrollToAnchor(url.fragment());
    else
        browser->verticalScrollBar()->setValue(0);

    theViewer->show();
    if (theViewer->isMinimized())
        theViewer->showNormal();
    theViewer->raise();
    theViewer->activateWindow();
    return theViewer;
}

QUrl HelpViewer::source() const
{
    return m_browser->source();
}

QUrl HelpViewer::startPageOf(const QUrl &page)
{
    QUrl start = page.adjusted(QUrl::RemoveFilename | QUrl::RemoveFragment | QUrl::RemoveQuery);
    start.setPath(start.path() + HelpStartPage.toString());
    return start;
}

void HelpViewer::goToStartPage()
{
    const QUrl start = startPageOf(source());
    if (isOurPage(start))
        m_browser->setSource(start);
}

void HelpViewer::openLink(const QUrl &link)
{
    const QUrl target = source().resolved(link);
    if (target.scheme() == u"qrc") {
        const QUrl page = target.adjusted(QUrl::RemoveFragment);
        if (isOurPage(page))
            m_browser->setSource(target);
        return;
    }
    platform().openUrl(target);
}

void HelpViewer::updateTitle()
{
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? u"Pomoc"_s : u"Pomoc - "_s + title);
}
