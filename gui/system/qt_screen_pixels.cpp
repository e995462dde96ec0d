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

std::unique_ptr<ScreenPixels> makeScreenPixels()
{
    return std::make_unique<QtScreenPixels>();
}

} // namespace stylewright
