#include "ui/Process.h"

#include "ui/MessageBox.h"
#include "ui/Text.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace ui {

bool StartProgram(const std::string& program, const std::vector<std::string>& arguments)
{
    QStringList list;
    for (const std::string& argument : arguments)
        list << ToQString(argument);
    return QProcess::startDetached(ToQString(program), list);
}

bool OpenHelpFile(QWidget* owner, const std::string& path)
{
    const QFileInfo file(ToQString(path));
    if (!file.isFile()) {
        MessageBox(owner, "Cannot find the help file " + path + ".", mbOK, miError);
        return false;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()))) {
        MessageBox(owner, "No program is set up to open the help file " + path + ".", mbOK,
                   miError);
        return false;
    }
    return true;
}

} // namespace ui
