#pragma once
// What the web engine must be told before the application object exists.

namespace stylewright {

// Turns Chromium's sandbox off when running as root, where it refuses to start, and shares GL
// contexts as the engine needs.
void prepareWebEngine();

} // namespace stylewright
