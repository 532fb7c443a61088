#include "ui/platform/Help.h"

#include "ui/platform/HelpWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>

#include <algorithm>

// The pages live in the resource file help.qrc, compiled into the program.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace rondaxa {
namespace {

const char *const kHelpContextProperty = "rondaxaHelpContext";

QPointer<QWidget> &HelpOwner() {
    static QPointer<QWidget> owner;
    return owner;
}

QPointer<HelpWindow> &TheHelpWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

// The help window, belonging to the running modal dialog when there is one
// (a window of its own would be blocked by that dialog), else to the owner.
HelpWindow &HelpWindowForNow() {
    QWidget *parent = QApplication::activeModalWidget();
    if (!parent)
        parent = HelpOwner();
    QPointer<HelpWindow> &window = TheHelpWindow();
    if (!window) {
        window = new HelpWindow(parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
    } else if (window->parentWidget() != parent) {
        const QRect place = window->geometry();
        window->setParent(parent, Qt::Window);
        window->setGeometry(place);
    }
    return *window;
}

void Present(const QUrl &page) {
    InitHelpResources();
    HelpWindow &window = HelpWindowForNow();
    window.ShowPage(page);
    window.show();
    window.raise();
    window.activateWindow();
}

// F1 anywhere: the help of the focused window or dialog.
class HelpKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_F1 ||
            static_cast<QKeyEvent *>(event)->modifiers() != Qt::NoModifier)
            return QObject::eventFilter(watched, event);
        // The key goes to the widget with the keyboard focus.
        QWidget *focus = qobject_cast<QWidget *>(watched);
        if (!focus)
            focus = QApplication::focusWidget();
        if (!focus)
            focus = QApplication::activeWindow();
        const int context = HelpContextOf(focus);
        if (context > 0)
            ShowHelp(context);
        else
            ShowHelpContents();
        return true;
    }
};

} // namespace

const std::vector<HelpTopic> &HelpTopics() {
    static const std::vector<HelpTopic> topics = {
        {1, "Beginnen met Rondaxa", "Het hoofdvenster"},
        {10, "Werken met een competitie", "Het hoofdvenster"},
        {210, "Rijdergegevens", "Rijders"},
        {230, "Rijder verwijderen", "Rijders"},
        {232, "Verwijder rijders buitenmededinging", "Rijders"},
        {235, "Rijdergegevens kopi\u00EBren", "Rijders"},
        {240, "Snel uitslagen toevoegen", "Uitslagen"},
        {250, "Uitslag kolommen toevoegen", "Uitslagen"},
        {255, "Uitslagen wissen/verwijderen", "Uitslagen"},
        {260, "Informatie uitslagen", "Uitslagen"},
        {265, "Informatie uitslagen synchroniseren", "Uitslagen"},
        {270, "Controle uitslagen", "Uitslagen"},
        {275, "Gevonden fouten", "Uitslagen"},
        {310, "Eindstanden berekenen", "Eindstanden"},
        {315, "Stand niet kunnen bepalen", "Eindstanden"},
        {580, "Rekenmethode bij een gelijk aantal punten", "Eindstanden"},
        {320, "Dagklassement berekenen", "Dagklassement"},
        {330, "Dagklassement", "Dagklassement"},
        {340, "Dagklassement exporteren", "Dagklassement"},
        {410, "Snelzoeken", "Zoeken en sorteren"},
        {420, "Zoeken", "Zoeken en sorteren"},
        {430, "Sorteren", "Zoeken en sorteren"},
        {120, "Nieuw", "Bestanden"},
        {130, "Open DOS versie KZB bestanden", "Bestanden"},
        {140, "Klasse uit bestand toevoegen", "Bestanden"},
        {60, "Uitvoer tekst / HTML bestand", "Uitvoer en printen"},
        {70, "Uitslagen printen", "Uitvoer en printen"},
        {510, "Club gegevens", "Instellingen"},
        {520, "Club gegevens: Klasse indeling", "Instellingen"},
        {530, "Club gegevens: Rekenmethode", "Instellingen"},
        {540, "Club gegevens: Gemiddelde", "Instellingen"},
        {550, "Club gegevens: Extra", "Instellingen"},
        {720, "Weergave", "Instellingen"},
        {730, "Weergave: Algemeen", "Instellingen"},
        {740, "Weergave: Rijdergegevens", "Instellingen"},
        {570, "Algemene instellingen", "Instellingen"},
    };
    return topics;
}

bool HasHelpPage(int context) {
    const auto &topics = HelpTopics();
    return std::any_of(topics.begin(), topics.end(),
                       [context](const HelpTopic &t) { return t.Context == context; });
}

QUrl HelpContentsUrl() {
    return QUrl(QStringLiteral("qrc:/help/inhoud.html"));
}

QUrl HelpPageUrl(int context) {
    if (!HasHelpPage(context))
        return HelpContentsUrl();
    return QUrl(QStringLiteral("qrc:/help/%1.html").arg(context));
}

QString HelpContentsHtml() {
    QString html =
        QStringLiteral("<html><head><title>Inhoud</title><link rel=\"stylesheet\" type=\"text/css\" "
                       "href=\"style.css\"></head><body>"
                       "<h1>Rondaxa - Inhoud</h1>"
                       "<p>Rondaxa houdt het kampioenschap van een motorcrossclub bij: klassen met "
                       "rijders, de uitslagen van elke wedstrijd en de eindstanden. Kies hieronder "
                       "een onderwerp. In elk venster opent <b>F1</b> of de knop <b>Help</b> "
                       "direct de bijbehorende pagina.</p>");
    QString section;
    for (const HelpTopic &topic : HelpTopics()) {
        if (section != QString::fromUtf8(topic.Section)) {
            if (!section.isEmpty())
                html += QStringLiteral("</ul>");
            section = QString::fromUtf8(topic.Section);
            html += QStringLiteral("<h3>%1</h3><ul>").arg(section.toHtmlEscaped());
        }
        html += QStringLiteral("<li><a href=\"%1.html\">%2</a></li>")
                    .arg(topic.Context)
                    .arg(QString::fromUtf8(topic.Title).toHtmlEscaped());
    }
    html += QStringLiteral("</ul></body></html>");
    return html;
}

void ShowHelp(int context) {
    Present(HelpPageUrl(context));
}

void ShowHelpContents() {
    Present(HelpContentsUrl());
}

void SetHelpOwner(QWidget *owner) {
    HelpOwner() = owner;
}

void SetHelpContext(QWidget *widget, int context) {
    widget->setProperty(kHelpContextProperty, context);
}

int HelpContextOf(const QWidget *widget) {
    for (; widget; widget = widget->parentWidget()) {
        const int context = widget->property(kHelpContextProperty).toInt();
        if (context > 0)
            return context;
    }
    return 0;
}

void InstallHelpKey(QApplication &app) {
    app.installEventFilter(new HelpKeyFilter(&app));
}

void ConnectHelpButton(QAbstractButton *button, int context) {
    QObject::connect(button, &QAbstractButton::clicked, button, [context] { ShowHelp(context); });
}

} // namespace rondaxa
