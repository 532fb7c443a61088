#include "ui/platform/HelpWindow.h"

#include "ui/platform/Help.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace rondaxa {

HelpBrowser::HelpBrowser(QWidget *parent) : QTextBrowser(parent) {
    setOpenLinks(false); // links are followed by the window (external ones by the desktop)
    document()->setDocumentMargin(10);
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name) {
    if (type == QTextDocument::HtmlResource && name == HelpContentsUrl())
        return HelpContentsHtml();
    return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Rondaxa - Help"));
    resize(640, 560);

    auto *contents = new QPushButton(QStringLiteral("&Inhoud"), this);
    back_ = new QPushButton(QStringLiteral("&Vorige"), this);
    forward_ = new QPushButton(QStringLiteral("V&olgende"), this);
    auto *close = new QPushButton(QStringLiteral("&Sluiten"), this);
    browser_ = new HelpBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    for (QPushButton *button : {contents, back_, forward_, close})
        button->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { ShowPage(HelpContentsUrl()); });
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::OpenLink);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(QStringLiteral("Rondaxa - Help - ") + CurrentTitle()); });
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

void HelpWindow::ShowPage(const QUrl &page) {
    if (browser_->source() != page)
        browser_->setSource(page);
}

QUrl HelpWindow::CurrentPage() const {
    return browser_->source();
}

QString HelpWindow::CurrentTitle() const {
    return browser_->documentTitle();
}

void HelpWindow::OpenLink(const QUrl &link) {
    if (link.scheme() == QLatin1String("qrc") || link.isRelative())
        browser_->setSource(browser_->source().resolved(link));
    else
        QDesktopServices::openUrl(link);
}

} // namespace rondaxa
