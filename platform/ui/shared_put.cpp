#include "platform/ui/shared_put.h"

#include "platform/gfx/picture.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#if PLATFORM_HAS_XCB_SHM
#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>
#endif

namespace platform::ui::detail {

#if PLATFORM_HAS_XCB_SHM

namespace {

xcb_connection_t* x11Connection()
{
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

// True when pixels of QImage::Format_RGB32 (0xffRRGGBB words in this machine's byte order) are
// what a Z-format image of the window's depth and visual holds.
bool takesRgb32(xcb_connection_t* c, xcb_window_t window, uint8_t& depth)
{
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
    bool fits = false;
    if (geometry != nullptr && attributes != nullptr && (geometry->depth == 24 || geometry->depth == 32)) {
        depth = geometry->depth;
        const xcb_setup_t* setup = xcb_get_setup(c);
        const uint16_t probe = 1;
        const bool littleEndian = *reinterpret_cast<const uint8_t*>(&probe) == 1;
        const bool byteOrder = setup->image_byte_order ==
                               (littleEndian ? XCB_IMAGE_ORDER_LSB_FIRST : XCB_IMAGE_ORDER_MSB_FIRST);
        bool format = false;
        for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem > 0; xcb_format_next(&f)) {
            if (f.data->depth == depth) {
                format = f.data->bits_per_pixel == 32 && f.data->scanline_pad == 32;
            }
        }
        bool visual = false;
        for (auto s = xcb_setup_roots_iterator(setup); s.rem > 0; xcb_screen_next(&s)) {
            for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem > 0; xcb_depth_next(&d)) {
                for (auto v = xcb_depth_visuals_iterator(d.data); v.rem > 0; xcb_visualtype_next(&v)) {
                    if (v.data->visual_id == attributes->visual) {
                        visual = v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                                 v.data->red_mask == 0xff0000 && v.data->green_mask == 0x00ff00 &&
                                 v.data->blue_mask == 0x0000ff;
                    }
                }
            }
        }
        fits = byteOrder && format && visual;
    }
    std::free(geometry);
    std::free(attributes);
    return fits;
}

class XcbSharedPut final : public SharedPut, public QObject
{
public:
    XcbSharedPut(QWidget* widget, xcb_connection_t* c, xcb_window_t window, uint8_t depth)
        : m_widget(widget), m_c(c), m_window(window), m_depth(depth)
    {
        m_gc = xcb_generate_id(m_c);
        xcb_create_gc(m_c, m_gc, m_window, 0, nullptr);
        // What the toolkit shows of the widget after an expose comes from its backing store,
        // which the puts bypass: an expose paints the widget afresh instead.
        if (QWindow* handle = widget->windowHandle()) {
            handle->installEventFilter(this);
        }
    }

    ~XcbSharedPut() override
    {
        if (QWindow* handle = m_widget->windowHandle()) {
            handle->removeEventFilter(this);
        }
        // The memory stays mapped for as long as a picture holds it; only the server lets go.
        detachFromServer();
        xcb_free_gc(m_c, m_gc);
        xcb_flush(m_c);
    }

    bool put(gfx::Picture& picture, const QRect& part, const QPoint& origin) override
    {
        const QImage& image = picture.image();
        if (image.isNull() || image.width() > 0xffff || image.height() > 0xffff ||
            image.format() != QImage::Format_RGB32) {
            return false;
        }
        if (image.constBits() != m_address || image.size() != m_size) {
            // A server that cannot attach the memory (a display on another machine) will not
            // manage it at the next frame either: the box paints the usual way from then on.
            if (m_refused || !adopt(picture)) {
                m_refused = true;
                return false;
            }
        }
        const QRect area = part.intersected(QRect(QPoint(0, 0), m_size));
        const QPoint at = origin + area.topLeft();
        if (area.isEmpty() || at.x() < -0x8000 || at.x() > 0x7fff || at.y() < -0x8000 || at.y() > 0x7fff) {
            return true;
        }
        // The server reads the memory when it takes the request, long before the next frame is
        // drawn into it; no completion event is asked for.
        xcb_shm_put_image(m_c, m_window, m_gc, static_cast<uint16_t>(m_size.width()),
                          static_cast<uint16_t>(m_size.height()), static_cast<uint16_t>(area.x()),
                          static_cast<uint16_t>(area.y()), static_cast<uint16_t>(area.width()),
                          static_cast<uint16_t>(area.height()), static_cast<int16_t>(at.x()),
                          static_cast<int16_t>(at.y()), m_depth, XCB_IMAGE_FORMAT_Z_PIXMAP, 0, m_segment, 0);
        xcb_flush(m_c);
        return true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose) {
            m_widget->update();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // Moves the picture's pixels into a new shared segment, which the picture then draws into.
    bool adopt(gfx::Picture& picture)
    {
        QImage& image = picture.image();
        const QSize size = image.size();
        const qsizetype bytesPerLine = qsizetype(size.width()) * 4;
        const size_t bytes = size_t(bytesPerLine) * size_t(size.height());
        const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        if (id < 0) {
            return false;
        }
        void* address = shmat(id, nullptr, 0);
        if (address == reinterpret_cast<void*>(-1)) {
            shmctl(id, IPC_RMID, nullptr);
            return false;
        }
        const xcb_shm_seg_t segment = xcb_generate_id(m_c);
        xcb_generic_error_t* error = xcb_request_check(m_c, xcb_shm_attach_checked(m_c, segment, id, 1));
        // Marked for removal at once: the segment goes when the server and this process have
        // both let go, even if the program ends abruptly.
        shmctl(id, IPC_RMID, nullptr);
        if (error != nullptr) {
            std::free(error);
            shmdt(address);
            return false;
        }
        auto* bits = static_cast<uchar*>(address);
        for (int y = 0; y < size.height(); ++y) {
            std::memcpy(bits + y * bytesPerLine, image.constScanLine(y), size_t(bytesPerLine));
        }
        detachFromServer();
        image = QImage(
            bits, size.width(), size.height(), bytesPerLine, QImage::Format_RGB32,
            [](void* memory) { shmdt(memory); }, address);
        m_segment = segment;
        m_address = bits;
        m_size = size;
        return true;
    }

    void detachFromServer()
    {
        if (m_address != nullptr) {
            xcb_shm_detach(m_c, m_segment);
            m_address = nullptr;
            m_size = QSize();
        }
    }

    QWidget* m_widget;
    xcb_connection_t* m_c;
    xcb_window_t m_window;
    uint8_t m_depth;
    xcb_gcontext_t m_gc = 0;
    xcb_shm_seg_t m_segment = 0;
    const uchar* m_address = nullptr; // the shared pixels the server knows, or nullptr
    QSize m_size;
    bool m_refused = false; // a segment could not be made or attached
};

} // namespace

std::unique_ptr<SharedPut> SharedPut::create(QWidget* widget)
{
    xcb_connection_t* c = x11Connection();
    if (c == nullptr || widget == nullptr) {
        return nullptr;
    }
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(c, &xcb_shm_id);
    if (shm == nullptr || shm->present == 0) {
        return nullptr;
    }
    widget->setAttribute(Qt::WA_NativeWindow);
    const auto window = static_cast<xcb_window_t>(widget->winId());
    uint8_t depth = 0;
    if (window == 0 || !takesRgb32(c, window, depth)) {
        return nullptr;
    }
    return std::make_unique<XcbSharedPut>(widget, c, window, depth);
}

#else

std::unique_ptr<SharedPut> SharedPut::create(QWidget*)
{
    return nullptr;
}

#endif

} // namespace platform::ui::detail
