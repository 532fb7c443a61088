#include "ui/app/Informatie.h"

#include "core/model/dates.h"
#include "ui/platform/Application.h"
#include "ui/platform/Help.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace rondaxa {
namespace {

// The program's logo: a chequered flag. Clicking it opens the help.
class Logo : public QWidget {
public:
    explicit Logo(QWidget *parent) : QWidget(parent) {
        setFixedSize(72, 72);
        setCursor(Qt::PointingHandCursor);
        setToolTip(QStringLiteral("Help"));
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(60, 60, 60), 3));
        painter.drawLine(14, 8, 14, 66); // the pole
        const int cell = 9, left = 16, top = 10;
        painter.setPen(Qt::NoPen);
        for (int row = 0; row < 4; ++row) {
            for (int col = 0; col < 5; ++col) {
                painter.setBrush((row + col) % 2 ? Qt::white : Qt::black);
                painter.drawRect(left + col * cell, top + row * cell, cell, cell);
            }
        }
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(left, top, 5 * cell, 4 * cell);
    }
    void mouseReleaseEvent(QMouseEvent *event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            ShowHelp(kHelpNoCompetition);
    }
};

QLabel *LinkLabel(const QString &href, const QString &text, QWidget *parent) {
    auto *label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(href, text.toHtmlEscaped()), parent);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return label;
}

} // namespace

int RiderRowCount(const TKlasse &klasse) {
    const int rows = klasse.Grid.RowCount() - klasse.Grid.FixedRows;
    if (rows <= 0)
        return 0;
    const TRijder *last = klasse.Rider(klasse.Grid.RowCount() - 1);
    return (last == nullptr || IsEmptyRider(*last)) ? rows - 1 : rows;
}

CompetitionFacts FactsOf(const Competition &competition) {
    CompetitionFacts facts;
    facts.FileName = QString::fromStdString(competition.FileName);
    facts.Created = QString::fromStdString(FormatStamp(competition.Club.DateCreated, 0, true));
    facts.Saved = QString::fromStdString(FormatStamp(competition.Club.DateSaved, 0, true));
    facts.Classes = competition.ClassCount();
    for (const auto &klasse : competition.Classes)
        facts.Riders += RiderRowCount(*klasse);
    return facts;
}

TInformatie::TInformatie(const CompetitionFacts &facts, QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TInformatie"));
    setWindowTitle(QStringLiteral("Informatie"));
    SetHelpContext(this, kHelpNoCompetition);

    auto *title = new QLabel(QStringLiteral("Rondaxa voor Windows"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto *version = new QLabel(QStringLiteral("Versie ") + QString::fromLatin1(kProgramVersion), this);
    auto *credit = new QLabel(QStringLiteral("Kampioenschapsadministratie voor motorcrossclubs"), this);

    auto *heading = new QVBoxLayout;
    heading->addWidget(title);
    heading->addWidget(version);
    heading->addWidget(credit);
    auto *top = new QHBoxLayout;
    top->addWidget(new Logo(this), 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(heading, 1);

    auto *figures = new QGridLayout;
    const std::pair<const char *, QString> lines[] = {
        {"Bestand : ", facts.FileName},
        {"Aangemaakt op : ", facts.Created},
        {"Laatste bewerkt : ", facts.Saved},
        {"Aantal klassen : ", QString::number(facts.Classes)},
        {"Aantal rijders : ", QString::number(facts.Riders)},
    };
    int row = 0;
    for (const auto &[caption, value] : lines) {
        figures->addWidget(new QLabel(QString::fromUtf8(caption), this), row, 0);
        auto *valueLabel = new QLabel(value, this);
        valueLabel->setObjectName(QStringLiteral("Fact%1").arg(row));
        valueLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figures->addWidget(valueLabel, row, 1);
        ++row;
    }
    figures->setColumnStretch(1, 1);

    const QString mail = QString::fromLatin1(kMakerMail);
    const QString web = QString::fromLatin1(kMakerWeb);
    auto *mailLabel = LinkLabel(QStringLiteral("mailto:") + mail, QStringLiteral("E-mail: ") + mail, this);
    auto *webLabel = LinkLabel(web, QStringLiteral("Internet: ") + web, this);
    connect(mailLabel, &QLabel::linkActivated, this, &TInformatie::OpenLink);
    connect(webLabel, &QLabel::linkActivated, this, &TInformatie::OpenLink);

    auto *ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addLayout(figures);
    layout->addSpacing(10);
    layout->addWidget(mailLabel);
    layout->addWidget(webLabel);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

void TInformatie::OpenLink(const QString &link) {
    QUrl url(link);
    if (url.scheme() == QLatin1String("mailto"))
        url.setQuery(QStringLiteral("subject=") + QString::fromLatin1(kMailSubject));
    QDesktopServices::openUrl(url);
}

void ShowInformation(const Competition &competition, QWidget *parent) {
    TInformatie dialog(FactsOf(competition), parent);
    dialog.exec();
}

} // namespace rondaxa
