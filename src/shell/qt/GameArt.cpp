#include "shell/qt/GameArt.h"

#include "platform/GameError.h"
#include "platform/SjisText.h"
#include "platform/qt/QtText.h"

#include <QFile>

// The resources live in a static library: registering them by hand also keeps
// the linker from dropping them. Outside any namespace, as the registration
// function it declares is a global one.
static void RegisterArtResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(tessarine_art);
        return true;
    }();
    (void)registered;
}

namespace {

[[noreturn]] void ArtMissing(const QString& name) {
    throw TGameError(Sjis("ファイルが見つかりません ") + FromQt(name));
}

} // namespace

QByteArray GameArtFile(const QString& name) {
    RegisterArtResources();
    QFile file(QStringLiteral(":/art/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        ArtMissing(name);
    }
    return file.readAll();
}

QImage GameArtPicture(const QString& name) {
    QImage picture;
    if (!picture.loadFromData(GameArtFile(name), "BMP")) {
        ArtMissing(name);
    }
    return picture;
}

QImage BackgroundTile() {
    return GameArtPicture(QStringLiteral("background.bmp"));
}

QImage TitlePicture() {
    return GameArtPicture(QStringLiteral("title.bmp"));
}

QImage ProgramIcon() {
    return GameArtPicture(QStringLiteral("icon.bmp"));
}
