#pragma once

#include "platform/sound/media_control.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QObject;
class QThread;

namespace coinwell::platform {

// Plays wave files from the program's data folder through Qt Multimedia.
//
// Every command is handed to a sound thread the control keeps for itself and
// the call returns at once: connecting to the sound server, reading the file
// and starting it all happen on that thread, so a slow or hung sound server
// never holds up the windows. Whatever cannot be played (no such file, not a
// wave file, a name reaching outside the data folder, no sound device) is
// dropped without a word.
class QtMediaControl final : public MediaControl {
public:
    // Bare file names are looked up in dataFolder; left empty, that is the
    // program's own data folder beside its bin/ folder (share/coinwell).
    // Needs the QApplication to exist already.
    explicit QtMediaControl(QString dataFolder = QString());
    ~QtMediaControl() override;

    QtMediaControl(const QtMediaControl&) = delete;
    QtMediaControl& operator=(const QtMediaControl&) = delete;

    void SetFileName(const std::string& fileName) override;
    void SetCommand(const std::string& command) override;

    const QString& DataFolder() const { return dataFolder_; }

    // What the sound thread holds after carrying out every command given so
    // far. The main window never asks; this is for diagnostics and tests.
    struct State {
        QString openFile;       // full path of the open wave file, empty if none
        int soundsStarted = 0;  // "Sound" commands carried out on an open file
    };
    // Empty if the sound thread did not get that far within timeoutMs.
    std::optional<State> WaitForState(int timeoutMs) const;

private:
    class Player;
    struct SoundSide;

    void Post(std::function<void(Player&)> work) const;
    QString ResolveFileName() const;

    QString dataFolder_;
    QString fileName_;
    std::shared_ptr<SoundSide> side_;  // also held by each wake-up sent to thread_
    QThread* thread_ = nullptr;
    QObject* inbox_ = nullptr;  // lives on thread_: wakes it when work is handed over
};

}  // namespace coinwell::platform
