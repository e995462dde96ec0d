#include "system/qt_screen_pixels.h"

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

namespace stylewright {
namespace {

class QtScreenPixels final : public ScreenPixels {
public:
    bool canReadScreen() override
    {
        return isScreenReadable(QGuiApplication::platformName(), qgetenv("XDG_SESSION_TYPE"),
                                qgetenv("WAYLAND_DISPLAY"));
    }

    QPoint pointerPosition() override { return QCursor::pos(); }

    std::optional<Rgb> pixelAt(QPoint position) override
    {
        QScreen *screen = QGuiApplication::screenAt(position);
        if (!screen)
            return std::nullopt;
        const QPoint local = position - screen->geometry().topLeft();
        // A session that forbids reading other programs' pixels (Wayland) gives an empty grab.
        const QImage pixel = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
        if (pixel.isNull() || pixel.width() < 1 || pixel.height() < 1)
            return std::nullopt;
        return Rgb(pixel.pixel(0, 0) & 0xFFFFFF);
    }
};

} // namespace

bool isScreenReadable(QStringView platform, QByteArrayView sessionType, QByteArrayView waylandDisplay)
{
    if (platform.startsWith(u"wayland"))
        return false;
    if (platform == u"xcb")
        return sessionType != "wayland" && waylandDisplay.isEmpty();
    return true;
}

std::unique_ptr<ScreenPixels> makeScreenPixels()
{
    return std::make_unique<QtScreenPixels>();
}

} // namespace stylewright
