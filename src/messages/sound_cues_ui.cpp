#include "messages/sound_cues_ui.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

Q_LOGGING_CATEGORY(lottoSound, "lotto.sound")

namespace cues {

namespace {

// The platform's own player: paplay on Linux desktops (PulseAudio and PipeWire both
// serve it), the shell's MP3 handler elsewhere. A missing file is never handed over.
class SystemPlayer final : public Player {
public:
    void play(const QString& filePath) override
    {
        if (!QFileInfo::exists(filePath))
            return;
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
        QDesktopServices::openUrl(QUrl::fromLocalFile(filePath));
#else
        QProcess::startDetached(QStringLiteral("paplay"), {filePath});
#endif
    }
};

Player*& current()
{
    static Player* player = nullptr;
    return player;
}

}  // namespace

void setPlayer(Player* player)
{
    current() = player;
}

void play(const QString& shareFolder, const QString& cueLiteral)
{
    qCInfo(lottoSound).noquote() << cueLiteral;
    // The literal carries "\" separators and a leading one; QDir builds the real path.
    QString relative = cueLiteral;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString path = QDir::cleanPath(shareFolder + relative);
    static SystemPlayer systemPlayer;
    Player* player = current() ? current() : &systemPlayer;
    player->play(path);
}

}  // namespace cues
