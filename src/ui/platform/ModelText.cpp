#include "ui/platform/ModelText.h"

#include "core/model/text.h"

namespace rondaxa {

QString FromModelText(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

std::string ToModelText(const QString &text) {
    return Utf8ToCp1252(text.toStdString());
}

QString FromModelLines(std::string_view cp1252) {
    return FromModelText(cp1252).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string ToModelLines(const QString &text) {
    return ToModelText(QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

QString CaptionText(std::string_view cp1252) {
    return FromModelText(cp1252).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace rondaxa
