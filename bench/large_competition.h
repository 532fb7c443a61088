// The largest competition the program holds, for the benchmarks:
// 20 classes x 500 riders x 50 results, result information on every column
// and five tie-break steps.
#pragma once

#include "core/model/model.h"
#include "core/platform/platform.h"

#include <memory>

namespace rondaxa::bench {

std::unique_ptr<Competition> MakeLargeCompetition();

// Prompts that show nothing and answer every question with the given answer.
class QuietPrompts : public Prompts {
public:
    explicit QuietPrompts(Answer answer = Answer::Yes) : answer_(answer) {}
    void Message(std::string_view, MessageIcon) override {}
    Answer Ask(std::string_view, Buttons) override { return answer_; }

private:
    Answer answer_;
};

} // namespace rondaxa::bench
