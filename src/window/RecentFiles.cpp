#include "RecentFiles.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <string>
#include <vector>

#include "QtText.h"
#include "session/SavedCase.h"

namespace tidewell::window {
namespace {

const QString kRecentKey = QStringLiteral("RecentCaseFiles");

std::vector<std::string> ToPaths(const QStringList& files) {
    std::vector<std::string> paths;
    for (const QString& file : files)
        paths.push_back(file.toStdString());
    return paths;
}

QStringList ToFiles(const std::vector<std::string>& paths) {
    QStringList files;
    for (const std::string& path : paths)
        files << ToQString(path);
    return files;
}

}  // namespace

RecentFiles::RecentFiles(QMenu& menu, QObject& context, OpenHandler open)
    : Menu(menu), Context(context), Open(std::move(open)) {
    ShowMenu();
}

QStringList RecentFiles::Files() const {
    return QSettings().value(kRecentKey).toStringList();
}

void RecentFiles::Add(const QString& path) {
    Set(ToFiles(session::WithRecentFile(ToPaths(Files()), path.toStdString())));
}

void RecentFiles::Remove(const QString& path) {
    Set(ToFiles(session::WithoutFile(ToPaths(Files()), path.toStdString())));
}

void RecentFiles::AllowOpening(bool allowed) {
    Allowed = allowed;
    Menu.setEnabled(Allowed && !Menu.actions().isEmpty());
}

void RecentFiles::Set(const QStringList& files) {
    QSettings().setValue(kRecentKey, files);
    ShowMenu();
}

void RecentFiles::ShowMenu() {
    Menu.clear();
    const QStringList files = Files();
    for (int n = 0; n < files.size(); ++n) {
        // "&1 bay.tidewell", the full path as the tip.
        QAction* entry =
            Menu.addAction(QStringLiteral("&%1 %2").arg(n + 1).arg(QFileInfo(files[n]).fileName()));
        entry->setToolTip(files[n]);
        entry->setData(files[n]);
        // Queued: opening rebuilds this menu, which deletes the entry.
        QObject::connect(
            entry, &QAction::triggered, &Context, [this, path = files[n]] { Open(path); },
            Qt::QueuedConnection);
    }
    AllowOpening(Allowed);
}

}  // namespace tidewell::window
