#include "accessories/sound_player.h"

#include <QAudioOutput>
#include <QFile>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace taalspoor {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(const std::filesystem::path& file) {
    const QFileInfo info(QFile::decodeName(file.c_str()));
    if (!info.isFile()) return;
    if (!player_) {
        player_ = new QMediaPlayer(this);
        output_ = new QAudioOutput(this);
        player_->setAudioOutput(output_);
    }
    // The file is opened afresh each time, as it may have changed since the last greeting.
    player_->stop();
    player_->setSource(QUrl());
    player_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    player_->play();
}

}  // namespace taalspoor
