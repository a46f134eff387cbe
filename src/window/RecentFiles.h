#pragma once

#include <QStringList>
#include <functional>

class QMenu;
class QObject;

namespace tidewell::window {

// The case files used last, newest first: kept in the settings and listed in
// a menu whose entries open them.
class RecentFiles {
  public:
    using OpenHandler = std::function<void(const QString& path)>;

    // `context` ends the entries' connections when it goes.
    RecentFiles(QMenu& menu, QObject& context, OpenHandler open);

    QStringList Files() const;
    void Add(const QString& path);
    void Remove(const QString& path);
    // The menu is enabled while it has entries and opening is allowed.
    void AllowOpening(bool allowed);

  private:
    void Set(const QStringList& files);
    void ShowMenu();

    QMenu& Menu;
    QObject& Context;
    OpenHandler Open;
    bool Allowed = true;
};

}  // namespace tidewell::window
