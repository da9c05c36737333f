#include "editor/qt/qtplatform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>

#include "editor/qt/encoding.h"
#include "editor/qt/systemconventions.h"
#include "text/codifica.h"
#include "translations/language.h"

namespace quadrivo::editor {

namespace {

// A filter as the dialog wants it: "label (pattern)". "*.*" means every
// file; where names need no dot it becomes "*".
QString NameFilter(const FileFilter& filter)
{
    QString label = FromWindows1252(filter.label);
    QString pattern = FromWindows1252(filter.pattern);
    AdaptEveryFilePattern(label, pattern);
    if (!label.contains(QLatin1Char('('))) label += QStringLiteral(" (") + pattern + QLatin1Char(')');
    return label;
}

void SetItalianButtons(QMessageBox& box)
{
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) ok->setText(QStringLiteral("OK"));
    if (QAbstractButton* yes = box.button(QMessageBox::Yes))
        yes->setText(QCoreApplication::translate("QtPlatform", "&Sì"));
    if (QAbstractButton* no = box.button(QMessageBox::No))
        no->setText(QCoreApplication::translate("QtPlatform", "&No"));
}

// A message box that comes up while the wait cursor is on (a loader's error
// during a load) gets the arrow: the user has to aim at its button.
class ArrowCursorWhileAsking {
public:
    ArrowCursorWhileAsking() : pushed_(QApplication::overrideCursor() != nullptr)
    {
        if (pushed_) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowCursorWhileAsking()
    {
        if (pushed_) QApplication::restoreOverrideCursor();
    }
    ArrowCursorWhileAsking(const ArrowCursorWhileAsking&) = delete;
    ArrowCursorWhileAsking& operator=(const ArrowCursorWhileAsking&) = delete;

private:
    bool pushed_;
};

}  // namespace

QWidget* DialogOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

QtPlatform::QtPlatform() : settings_(UserSettings()) {}

QtPlatform::QtPlatform(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::ShowInfo(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("QtPlatform", "Informazione"),
                    MessageText(text), QMessageBox::Ok, DialogOwner());
    // Shown as it is: a file name in a message may hold what a label would
    // take for markup.
    box.setTextFormat(Qt::PlainText);
    SetItalianButtons(box);
    ArrowCursorWhileAsking arrow;
    box.exec();
}

bool QtPlatform::AskYesNo(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("QtPlatform", "Attenzione"),
                    MessageText(text), QMessageBox::Yes | QMessageBox::No, DialogOwner());
    box.setTextFormat(Qt::PlainText);
    SetItalianButtons(box);
    ArrowCursorWhileAsking arrow;
    return box.exec() != QMessageBox::No;
}

bool QtPlatform::OpenFileName(const FileDialogRequest& request, std::string& path)
{
    return RunFileDialog(request, false, path);
}

bool QtPlatform::SaveFileName(const FileDialogRequest& request, std::string& path)
{
    return RunFileDialog(request, true, path);
}

