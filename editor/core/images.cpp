#include "editor/core/images.h"

#include <filesystem>

#include "editor/core/application.h"
#include "editor/core/files.h"
#include "editor/core/frame.h"
#include "editor/core/translate.h"

namespace quadrivo::editor {

namespace {

// path as it is when absolute, else in the current folder.
std::filesystem::path InCurrentFolder(const Application& app, const std::string& path)
{
    const std::filesystem::path given(path);
    if (given.is_absolute()) return given.lexically_normal();
    return (std::filesystem::path(app.CurrentFolder()) / given).lexically_normal();
}

bool NoImage(const std::string& image)
{
    std::string lower;
    for (char c : image) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower.empty() || lower == "nul";
}

}  // namespace

std::vector<FileFilter> ImageFileFilters()
{
    return {{QT_TRANSLATE_NOOP("Images", "Immagini (*.gif *.png *.jpg *.jpeg *.bmp)"),
             "*.gif *.png *.jpg *.jpeg *.bmp"},
            {QT_TRANSLATE_NOOP("Images", "Immagini gif(*.gif)"), "*.gif"},
            {QT_TRANSLATE_NOOP("Images", "Tutti i file (*.*)"), "*.*"}};
}

ImagePreview PreviewImage(Application& app, const std::string& image)
{
    if (NoImage(image)) return {};
    const std::string path = InCurrentFolder(app, image).string();
    if (!app.files.IsFile(path))
        return {"", FilledIn(QT_TRANSLATE_NOOP("Images", "Immagine non trovata: %1"),
                             {app.files.NameForMessage(image)})};
    return {path, ""};
}

std::string PlaceChosenImage(Application& app, const std::string& path)
{
    const std::filesystem::path chosen = InCurrentFolder(app, path);
    const std::string name = chosen.filename().string();
    const std::filesystem::path here = std::filesystem::path(app.CurrentFolder()).lexically_normal();
    // Appending an empty name ends both in one separator, whatever the
    // folder's text ended in.
    if (chosen.parent_path() / "" == here / "") return name;
    if (!HasFileName(app.currentTest)) return path;
    const std::string shown = app.files.NameForMessage(name);
    if (!app.dialogs.AskYesNo(
            FilledIn(QT_TRANSLATE_NOOP(
                         "Images",
                         "L'immagine \"%1\" si trova in un'altra cartella.\r\nVuoi copiarla nella cartella "
                         "del questionario, perch\u00e9 il test la trovi anche su altri computer?"),
                     {shown})))
        return path;
    const std::string target = (here / name).string();
    if (app.files.IsFile(target)) {
        ShowInfo(app, FilledIn(QT_TRANSLATE_NOOP("Images",
                                                 "Nella cartella del questionario c'\u00e8 gi\u00e0 un file "
                                                 "\"%1\": l'immagine non \u00e8 stata copiata."),
                               {shown}));
        return path;
    }
    if (!app.files.CopyFile(chosen.string(), target)) {
        ShowInfo(app, FilledIn(QT_TRANSLATE_NOOP(
                                   "Images",
                                   "Non riesco a copiare l'immagine \"%1\" nella cartella del questionario."),
                               {shown}));
        return path;
    }
    return name;
}

}  // namespace quadrivo::editor
