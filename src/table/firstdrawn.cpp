#include "table/firstdrawn.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <memory>

namespace {

class FirstDrawnWatch : public QObject {
public:
    FirstDrawnWatch(QWidget& window, std::function<void()> then) : QObject(&window), then_(std::move(then))
    {
        window.installEventFilter(this);
        watchNative(window);
        if (native_ && native_->isExposed())
            done();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The native window exists from the first show; its exposure follows the map.
        if (event->type() == QEvent::Show && !native_) {
            watchNative(*static_cast<QWidget*>(parent()));
        } else if (watched == native_ && event->type() == QEvent::Expose && native_->isExposed()) {
            done();
        }
        return false;
    }

private:
    void done()
    {
        if (native_)
            native_->removeEventFilter(this);
        parent()->removeEventFilter(this);
        QTimer::singleShot(0, parent(), then_);
        deleteLater();
    }

    void watchNative(QWidget& window)
    {
        if (!native_ && window.windowHandle()) {
            native_ = window.windowHandle();
            native_->installEventFilter(this);
        }
    }

    std::function<void()> then_;
    QWindow* native_ = nullptr;
};

} // namespace

void whenFirstDrawn(QWidget& window, std::function<void()> then) { new FirstDrawnWatch(window, std::move(then)); }

namespace {

void warmFont(const QFont& font)
{
    // The backing store's format, so the glyphs land in the cache the window's painting reads.
    QImage scratch(64, 64, QImage::Format_RGB32);
    QPainter painter(&scratch);
    painter.setFont(font);
    // Text laid out in a line lands between pixels; each quarter is a glyph picture of its own.
    for (char16_t c = 0x21; c < 0x7F; ++c)
        for (const qreal quarter : {0.0, 0.25, 0.5, 0.75})
            painter.drawText(QPointF(8 + quarter, 48), QString(QChar(c)));
}

// One font per pass of the event loop, so the table answers in between.
void warmNext(QPointer<const QWidget> window, std::shared_ptr<QList<QFont>> fonts)
{
    if (!window || fonts->isEmpty())
        return;
    warmFont(fonts->takeFirst());
    QTimer::singleShot(0, window, [window, fonts] { warmNext(window, fonts); });
}

} // namespace

void warmGlyphCaches(const QWidget& window)
{
    auto fonts = std::make_shared<QList<QFont>>();
    QSet<QString> seen;
    for (const QWidget* widget : window.findChildren<const QWidget*>())
        if (!seen.contains(widget->font().key())) {
            seen.insert(widget->font().key());
            fonts->append(widget->font());
        }
    warmNext(&window, fonts);
}
