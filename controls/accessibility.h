#pragma once

namespace controls {

// Gives the windowless controls and the picture boxes their roles for assistive technology:
// labels read as text, pictures, shapes and lines as graphics. Call once after the
// application object exists.
void InstallAccessibility();

} // namespace controls
