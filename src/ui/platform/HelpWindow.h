// The help window: one page at a time with the contents and back/forward.
#pragma once

#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

class QPushButton;

namespace rondaxa {

// Serves the help pages from the program's resources; the contents page is
// made from the list of help topics, so that it names every page.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget *parent = nullptr);
    QVariant loadResource(int type, const QUrl &name) override;
};

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    void ShowPage(const QUrl &page);
    QUrl CurrentPage() const;
    QString CurrentTitle() const;

private:
    void OpenLink(const QUrl &link);

    HelpBrowser *browser_;
    QPushButton *back_;
    QPushButton *forward_;
};

// The contents page as HTML.
QString HelpContentsHtml();

} // namespace rondaxa
