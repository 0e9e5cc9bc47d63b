#pragma once

class QApplication;

namespace pelorin {

// Chooses the X11 platform on an X11 session, even under Wayland, where the
// window could neither be placed nor kept on top. Call before the
// application object exists.
void PreferX11Platform();

// Title, icon and fonts of the application.
void SetUpApplication(QApplication& application);

}  // namespace pelorin
