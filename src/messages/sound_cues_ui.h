// Short spoken cues: MP3 files under the share folder's "sound" folder,
// played by another program, hidden and asynchronous. Every failure is ignored.
#pragma once

#include "messages/cue_literals.h"

#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lottoSound)

namespace cues {

// Plays a cue file; implementations never block and never throw.
class Player {
public:
    virtual ~Player() = default;
    virtual void play(const QString& filePath) = 0;
};

// Replaces the player for the whole program (tests install a recorder);
// nullptr restores the system player. The caller keeps ownership.
void setPlayer(Player* player);

// Logs the cue literal to "lotto.sound", then plays share folder + literal.
void play(const QString& shareFolder, const QString& cueLiteral);

}  // namespace cues
