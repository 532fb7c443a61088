#include "ui/results/OrderListEdit.h"

#include "core/model/text.h"
#include "core/results/quick_entry.h"

#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace rondaxa {

namespace {

const QString kPlainText = QStringLiteral("text/plain");

QStringList LocalFiles(const QMimeData *source) {
    QStringList paths;
    if (source->hasUrls())
        for (const QUrl &url : source->urls())
            if (url.isLocalFile())
                paths.append(url.toLocalFile());
    return paths;
}

QString DecodedText(const QByteArray &bytes) {
    return QString::fromStdString(
        TextFileToUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

} // namespace

OrderListEdit::OrderListEdit(Prompts &prompts, QWidget *parent) : QPlainTextEdit(parent), prompts_(prompts) {}

bool OrderListEdit::canInsertFromMimeData(const QMimeData *source) const {
    return !LocalFiles(source).isEmpty() || QPlainTextEdit::canInsertFromMimeData(source);
}

void OrderListEdit::insertFromMimeData(const QMimeData *source) {
    if (const QStringList files = LocalFiles(source); !files.isEmpty())
        insertPlainText(FilesText(files));
    else if (source->hasFormat(kPlainText))
        insertPlainText(DecodedText(source->data(kPlainText)));
    else
        QPlainTextEdit::insertFromMimeData(source);
}

QString OrderListEdit::FilesText(const QStringList &paths) {
    QString text;
    for (const QString &path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            prompts_.Message(
                ("Kan bestand niet lezen: " + path + " (" + file.errorString() + ")").toStdString(),
                MessageIcon::Error);
            return {};
        }
        const QByteArray bytes = file.read(static_cast<qint64>(kMaxOrderListBytes) + 1);
        if (bytes.size() > static_cast<qsizetype>(kMaxOrderListBytes)) {
            prompts_.Message(
                ("Het bestand is te groot voor een lijst van startnummers: " + path).toStdString(),
                MessageIcon::Error);
            return {};
        }
        // The next file's first line starts a line of its own.
        if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r')))
            text += QLatin1Char('\n');
        text += DecodedText(bytes);
    }
    return text;
}

} // namespace rondaxa
