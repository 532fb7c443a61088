#include "ui/platform/QtPrompts.h"

#include "ui/platform/ModelText.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>

namespace rondaxa {
namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Answer AnswerFor(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return Answer::Cancel; // Cancel, Escape or closing the box
    }
}

// Message texts are model text (cp1252); a text that is valid UTF-8 with
// characters beyond ASCII is taken as UTF-8, so that a literal written in the
// source shows right as well. (cp1252 text is practically never valid UTF-8.)
QString PromptText(std::string_view text) {
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    const QString asUtf8 = QString::fromUtf8(bytes);
    if (!asUtf8.contains(QChar::ReplacementCharacter) && asUtf8.toUtf8() == bytes)
        return asUtf8;
    return FromModelText(text);
}

// The texts write a space before a question mark; where a long question
// wraps, the mark stays with its last word instead of on a line of its own.
QString QuestionText(std::string_view text) {
    return PromptText(text).replace(QStringLiteral(" ?"), QStringLiteral("\u00A0?"));
}

// Room for the title: a short message ("Fout nr.: 4") makes a narrow box, and
// the title bar also holds the system's icon and window buttons.
constexpr int kTitleBarExtras = 180;

void MakeRoomForTitle(QMessageBox &box) {
    auto *layout = qobject_cast<QGridLayout *>(box.layout());
    if (!layout)
        return;
    const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarExtras;
    layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), layout->rowCount(),
                    0, 1, layout->columnCount());
}

} // namespace

QtPrompts::QtPrompts(QWidget *parent) : parent_(parent) {}

void QtPrompts::SetParent(QWidget *parent) {
    parent_ = parent;
}

QWidget *QtPrompts::Owner() const {
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (parent_)
        return parent_;
    return QApplication::activeWindow();
}

void QtPrompts::Message(std::string_view text, MessageIcon icon) {
    QMessageBox box(BoxIcon(icon), kProgramTitle, PromptText(text), QMessageBox::Ok, Owner());
    MakeRoomForTitle(box);
    box.exec();
}

Answer QtPrompts::Ask(std::string_view text, Buttons buttons) {
    return AskCaptioned(kProgramTitle, text, buttons);
}

Answer QtPrompts::AskCaptioned(std::string_view caption, std::string_view text, Buttons buttons) {
    QMessageBox box(QMessageBox::Question, PromptText(caption), QuestionText(text), BoxButtons(buttons),
                    Owner());
    // Like the classic boxes: the first button (Yes) is the default; Escape
    // means Cancel when there is one and No otherwise.
    box.setDefaultButton(buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Yes);
    MakeRoomForTitle(box);
    if (buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    return AnswerFor(box.exec());
}

void QtPrompts::Beep() {
    QApplication::beep();
}

} // namespace rondaxa
