// Message boxes titled "Rondaxa": the numbered messages, fixed texts and
// Yes/No(/Cancel) questions that the core asks through its prompts seam.
#pragma once

#include "core/platform/platform.h"

#include <QPointer>
#include <QWidget>

namespace rondaxa {

inline constexpr const char *kProgramTitle = "Rondaxa";

class QtPrompts : public Prompts {
public:
    // The boxes are centred on parent (or on the active window when none).
    explicit QtPrompts(QWidget *parent = nullptr);
    void SetParent(QWidget *parent);

    // Texts are model text (cp1252); UTF-8 text is recognised as well.
    void Message(std::string_view text, MessageIcon icon) override;
    Answer Ask(std::string_view text, Buttons buttons) override;
    Answer AskCaptioned(std::string_view caption, std::string_view text, Buttons buttons) override;
    void Beep() override;

private:
    QWidget *Owner() const;

    QPointer<QWidget> parent_;
};

} // namespace rondaxa
