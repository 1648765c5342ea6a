// The other program of the X11 clipboard tests: it takes the clipboard and
// then either never answers, as a program that hangs, or answers with the
// text of a file through the toolkit, as programs do.
//   clipboard_owner_child silent
//   clipboard_owner_child text <file holding UTF-8 text>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

void SayOwned() {
    std::puts("owned");
    std::fflush(stdout);
}

int HoldWithoutAnswering() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return 1;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_intern_atom_reply_t* clipboard =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, 9, "CLIPBOARD"), nullptr);
    xcb_set_selection_owner(connection, window, clipboard->atom, XCB_CURRENT_TIME);
    // The reply proves the server has made this window the owner.
    std::free(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, clipboard->atom), nullptr));
    SayOwned();
    for (;;)
        ::pause();
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "silent") == 0)
        return HoldWithoutAnswering();
    if (argc < 3 || std::strcmp(argv[1], "text") != 0)
        return 2;
    QGuiApplication application(argc, argv);
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QGuiApplication::clipboard()->setText(QString::fromUtf8(file.readAll()));
    while (!QGuiApplication::clipboard()->ownsClipboard())
        QGuiApplication::processEvents();
    SayOwned();
    return application.exec();
}
