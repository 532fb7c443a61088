// What the core needs from the platform: small interfaces, implemented by the
// desktop program (src/ui/platform) and by plain fakes in tests.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace rondaxa {

// An input/output failure: the one error type of the file layer
// (core/platform/files.h). Its text names what failed, the file and the
// system's reason; Reason() is that reason as a code (empty where none is
// known). The command boundary turns it into the program's message or exit
// code, and the open competition stays consistent.
class IoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    IoError(const std::string &what, std::error_code reason) : std::runtime_error(what), reason_(reason) {}
    std::error_code Reason() const { return reason_; }

private:
    std::error_code reason_;
};

enum class MessageIcon { Exclamation, Information, Question, Error };
enum class Answer { Yes, No, Cancel, Ok };
enum class Buttons { Ok, YesNo, YesNoCancel };

// Message boxes titled "Rondaxa", questions and the warning beep.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void Message(std::string_view text, MessageIcon icon) = 0;
    virtual Answer Ask(std::string_view text, Buttons buttons) = 0;
    // A question whose box carries its own caption instead of "Rondaxa".
    virtual Answer AskCaptioned(std::string_view caption, std::string_view text, Buttons buttons) {
        (void)caption;
        return Ask(text, buttons);
    }
    virtual void Beep() {}
};

struct CalendarDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
};

// "Now" as a DOS date-time stamp and today's date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual int32_t NowStamp() const = 0;
    virtual CalendarDate Today() const = 0;
};

// The user's locale, as far as the core uses it.
class Locale {
public:
    virtual ~Locale() = default;
    virtual char DecimalSeparator() const = 0;
};

// The clock and locale in use. The program installs its own at start-up
// (the objects must outlive their use); tests install fixed ones. Without an
// installed object the system clock and '.' are used.
const Clock &CurrentClock();
void InstallClock(const Clock *clock);
const Locale &CurrentLocale();
void InstallLocale(const Locale *locale);

// The system clock (local time).
class SystemClock : public Clock {
public:
    int32_t NowStamp() const override;
    CalendarDate Today() const override;
};

// A locale with a fixed decimal separator.
class FixedLocale : public Locale {
public:
    explicit FixedLocale(char separator) : separator_(separator) {}
    char DecimalSeparator() const override { return separator_; }

private:
    char separator_;
};

} // namespace rondaxa
