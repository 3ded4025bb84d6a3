#pragma once
// The exception barrier of the window and dialog procedures and the window
// threads: what one of them caught goes into the station log, which they
// reach through the main window, like everything the station owns.
namespace tarvon {

// Call inside a catch block: records the exception being handled as caught
// at `place` ("edit pass dialog", "map thread"). Without a main window (early
// start-up, late shutdown) there is no log to write to.
void RecordCaughtInWindow(const char* place) noexcept;

}  // namespace tarvon
