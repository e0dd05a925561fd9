#include "widgets/LockKeyPanes.h"

#include <QtGui/qguiapplication_platform.h>
#include <QtCore/QByteArray>
#include <QtCore/QCoreApplication>
#include <QtGui/QGuiApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QStatusBar>

#include <xcb/xcb.h>
// The extension's header names a field "explicit", a word of C++.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>
#include <memory>
#include <string_view>

namespace gb::widgets {

namespace {

constexpr std::array<const char*, 3> kPaneTexts{"CAP", "NUM", "SCRL"};
constexpr std::array<const char*, 3> kPaneNames{"capsLockPane", "numLockPane", "scrollLockPane"};
// The indicators' names in the X server's keyboard description.
constexpr std::array<std::string_view, 3> kIndicatorNames{"Caps Lock", "Num Lock", "Scroll Lock"};

// Replies of xcb are freed with free().
template <typename Reply>
std::unique_ptr<Reply, decltype(&std::free)> Owned(Reply* reply) {
    return {reply, &std::free};
}

xcb_connection_t* XConnection() {
    // The offscreen platform answers for X too, with no connection behind it.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return nullptr;
    }
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

}  // namespace

LockKeyPanes::LockKeyPanes(QStatusBar& bar) : QObject(&bar) {
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        auto* pane = new QLabel(&bar);
        pane->setObjectName(QString::fromLatin1(kPaneNames[i]));
        pane->setAlignment(Qt::AlignCenter);
        // The pane keeps its width whether its key is on or off.
        pane->setMinimumWidth(
            pane->fontMetrics().horizontalAdvance(QString::fromLatin1(kPaneTexts[i])) +
            pane->fontMetrics().averageCharWidth() * 2);
        bar.addPermanentWidget(pane);
        panes_[i] = pane;
    }
    if (ReadIndicators()) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
}

bool LockKeyPanes::ReadIndicators() {
    xcb_connection_t* connection = XConnection();
    if (connection == nullptr) {
        return false;
    }
    const xcb_query_extension_reply_t* xkb = xcb_get_extension_data(connection, &xcb_xkb_id);
    if (xkb == nullptr || xkb->present == 0) {
        return false;
    }
    // Qt's keyboard has taken the extension into use on this connection
    // already; asking again does no harm.
    Owned(xcb_xkb_use_extension_reply(
        connection, xcb_xkb_use_extension(connection, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION),
        nullptr));
    xkbFirstEvent_ = xkb->first_event;
    // Only the indicators' notices are added to what the connection hears.
    xcb_xkb_select_events(connection, XCB_XKB_ID_USE_CORE_KBD,
                          XCB_XKB_EVENT_TYPE_INDICATOR_STATE_NOTIFY, 0,
                          XCB_XKB_EVENT_TYPE_INDICATOR_STATE_NOTIFY, 0, 0, nullptr);
    for (std::size_t i = 0; i < kIndicatorNames.size(); ++i) {
        const std::string_view name = kIndicatorNames[i];
        const auto atom = Owned(xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(name.size()), name.data()),
            nullptr));
        if (atom == nullptr || atom->atom == XCB_ATOM_NONE) {
            continue;
        }
        const auto indicator = Owned(xcb_xkb_get_named_indicator_reply(
            connection,
            xcb_xkb_get_named_indicator(connection, XCB_XKB_ID_USE_CORE_KBD,
                                        XCB_XKB_LED_CLASS_DFLT_XI_CLASS, XCB_XKB_ID_DFLT_XI_ID,
                                        atom->atom),
            nullptr));
        if (indicator == nullptr || indicator->found == 0 || indicator->ndx >= 32) {
            continue;
        }
        indicators_[i] = {true, indicator->ndx};
        Show(static_cast<Key>(i), indicator->on != 0);
    }
    xcb_flush(connection);
    return true;
}

bool LockKeyPanes::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    // The extension's events share one code and name their kind in their
    // second byte; every X event is 32 bytes long.
    if ((event->response_type & 0x7f) != xkbFirstEvent_ ||
        event->pad0 != XCB_XKB_INDICATOR_STATE_NOTIFY) {
        return false;
    }
    const auto* notice = static_cast<const xcb_xkb_indicator_state_notify_event_t*>(message);
    for (std::size_t i = 0; i < indicators_.size(); ++i) {
        if (indicators_[i].known) {
            Show(static_cast<Key>(i), ((notice->state >> indicators_[i].index) & 1U) != 0);
        }
    }
    // Qt's own handling of the event goes on.
    return false;
}

void LockKeyPanes::Show(Key key, bool on) {
    const auto i = static_cast<std::size_t>(key);
    panes_[i]->setText(on ? QString::fromLatin1(kPaneTexts[i]) : QString());
}

}  // namespace gb::widgets
