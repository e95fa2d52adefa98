#pragma once

namespace coinwell::platform {

// What the forms runtime offers a running command: a pass over the waiting
// window messages, and ending the program.
class Program {
public:
    virtual ~Program() = default;

    // Handles every window message already waiting, then returns.
    virtual void DoEvents() = 0;

    // Ends the program: every window closes and, once the running handler has
    // returned, the process exits with status 0. Handlers check HasEnded
    // after anything that may have ended it and stop there.
    virtual void End() = 0;
    virtual bool HasEnded() const = 0;
};

class QtProgram final : public Program {
public:
    void DoEvents() override;
    void End() override;
    bool HasEnded() const override { return ended_; }

private:
    bool ended_ = false;
};

}  // namespace coinwell::platform
