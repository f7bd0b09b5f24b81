// What every process that shows the window sets up first.
#pragma once

namespace vantrel {

// Call once, right after the QApplication exists.
void setUpApplication();

} // namespace vantrel
