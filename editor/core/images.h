#ifndef QUADRIVO_EDITOR_CORE_IMAGES_H
#define QUADRIVO_EDITOR_CORE_IMAGES_H

#include <string>
#include <vector>

#include "editor/core/dialogs.h"

namespace quadrivo::editor {

class Application;

// The images of the questions. A question names its image as the runner
// finds it: a bare name is taken in the questionnaire's folder, which is
// the editor's current folder while the test is open.

// "Scegli immagine...": every kind of image the runner shows first, then
// GIF alone and every file.
std::vector<FileFilter> ImageFileFilters();

// What the question dialogs show under the image field: the file to
// preview, or a note when it is not there.
struct ImagePreview {
    std::string path;  // absolute; empty when there is no file to show
    std::string note;  // Windows-1252; empty when there is no image at all
    bool operator==(const ImagePreview&) const = default;
};
// No image ("" or "nul"): nothing; a file that is not there: "Immagine non
// trovata: " and the name.
ImagePreview PreviewImage(Application& app, const std::string& image);

// The name to store for an image the user chose at path: its bare name
// when it lies in the questionnaire's folder. From another folder, and
// when the test has a file name, asks once whether to copy it there, so
// that the questionnaire moves with its images; Yes copies it (never over
// a file of that name) and gives the bare name. Otherwise the path as
// chosen.
std::string PlaceChosenImage(Application& app, const std::string& path);

}  // namespace quadrivo::editor

#endif
