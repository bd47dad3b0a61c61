#pragma once
// The slow first steps of the text engine, taken on a second thread while the main thread opens
// the display: fontconfig reading its configuration and caches, and FreeType opening the Song
// face that nearly every text of the program is drawn in. Nothing is drawn or measured there,
// and the first font made waits until the warm-up is over, so the text engine itself still only
// ever runs on one thread at a time.
namespace desktop {

// Starts the warm-up; does nothing when it was started before.
void StartFontWarmUp();

// Waits for the warm-up when one is running; costs next to nothing otherwise. Font::Create calls
// it before anything else.
void FinishFontWarmUp();

}  // namespace desktop
