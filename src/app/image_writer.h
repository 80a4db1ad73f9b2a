#pragma once
// Saving a received disk: the save prompt, the ".qvz" extension, the
// overwrite question, the side-interleaved layout, and the file.

#include <string>

namespace qvz::ui {
class TMultiGet;
}

namespace qvz::app {

// Saves the received tracks. A file that cannot be written is reported with
// the reason and the prompt is shown again; the image is given up only when
// the user cancels the prompt or the overwrite question. oLog, when given,
// is told about bytes past the format's size. Returns the name of the file
// written, as the file system holds it, or "" when nothing was written.
std::string SAVE(const std::string& cImage, ui::TMultiGet* oLog = nullptr);

}  // namespace qvz::app
