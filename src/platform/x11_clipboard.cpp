// The clipboard selection transfer of X11 (a request, the owner's answer in a
// property of a window of ours, and the incremental transfer of large texts)
// with a deadline on every wait.
#include "x11_clipboard.h"

#include <QString>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <xcb/xcb.h>

namespace {

using TClock = std::chrono::steady_clock;

struct TFree {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T> using TReply = std::unique_ptr<T, TFree>;

class TConnection {
public:
    explicit TConnection(const QByteArray& display)
        : FConnection(xcb_connect(display.isEmpty() ? nullptr : display.constData(), &FScreen)) {}
    ~TConnection() { xcb_disconnect(FConnection); }
    TConnection(const TConnection&) = delete;
    TConnection& operator=(const TConnection&) = delete;

    xcb_connection_t* Get() const { return FConnection; }
    bool Broken() const { return xcb_connection_has_error(FConnection) != 0; }
    xcb_window_t Root() const {
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(FConnection));
        for (int i = 0; i < FScreen && screens.rem > 1; ++i)
            xcb_screen_next(&screens);
        return screens.data->root;
    }

private:
    int FScreen = 0;
    xcb_connection_t* FConnection;
};

xcb_atom_t Atom(const TConnection& connection, const char* name) {
    const TReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection.Get(),
        xcb_intern_atom(connection.Get(), 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The next event of the given type accepted by wanted, others skipped; null
// when none came before the deadline or the connection broke.
template <typename TEvent, typename TWanted>
TReply<TEvent> WaitFor(const TConnection& connection, std::uint8_t type,
                       TClock::time_point deadline, TWanted wanted) {
    for (;;) {
        TReply<xcb_generic_event_t> event(xcb_poll_for_event(connection.Get()));
        if (event) {
            if ((event->response_type & 0x7F) == type &&
                wanted(*reinterpret_cast<TEvent*>(event.get())))
                return TReply<TEvent>(reinterpret_cast<TEvent*>(event.release()));
            continue;
        }
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - TClock::now()).count();
        if (connection.Broken() || left <= 0)
            return nullptr;
        pollfd socket{xcb_get_file_descriptor(connection.Get()), POLLIN, 0};
        ::poll(&socket, 1, static_cast<int>(left));
    }
}

// The property's whole value, deleted from the window once read (which asks
// the owner of an incremental transfer for the next part).
TReply<xcb_get_property_reply_t> TakeProperty(const TConnection& connection, xcb_window_t window,
                                              xcb_atom_t property) {
    return TReply<xcb_get_property_reply_t>(xcb_get_property_reply(
        connection.Get(),
        xcb_get_property(connection.Get(), 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0,
                         X11ClipboardMaxBytes / 4 + 1),
        nullptr));
}

QByteArray ValueOf(const xcb_get_property_reply_t& reply) {
    return QByteArray(static_cast<const char*>(xcb_get_property_value(&reply)),
                      xcb_get_property_value_length(&reply));
}

class TRequest {
public:
    TRequest(const TConnection& connection, std::chrono::milliseconds wait)
        : FConnection(connection), FWait(wait), FWindow(xcb_generate_id(connection.Get())),
          FClipboard(Atom(connection, "CLIPBOARD")), FProperty(Atom(connection, "ZELVO_CLIPBOARD")),
          FIncremental(Atom(connection, "INCR")) {
        const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(connection.Get(), XCB_COPY_FROM_PARENT, FWindow, connection.Root(), 0, 0,
                          1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT,
                          XCB_CW_EVENT_MASK, &events);
    }
    ~TRequest() {
        xcb_destroy_window(FConnection.Get(), FWindow);
        xcb_flush(FConnection.Get());
    }
    TRequest(const TRequest&) = delete;
    TRequest& operator=(const TRequest&) = delete;

    xcb_window_t Owner() const {
        const TReply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
            FConnection.Get(), xcb_get_selection_owner(FConnection.Get(), FClipboard), nullptr));
        return owner ? owner->owner : static_cast<xcb_window_t>(XCB_NONE);
    }

