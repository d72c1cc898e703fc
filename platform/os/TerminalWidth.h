#pragma once

namespace platform {

// How many columns the terminal or console on the error stream shows now, asked anew on
// each call so that a window the user resized is followed; 0 when the stream is no
// terminal or the system does not say.
int ErrorStreamColumns();

}  // namespace platform
