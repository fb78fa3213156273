#pragma once
// Plays a wave file without waiting for it. The greeting is a pleasantry: a missing
// file, a missing sound device or a busy one leaves the program silent, never stopped.

#include <QObject>
#include <filesystem>

class QAudioOutput;
class QMediaPlayer;

namespace taalspoor {

class SoundPlayer final : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Starts the file from its beginning, also when it is still playing; returns at once.
    void play(const std::filesystem::path& file);

private:
    QMediaPlayer* player_ = nullptr;  // made at the first greeting
    QAudioOutput* output_ = nullptr;
};

}  // namespace taalspoor
