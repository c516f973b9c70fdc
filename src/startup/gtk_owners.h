#pragma once
// Owners for the GTK objects the start-up makes, so every window and picture
// is released on every path out, the error paths included.

#include <gtk/gtk.h>

#include <memory>

namespace verlano {

// A top-level window; destroying it destroys every widget inside.
struct WindowDestroyer {
  void operator()(GtkWidget* window) const { gtk_widget_destroy(window); }
};
using OwnedWindow = std::unique_ptr<GtkWidget, WindowDestroyer>;

struct PixbufUnref {
  void operator()(GdkPixbuf* picture) const { g_object_unref(picture); }
};
using OwnedPixbuf = std::unique_ptr<GdkPixbuf, PixbufUnref>;

}  // namespace verlano