    // The owner's text as target, or Empty when it has none in that form.
    TX11ClipboardRead Convert(xcb_atom_t target, QByteArray& bytes) {
        xcb_convert_selection(FConnection.Get(), FWindow, FClipboard, target, FProperty,
                              XCB_CURRENT_TIME);
        xcb_flush(FConnection.Get());
        const auto notify = WaitFor<xcb_selection_notify_event_t>(
            FConnection, XCB_SELECTION_NOTIFY, TClock::now() + FWait,
            [this](const xcb_selection_notify_event_t& event) {
                return event.requestor == FWindow && event.selection == FClipboard;
            });
        if (!notify)
            return FConnection.Broken() ? TX11ClipboardRead::Unavailable
                                        : TX11ClipboardRead::NoAnswer;
        if (notify->property == XCB_NONE)
            return TX11ClipboardRead::Empty;
        const auto reply = TakeProperty(FConnection, FWindow, FProperty);
        if (!reply)
            return TX11ClipboardRead::Empty;
        if (reply->type != FIncremental) {
            if (reply->bytes_after > 0)
                return TX11ClipboardRead::Empty;
            bytes = ValueOf(*reply);
            return TX11ClipboardRead::Text;
        }
        xcb_flush(FConnection.Get());
        return ReceiveParts(bytes);
    }

private:
    // The owner puts the text into the property a part at a time, each once
    // the last was taken, and ends with an empty part.
    TX11ClipboardRead ReceiveParts(QByteArray& bytes) {
        bytes.clear();
        for (;;) {
            const auto changed = WaitFor<xcb_property_notify_event_t>(
                FConnection, XCB_PROPERTY_NOTIFY, TClock::now() + FWait,
                [this](const xcb_property_notify_event_t& event) {
                    return event.window == FWindow && event.atom == FProperty &&
                           event.state == XCB_PROPERTY_NEW_VALUE;
                });
            if (!changed)
                return FConnection.Broken() ? TX11ClipboardRead::Unavailable
                                            : TX11ClipboardRead::NoAnswer;
            const auto part = TakeProperty(FConnection, FWindow, FProperty);
            xcb_flush(FConnection.Get());
            if (!part)
                return TX11ClipboardRead::Unavailable;
            const int length = xcb_get_property_value_length(part.get());
            if (length == 0)
                return TX11ClipboardRead::Text;
            if (bytes.size() + length > X11ClipboardMaxBytes)
                return TX11ClipboardRead::Empty;
            bytes += ValueOf(*part);
        }
    }

    const TConnection& FConnection;
    const std::chrono::milliseconds FWait;
    const xcb_window_t FWindow;
    const xcb_atom_t FClipboard;
    const xcb_atom_t FProperty;
    const xcb_atom_t FIncremental;
};

// The server gives each connection a range of ids for its windows.
bool IsWindowOf(xcb_connection_t* connection, xcb_window_t window) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    return setup != nullptr && (window & ~setup->resource_id_mask) == setup->resource_id_base;
}

} // namespace

TX11ClipboardRead ReadX11ClipboardText(const QByteArray& display, xcb_connection_t* own,
                                       std::chrono::milliseconds wait, QByteArray& utf8) {
    utf8.clear();
    const TConnection connection(display);
    if (connection.Broken())
        return TX11ClipboardRead::Unavailable;
    TRequest request(connection, wait);
    const xcb_window_t owner = request.Owner();
    if (owner == XCB_NONE)
        return TX11ClipboardRead::Empty;
    if (own != nullptr && IsWindowOf(own, owner))
        return TX11ClipboardRead::OwnedHere;
    const TX11ClipboardRead asUtf8 = request.Convert(Atom(connection, "UTF8_STRING"), utf8);
    if (asUtf8 != TX11ClipboardRead::Empty)
        return asUtf8;
    QByteArray latin1;
    const TX11ClipboardRead asLatin1 = request.Convert(XCB_ATOM_STRING, latin1);
    if (asLatin1 == TX11ClipboardRead::Text)
        utf8 = QString::fromLatin1(latin1).toUtf8();
    return asLatin1;
}
