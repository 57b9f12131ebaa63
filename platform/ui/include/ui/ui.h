#pragma once
// Everything a program built on the UI library uses.
//
// Rules for page code
//
// Threads
// - Any thread may call the controls' public operations (texts, images, colours, values,
//   visibility, enabling, selections, adding and removing children). Each is one short step under
//   the library's own lock, which is never held while the library calls out.
// - Notifications are delivered at once on the thread that made the change, nested ones before
//   the outer call goes on: a worker's SelectItem runs the "itemselect" handler on the worker.
// - Focus changes are the exception: "killfocus" and "setfocus" are always raised on the window
//   thread. Asked for on a worker (SetFocus, a SelectItem that takes the focus), the change is
//   posted to the window and made when its thread gets to it; GetFocus shows it from then on.
// - A worker never waits for the window thread while it holds a device lock: no SendMessage to
//   the window, no synchronous ShowWindow of it. CWindowWnd::ShowWindow from another thread is
//   asynchronous; native windows are created and destroyed on the window thread only.
//
// Removed controls
// - Remove, RemoveAt, RemoveAll and a replaced root take a control, with everything inside it,
//   out of its window at once: it no longer paints, takes input, notifies or is found by name,
//   and GetItemAt no longer gives it.
// - It is destroyed later, on the window thread, once no notification or input event is being
//   delivered on any thread and at least CPaintManagerUI::GetRemovedControlGrace() (2 s) has
//   passed. So a handler whose own control is removed under it returns safely, and a pointer a
//   worker got from GetItemAt or FindControl stays usable for that while, whoever removes it.
// - Never keep such a pointer longer: find the control again (by name or index, checking for null)
//   on each pass of a worker, and after anything that may have rebuilt the rows.
// - Controls of a container that is in no window are destroyed at once.
//
// Overrides that run under the library's lock
// - DoPaint and the Paint... steps, SetPos, EstimateSize, FindAtPoint, SetInternVisible, and
//   SetManager with DoInit (when a control is added) run with the library's lock held, on
//   whichever thread painted, laid out or changed the tree (SetInternVisible also on a worker
//   that shows a page). They must not call out: no notifications, no SendMessage, no
//   ShowWindow, SetWindowPos or other synchronous call on a native window, no waiting for another
//   thread. A control that hosts a native window moves and shows it with calls that do not wait
//   (ShowWindowAsync, SetWindowPos with SWP_ASYNCWINDOWPOS).
// - DoEvent and Activate run on the window thread without the lock and may notify.
//
// Windows
// - A window is never deleted while its own dispatch is on the stack; a window with a paint
//   manager passes every message to CPaintManagerUI::MessageHandler (the library's own messages
//   are WM_APP + 0x200 and up, its timers 0x1000 and up).
#include "ui/activex.h"
#include "ui/attribute_parsers.h"
#include "ui/button.h"
#include "ui/color_palette.h"
#include "ui/combo.h"
#include "ui/container.h"
#include "ui/control.h"
#include "ui/control_factory.h"
#include "ui/dialog_builder.h"
#include "ui/dpi.h"
#include "ui/edit.h"
#include "ui/hsb_color.h"
#include "ui/label.h"
#include "ui/layouts.h"
#include "ui/list.h"
#include "ui/menu.h"
#include "ui/notify.h"
#include "ui/paint_manager.h"
#include "ui/progress.h"
#include "ui/render_engine.h"
#include "ui/resource_manager.h"
#include "ui/slider.h"
#include "ui/tint.h"
#include "ui/tracked_allocations.h"
#include "ui/tray_icon.h"
#include "ui/ui_string.h"
#include "ui/web_browser_event_handler.h"
#include "ui/window.h"
#include "ui/window_impl_base.h"
