#pragma once

namespace coinwell {

// Ending the program from inside a command. Tests count the calls instead.
class ProgramExit {
public:
    virtual ~ProgramExit() = default;

    // Every window disappears at once and, when control is back in the event
    // loop, the program ends with status 0.
    virtual void quit() = 0;
};

class QtProgramExit final : public ProgramExit {
public:
    void quit() override;
};

}  // namespace coinwell
