#pragma once
// Saving a received disk: the save prompt, the ".qvz" extension, the
// overwrite question, the side-interleaved layout, and the file.

namespace qvz::ui {
class TMultiGet;
}

namespace qvz::app {

// Saves the image buffer (which it leaves as it is). A file that cannot be
// written is reported with the reason and the prompt is shown again; the
// image is given up only when the user cancels the prompt or the overwrite
// question. oLog, when given, is told about bytes past the format's size.
void SAVE(ui::TMultiGet* oLog = nullptr);

}  // namespace qvz::app