bool QtPlatform::RunFileDialog(const FileDialogRequest& request, bool save, std::string& path)
{
    QFileDialog dialog(DialogOwner(), FromWindows1252(request.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QStringList filters;
    for (const FileFilter& filter : request.filters) filters << NameFilter(filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty()) dialog.selectNameFilter(filters.first());
    dialog.setDefaultSuffix(FromWindows1252(request.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    const QDir folder(FromNativeBytes(request.folder));
    dialog.setDirectory(folder);
    if (!request.proposed.empty()) {
        const QFileInfo proposed(folder, FromNativeBytes(request.proposed));
        dialog.setDirectory(proposed.absolutePath());
        dialog.selectFile(proposed.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;

    const QString chosen = QDir::toNativeSeparators(dialog.selectedFiles().first());
    const std::string bytes = ToNativeBytes(chosen);
    if (bytes.size() > request.maxPath) {
        ShowInfo(language::CoreText(
            QCoreApplication::translate("QtPlatform", "Il percorso scelto supera i %1 caratteri ammessi.")
                .arg(request.maxPath)));
        return false;
    }
    path = bytes;
    return true;
}

void QtPlatform::BeginWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtPlatform::EndWaitCursor()
{
    QApplication::restoreOverrideCursor();
}

bool QtPlatform::QuerySettingString(const std::string& name, std::string& value)
{
    const QVariant stored = settings_->value(FromNativeBytes(name));
    if (stored.typeId() != QMetaType::QString) return false;
    value = ToNativeBytes(stored.toString());
    return true;
}

bool QtPlatform::QuerySettingNumber(const std::string& name, int& value)
{
    const QVariant stored = settings_->value(FromNativeBytes(name));
    bool ok = false;
    int number = 0;
    switch (stored.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            number = stored.toInt(&ok);
            break;
        case QMetaType::QString:  // an INI file keeps numbers as text
            number = stored.toString().trimmed().toInt(&ok);
            break;
        default:
            break;
    }
    if (ok) value = number;
    return ok;
}

bool QtPlatform::StoreSettingString(const std::string& name, const std::string& value)
{
    settings_->setValue(FromNativeBytes(name), FromNativeBytes(value));
    return Stored();
}

bool QtPlatform::StoreSettingNumber(const std::string& name, int value)
{
    settings_->setValue(FromNativeBytes(name), value);
    return Stored();
}

bool QtPlatform::Stored()
{
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

StartResult QtPlatform::StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                                     const std::string& folder)
{
    const QDir workingFolder(FromNativeBytes(folder));
    QString path = FromNativeBytes(program);
    const bool bare = !path.contains(QLatin1Char('/')) && !path.contains(QLatin1Char('\\'));
    if (!bare) path = workingFolder.absoluteFilePath(path);
    const bool found = bare ? !QStandardPaths::findExecutable(path).isEmpty() : QFileInfo(path).isFile();
    if (program.empty() || !found) return StartResult::NotFound;
    QStringList words;
    for (const std::string& argument : arguments) words << FromNativeBytes(argument);
    return QProcess::startDetached(path, words, workingFolder.absolutePath()) ? StartResult::Started
                                                                              : StartResult::Failed;
}

std::string QtPlatform::ProgramBesideEditor(const std::string& name)
{
    const QString found =
        QStandardPaths::findExecutable(FromNativeBytes(name), {QCoreApplication::applicationDirPath()});
    return found.isEmpty() ? std::string() : ToNativeBytes(QDir::toNativeSeparators(found));
}

ProgramFileTypes QtPlatform::ProgramTypes()
{
    return SystemProgramTypes();
}

std::string QtPlatform::WorkingFolder()
{
    return ToNativeBytes(QDir::toNativeSeparators(QDir::currentPath()));
}

bool QtPlatform::SetWorkingFolder(const std::string& folder)
{
    return !folder.empty() && QDir::setCurrent(FromNativeBytes(folder));
}

std::string QtPlatform::NameForMessage(const std::string& name)
{
    std::string bytes;
    for (const QChar c : FromNativeBytes(name)) {
        const int byte = Windows1252Of(c.unicode());
        bytes += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return bytes;
}

bool QtPlatform::IsFile(const std::string& path)
{
    return !path.empty() && QFileInfo(FromNativeBytes(path)).isFile();
}

std::string QtPlatform::TempFolder()
{
    return ToNativeBytes(QDir::toNativeSeparators(QDir::tempPath()));
}

bool QtPlatform::CreateTempFile(const std::string& folder, std::string& name)
{
    const QDir directory(folder == "." ? QStringLiteral(".") : FromNativeBytes(folder));
    const quint32 start = QRandomGenerator::global()->bounded(0x10000u);
    for (quint32 i = 0; i < 0x10000u; ++i) {
        const quint32 number = (start + i) & 0xFFFFu;
        if (number == 0) continue;
        const QString bare =
            QStringLiteral("$QV") + QString::number(number, 16).toUpper() + QStringLiteral(".TMP");
        const QString candidate = folder == "." ? bare : QDir::toNativeSeparators(directory.filePath(bare));
        QFile file(candidate);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            file.close();
            name = ToNativeBytes(candidate);
            return true;
        }
        if (file.error() != QFileDevice::OpenError || !QFileInfo::exists(candidate)) return false;
    }
    return false;
}

void QtPlatform::RemoveFile(const std::string& name)
{
    QFile::remove(FromNativeBytes(name));
}

bool QtPlatform::CopyFile(const std::string& from, const std::string& to)
{
    return QFile::copy(FromNativeBytes(from), FromNativeBytes(to));
}

std::string QtPlatform::SettingsFolder() const
{
    const QString folder = settings_->format() == QSettings::NativeFormat
                               ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                               : QFileInfo(settings_->fileName()).absolutePath();
    return ToNativeBytes(QDir::toNativeSeparators(folder));
}

int QtPlatform::ProcessId()
{
    return static_cast<int>(QCoreApplication::applicationPid());
}

bool QtPlatform::IsProcessRunning(int id)
{
    return ProcessRunning(id);
}

}  // namespace quadrivo::editor
