#include "ui/platform/CommandKeys.h"

#include <QApplication>
#include <QKeyEvent>

namespace rondaxa {

namespace {

class CommandKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (!IsCommandKeyWithText(*key))
            return false;
        // The same key without its text; it travels to the parents itself
        // when the receiver ignores it.
        QKeyEvent bare(QEvent::KeyPress, key->key(), key->modifiers(), key->nativeScanCode(),
                       key->nativeVirtualKey(), key->nativeModifiers(), QString(), key->isAutoRepeat(),
                       key->count(), key->device());
        QCoreApplication::sendEvent(watched, &bare);
        key->accept(); // delivered: it must not go to the parents a second time
        return true;
    }
};

} // namespace

bool IsCommandKeyWithText(const QKeyEvent &event) {
#ifdef Q_OS_MACOS
    return false; // there Option types characters, and commands use Cmd
#else
    const Qt::KeyboardModifiers held = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    return !event.text().isEmpty() && (held == Qt::ControlModifier || held == Qt::AltModifier);
#endif
}

void InstallCommandKeyFilter(QApplication &app) {
    app.installEventFilter(new CommandKeyFilter(&app));
}

} // namespace rondaxa
